#include "player/engine/subtitlefiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

const QStringList& SubtitleFiles::suffixes()
{
    static const QStringList list = {"srt", "ass", "ssa", "vtt", "sub", "idx"};
    return list;
}

bool SubtitleFiles::isSubtitle(const QString& path)
{
    return suffixes().contains(QFileInfo(path).suffix().toLower());
}

QString SubtitleFiles::loadable(const QString& path)
{
    const QFileInfo info(path);
    if (info.suffix().toLower() != QLatin1String("sub"))
        return path;
    const QDir folder = info.dir();
    for (const QString& suffix : {QStringLiteral("idx"), QStringLiteral("IDX")}) {
        const QString index = folder.filePath(info.completeBaseName() + '.' + suffix);
        if (QFileInfo(index).isFile())
            return index;
    }
    return path;
}

// "movie.srt" and "movie.en.srt" go with "movie.mkv"; "movie2.srt" does not.
bool SubtitleFiles::belongsTo(const QString& fileName, const QString& baseName)
{
    const QString base = QFileInfo(fileName).completeBaseName();
    return base == baseName || base.startsWith(baseName + QLatin1Char('.'));
}

QStringList SubtitleFiles::besideMedia(const QString& mediaPath)
{
    const QFileInfo media(mediaPath);
    const QString baseName = media.completeBaseName();
    const QDir home = media.dir();
    QStringList found;
    QSet<QString> seen;
    for (const QString& sub : {QString(), QStringLiteral("Subs"), QStringLiteral("subs")}) {
        const QDir folder(sub.isEmpty() ? home.path() : home.filePath(sub));
        if (!folder.exists())
            continue;
        const QStringList names = folder.entryList(QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& name : names) {
            if (!isSubtitle(name) || !belongsTo(name, baseName))
                continue;
            const QString path = loadable(folder.filePath(name));
            // A folder reached under two names (subs/ on a case-blind file
            // system) and a .sub read through its .idx count once.
            const QString key = QFileInfo(path).canonicalFilePath();
            if (seen.contains(key))
                continue;
            seen.insert(key);
            found << path;
        }
    }
    return found;
}
