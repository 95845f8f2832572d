#include "player/discs/discindex.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

QString DiscIndex::hash(const QString& root)
{
    // A real index is a few hundred bytes; a pipe or a huge file in its place
    // would block the reader or fill the memory, and keys nothing worth resuming.
    const QString path = root + QStringLiteral("BDMV/index.bdmv");
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxSize)
        return QString();
    QFile index(path);
    if (!index.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(
        QCryptographicHash::hash(index.read(MaxSize), QCryptographicHash::Sha1).toHex());
}
