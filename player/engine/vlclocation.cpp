#include "player/engine/vlclocation.h"

#include <QStringList>
#include <QUrl>

QString VlcLocation::build(const QString& scheme, const QString& path)
{
    if (path.isEmpty())
        return QString();
    QString location = path;
    location.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // The path of an absolute location follows the third slash.
    while (location.startsWith(QLatin1Char('/')))
        location.remove(0, 1);
    return scheme + QStringLiteral(":///") + location;
}

QByteArray VlcLocation::encode(const QString& location)
{
    return QUrl::toPercentEncoding(location, "/\\:");
}

static bool startsWithAny(const QString& text, const QStringList& prefixes)
{
    for (const QString& prefix : prefixes) {
        if (text.startsWith(prefix))
            return true;
    }
    return false;
}

static QStringList discSchemes()
{
    return {QStringLiteral("dvd://"), QStringLiteral("dvdsimple://"), QStringLiteral("bluray://"),
            QStringLiteral("vcd://")};
}

QString VlcLocation::mediaName(const QString& location)
{
    if (isFile(location))
        return location.mid(location.lastIndexOf(QLatin1Char('/')) + 1);
    if (!startsWithAny(location, discSchemes()))
        return QString();
    QString path = location;
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool VlcLocation::hasTitles(const QString& location)
{
    // Files list their chapters (Matroska editions, MP4 chapter marks) as one title.
    return isFile(location) || startsWithAny(location, discSchemes());
}

bool VlcLocation::isFile(const QString& location)
{
    return location.startsWith(QLatin1String("file://"));
}

QString VlcLocation::filePath(const QString& location)
{
    // build() keeps the path whole after the third slash.
    return isFile(location) ? location.mid(7) : QString();
}
