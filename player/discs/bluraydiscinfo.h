#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What libbluray tells about a disc before anything plays it: whether it is a
// Blu-ray at all, its name, its titles, and whether its protection lets it
// play here. Reading it touches only the disc's index and playlists, so it is
// safe and quick on a worker thread.
class BlurayDiscInfo
{
public:
    // Each reason a protected disc cannot play, in the order a user would fix them.
    enum Problem
    {
        AacsLibraryMissing,
        AacsNoKey,
        AacsCertificate,
        AacsFailed,
        BdPlusLibraryMissing,
        BdPlusFailed
    };
    struct Title
    {
        qint64 lengthMs = 0;
        int chapters = 0;
    };

    // path is a disc folder (holding BDMV) or a disc image.
    static BlurayDiscInfo read(const QString& path);

    bool isBluray() const { return m_bluray; }
    // The name from the disc's metadata, else its volume label; empty when neither.
    QString name() const { return m_name; }
    QList<Problem> problems() const { return m_problems; }
    // The titles a player lists: every playlist of at least a minute.
    QList<Title> titles() const { return m_titles; }

    // The SHA-1 of the disc's index file as lower-case hex, empty when unread.
    QString indexHash() const { return m_indexHash; }

    // One text naming every cause, translated; empty when the disc can play.
    QString problemText() const;
    static QString describe(Problem problem);

private:
    bool m_bluray = false;
    QString m_name;
    QString m_indexHash;
    QList<Problem> m_problems;
    QList<Title> m_titles;
};
