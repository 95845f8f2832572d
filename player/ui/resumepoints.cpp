#include "player/ui/resumepoints.h"

#include "framework/core/uxsettings.h"

namespace {
const QString kKey = QStringLiteral("Continue/Points");
const QString kTitlesKey = QStringLiteral("Continue/Titles");
}

// Read each time: the store is the one truth, whoever wrote it last.
void ResumePoints::load()
{
    m_points = uxSettings::instance()->value(kKey).toMap();
    m_titles = uxSettings::instance()->value(kTitlesKey).toMap();
}

float ResumePoints::lookup(const QString& key)
{
    load();
    return m_points.value(key).toFloat();
}

int ResumePoints::lookupTitle(const QString& key)
{
    load();
    return m_points.contains(key) ? qMax(m_titles.value(key).toInt(), 0) : 0;
}

void ResumePoints::store(const QString& key, float seconds)
{
    store(key, seconds, 0);
}

void ResumePoints::store(const QString& key, float seconds, int title)
{
    if (key.isEmpty())
        return;
    load();
    if (seconds > 0)
        m_points.insert(key, seconds);
    else
        m_points.remove(key);
    if (seconds > 0 && title > 0)
        m_titles.insert(key, title);
    else
        m_titles.remove(key);
    uxSettings::instance()->setValue(kKey, m_points);
    uxSettings::instance()->setValue(kTitlesKey, m_titles);
}

float ResumePoints::keptPosition(int positionSeconds, float lengthSeconds)
{
    return lengthSeconds - float(positionSeconds) < 2.0f ? 0.0f : float(positionSeconds);
}
