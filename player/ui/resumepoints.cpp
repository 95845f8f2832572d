#include "player/ui/resumepoints.h"

#include "framework/core/uxsettings.h"

namespace {
const QString kKey = QStringLiteral("Continue/Points");
}

float ResumePoints::lookup(const QString& key)
{
    if (m_points.isEmpty())
        m_points = uxSettings::instance()->value(kKey).toMap();
    return m_points.value(key).toFloat();
}

void ResumePoints::store(const QString& key, float seconds)
{
    if (key.isEmpty())
        return;
    if (m_points.isEmpty())
        m_points = uxSettings::instance()->value(kKey).toMap();
    if (seconds > 0)
        m_points.insert(key, seconds);
    else
        m_points.remove(key);
    uxSettings::instance()->setValue(kKey, m_points);
}

float ResumePoints::keptPosition(int positionSeconds, float lengthSeconds)
{
    return lengthSeconds - float(positionSeconds) < 2.0f ? 0.0f : float(positionSeconds);
}
