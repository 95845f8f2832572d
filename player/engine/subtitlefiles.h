#pragma once

#include <QString>
#include <QStringList>

// Which files hold subtitles, and which of them belong to a media file: the
// ones named like it beside it or in a Subs/ or subs/ folder beside it.
class SubtitleFiles
{
public:
    // Lower-case suffixes without the dot: srt, ass, ssa, vtt, sub, idx.
    static const QStringList& suffixes();
    static bool isSubtitle(const QString& path);
    // The file libVLC should be given: a VobSub picture file (.sub) is read
    // through its index (.idx) when one lies beside it.
    static QString loadable(const QString& path);
    // The subtitle files that go with mediaPath, in a stable order: its own
    // folder first, then Subs/ and subs/; within one folder by name.
    static QStringList besideMedia(const QString& mediaPath);

private:
    static bool belongsTo(const QString& fileName, const QString& baseName);
};
