#include "player/ui/playlist.h"

#include "player/ui/mediafiletypes.h"

#include <QCollator>
#include <QDir>
#include <algorithm>

void Playlist::replace(const QStringList& paths)
{
    m_entries = paths;
    m_current = -1;
}

int Playlist::append(const QString& path)
{
    m_entries << path;
    return size() - 1;
}

bool Playlist::setCurrent(int index)
{
    if (index < 0 || index >= size())
        return false;
    m_current = index;
    return true;
}

void Playlist::clearButCurrent()
{
    const QString kept = path(m_current);
    m_entries.clear();
    m_current = -1;
    if (!kept.isEmpty()) {
        m_entries << kept;
        m_current = 0;
    }
}

int Playlist::afterEnd() const
{
    if (m_current < 0)
        return -1;
    if (m_repeat == RepeatOne)
        return m_current;
    return next();
}

int Playlist::next() const
{
    if (m_current + 1 < size())
        return m_current + 1;
    return m_repeat == RepeatAll && !isEmpty() ? 0 : -1;
}

int Playlist::previous() const
{
    if (m_current > 0)
        return m_current - 1;
    return m_repeat == RepeatAll && !isEmpty() ? size() - 1 : -1;
}

namespace {

// The run of digits or of other characters starting at from.
QStringView chunk(const QString& text, qsizetype from)
{
    const bool digits = text.at(from).isDigit();
    qsizetype end = from;
    while (end < text.size() && text.at(end).isDigit() == digits)
        ++end;
    return QStringView(text).mid(from, end - from);
}

// Numbers by their value, whatever their leading zeros.
int compareNumbers(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == QLatin1Char('0'))
        a = a.mid(1);
    while (b.size() > 1 && b.front() == QLatin1Char('0'))
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Case is folded here as well: not every collator back end honours case
// insensitivity either.
int compareText(QStringView a, QStringView b, const QCollator& collator)
{
    return collator.compare(a.toString().toCaseFolded(), b.toString().toCaseFolded());
}

} // namespace

// Numeric collation is not available from every collator back end (the
// POSIX one ignores it), so numbers are compared here and only the text
// between them by the collator.
int Playlist::compareNaturally(const QString& a, const QString& b, const QCollator& collator)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView x = chunk(a, i);
        const QStringView y = chunk(b, j);
        const bool numbers = x.front().isDigit() && y.front().isDigit();
        const int order = numbers ? compareNumbers(x, y) : compareText(x, y, collator);
        if (order != 0)
            return order;
        i += x.size();
        j += y.size();
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    // Names equal but for case or zeros keep a fixed order between runs.
    return a.compare(b);
}

void Playlist::sortNaturally(QStringList& names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        return compareNaturally(a, b, collator) < 0;
    });
}

QStringList Playlist::folderMedia(const QString& folder)
{
    const QDir dir(folder);
    QStringList names;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Readable)) {
        if (MediaFileTypes::isMedia(name))
            names << name;
    }
    sortNaturally(names);
    QStringList paths;
    for (const QString& name : std::as_const(names))
        paths << dir.absoluteFilePath(name);
    return paths;
}
