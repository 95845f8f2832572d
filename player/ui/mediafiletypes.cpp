#include "player/ui/mediafiletypes.h"

#include "player/engine/subtitlefiles.h"

#include <QFileInfo>

// Upper-case entries only add a pattern to the dialog's filter.
const QStringList& MediaFileTypes::mediaSuffixes()
{
    static const QStringList list = {
        "ts",  "mts",  "m2ts", "trp", "tp",  "mpg",  "mpeg", "mpeg2", "vob", "dat",  "mp4",
        "m4v", "rm",   "rmvb", "wmv", "asf", "mkv",  "avi",  "3gp",   "3g2", "flv",  "swf",
        "f4v", "mpv",  "mod",  "tod", "qt",  "mov",  "dv",   "dif",   "mjpg", "mjpeg", "webm",
        "MXF", "mxf", "mp3",  "mp2",  "aac", "ac3", "wav",  "wma",  "m4a",   "ra",  "ram",  "ogg",
        "au",  "aif",  "aiff", "ape", "flac", "iso"};
    return list;
}

bool MediaFileTypes::isMedia(const QString& path)
{
    return mediaSuffixes().contains(QFileInfo(path).suffix().toLower());
}

QString MediaFileTypes::patterns(const QStringList& suffixes)
{
    QStringList out;
    for (const QString& suffix : suffixes)
        out << QStringLiteral("*.") + suffix;
    return QLatin1Char('(') + out.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString MediaFileTypes::mediaPatterns()
{
    return patterns(mediaSuffixes());
}

QString MediaFileTypes::subtitlePatterns()
{
    return patterns(SubtitleFiles::suffixes());
}
