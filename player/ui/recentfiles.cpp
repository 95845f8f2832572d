#include "player/ui/recentfiles.h"

#include "framework/core/uxsettings.h"

QString RecentFiles::key(int index)
{
    return QStringLiteral("RecentFile/strFile_%1").arg(index);
}

void RecentFiles::load()
{
    uxSettings* settings = uxSettings::instance();
    bool ok = false;
    const int count = settings->value(QStringLiteral("RecentFile/Count"), DefaultCount).toInt(&ok);
    m_count = ok ? qBound(0, count, int(MaxCount)) : DefaultCount;
    m_entries.clear();
    for (int i = 0; i < m_count; ++i)
        m_entries << settings->value(key(i)).toString();
}

QStringList RecentFiles::shown() const
{
    QStringList out;
    for (int i = 0; i < qMin(m_count, int(m_entries.size())); ++i) {
        if (!m_entries.at(i).isEmpty())
            out << m_entries.at(i);
    }
    return out;
}

void RecentFiles::insert(const QString& location)
{
    m_beforeInsert = m_entries;
    m_canWithdraw = true;
    m_entries.removeAll(location);
    m_entries.prepend(location);
}

void RecentFiles::withdrawLastInsert()
{
    if (!m_canWithdraw)
        return;
    m_entries = m_beforeInsert;
    m_canWithdraw = false;
}

void RecentFiles::clear()
{
    m_canWithdraw = false;
    QList<std::pair<QString, QVariant>> values;
    for (int i = 0; i < m_count; ++i)
        values.append({key(i), QString()});
    uxSettings::instance()->setValues(values);
    m_entries.clear();
}

void RecentFiles::save() const
{
    QList<std::pair<QString, QVariant>> values;
    for (int i = 0; i < qMin(m_count, int(m_entries.size())); ++i)
        values.append({key(i), m_entries.at(i)});
    uxSettings::instance()->setValues(values);
}
