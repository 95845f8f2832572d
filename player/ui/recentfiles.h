#pragma once

#include <QStringList>

// The locations the user opened last, most recent first, as the settings
// store keeps them: a fixed number of numbered entries, empty ones included.
class RecentFiles
{
public:
    static const int DefaultCount = 10;
    // A menu longer than this is of no use, and a damaged or hostile settings
    // file must not make the player read, keep and write an endless list.
    static const int MaxCount = 50;

    // Reads the count (at most MaxCount) and that many entries.
    void load();
    int count() const { return m_count; }
    const QStringList& entries() const { return m_entries; }
    QString first() const { return m_entries.value(0); }
    // The entries a menu shows: the non-empty ones among the first count().
    QStringList shown() const;

    // Moves location to the front; entries beyond the count stay in memory only.
    void insert(const QString& location);
    // Puts the list back as it was before the last insert; only once.
    void withdrawLastInsert();
    // Empties the list and every stored entry.
    void clear();
    // Writes the list to the store's file at once, in one write.
    void save() const;

private:
    static QString key(int index);

    int m_count = DefaultCount;
    QStringList m_entries;
    QStringList m_beforeInsert;
    bool m_canWithdraw = false;
};
