#include "player/ui/keyseek.h"

#include <QtMath>

namespace {

// Presses closer than this continue from the last target (a key repeats
// every 40 ms or so; a seek takes up to a few hundred).
const qint64 kRunOn = 1000;
// A seek never goes this close to the end, where the media would stop.
const qint64 kEndMargin = 1000;
// A report this near the target shows the seek has landed.
const qint64 kLanded = 1500;

} // namespace

bool KeySeek::pending() const
{
    return m_target >= 0 && m_since.isValid() && m_since.elapsed() < kRunOn;
}

qint64 KeySeek::target(qint64 position, qint64 length, qint64 step)
{
    const qint64 base = pending() ? m_target : qMax<qint64>(0, position);
    qint64 to = qMax<qint64>(0, base + step);
    if (length > 0)
        to = qMin(to, qMax<qint64>(0, length - kEndMargin));
    if (step > 0)
        to = qMax(to, base);
    m_target = to;
    m_since.start();
    return to;
}

qint64 KeySeek::shownInstead(qint64 reported) const
{
    if (!pending() || qAbs(reported - m_target) < kLanded)
        return -1;
    return m_target;
}

void KeySeek::forget()
{
    m_target = -1;
    m_since.invalidate();
}
