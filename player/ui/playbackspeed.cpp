#include "player/ui/playbackspeed.h"

#include <QLocale>
#include <cmath>

namespace {

// libVLC reports the rate it plays, which may differ from a step by rounding.
const float kSameRate = 0.01f;

} // namespace

const QList<float>& PlaybackSpeed::steps()
{
    static const QList<float> list = {0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f, 3.0f, 4.0f};
    return list;
}

float PlaybackSpeed::faster(float rate)
{
    for (float step : steps()) {
        if (step > rate + kSameRate)
            return step;
    }
    return steps().last();
}

float PlaybackSpeed::slower(float rate)
{
    const QList<float>& list = steps();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (*it < rate - kSameRate)
            return *it;
    }
    return list.first();
}

bool PlaybackSpeed::isNormal(float rate)
{
    return std::fabs(rate - 1.0f) < kSameRate;
}

QString PlaybackSpeed::text(float rate)
{
    return QLocale().toString(double(rate), 'g', 3) + QChar(0x00D7);
}
