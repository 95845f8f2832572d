#pragma once

#include <QVariantMap>

// Where each media was left, in seconds, keyed by the media's resume key, and
// for a disc the title it was left in. Every change is written to the
// settings store at once.
class ResumePoints
{
public:
    // 0 when nothing is stored for key.
    float lookup(const QString& key);
    // Stores seconds for key; 0 or less removes the entry. An empty key stores nothing.
    void store(const QString& key, float seconds);
    // The title (from 0) the point belongs to; 0 for points stored without one.
    int lookupTitle(const QString& key);
    // Stores seconds within title for key; title 0 is kept as no title at all,
    // so points read by earlier versions stay as they were.
    void store(const QString& key, float seconds, int title);
    // The position worth keeping: none within two seconds of the end.
    static float keptPosition(int positionSeconds, float lengthSeconds);

private:
    void load();

    QVariantMap m_points;
    QVariantMap m_titles;
};
