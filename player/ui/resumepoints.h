#pragma once

#include <QVariantMap>

// Where each media was left, in seconds, keyed by the media's resume key.
// Every change is written to the settings store at once.
class ResumePoints
{
public:
    // 0 when nothing is stored for key.
    float lookup(const QString& key);
    // Stores seconds for key; 0 or less removes the entry. An empty key stores nothing.
    void store(const QString& key, float seconds);
    // The position worth keeping: none within two seconds of the end.
    static float keptPosition(int positionSeconds, float lengthSeconds);

private:
    QVariantMap m_points;
};
