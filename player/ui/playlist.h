#pragma once

#include <QString>
#include <QStringList>

class QCollator;

// The media the player goes through one after another: their paths, which
// one is current, and what happens at the end of one.
class Playlist
{
public:
    enum Repeat
    {
        RepeatOff = 0,
        RepeatOne = 1,
        RepeatAll = 2
    };

    const QStringList& entries() const { return m_entries; }
    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // -1 when no entry is current.
    int current() const { return m_current; }
    QString path(int index) const { return m_entries.value(index); }

    // Makes paths the whole list; none is current until one is chosen.
    void replace(const QStringList& paths);
    // Appends path and returns its index.
    int append(const QString& path);
    bool setCurrent(int index);
    // Empties the list but for the current entry, which goes on playing.
    void clearButCurrent();

    Repeat repeat() const { return m_repeat; }
    void setRepeat(Repeat repeat) { m_repeat = repeat; }

    // What plays when the current entry has played to its end; -1 for nothing.
    int afterEnd() const;
    // What the user's Next and Previous go to; -1 for nothing. Repeating one
    // entry does not hold them back, repeating all lets them wrap around.
    int next() const;
    int previous() const;

    // The media files in folder (not its sub-folders), as absolute paths in
    // natural order: "2" before "10", letters without regard to case.
    static QStringList folderMedia(const QString& folder);
    static void sortNaturally(QStringList& names);
    static int compareNaturally(const QString& a, const QString& b, const QCollator& collator);

private:
    QStringList m_entries;
    int m_current = -1;
    Repeat m_repeat = RepeatOff;
};
