#include "player/discs/discdetection.h"

#include "framework/core/uxproductinfo.h"
#include "framework/ui/uxmessagebox.h"
#include "platform/platformopticaldrives.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString rootText(const QDir& dir)
{
    QString path = QDir::fromNativeSeparators(dir.absolutePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// Walks up from path until a folder lists an entry that matches.
template <typename Match>
QString findUpwards(const QString& path, const QStringList& nameFilters, Match matches)
{
    QDir dir(path);
    dir.setSorting(QDir::NoSort);
    dir.setNameFilters(nameFilters);
    do {
        if (matches(dir.entryList()))
            return rootText(dir);
    } while (dir.cdUp());
    return QString();
}

QString findNamedEntry(const QString& path, const QString& name)
{
    return findUpwards(path, QStringList(),
                       [&name](const QStringList& entries) { return entries.contains(name); });
}

} // namespace

QString findBlurayRoot(const QString& path)
{
    return findNamedEntry(path, QStringLiteral("BDMV"));
}

QString findDvdRoot(const QString& path)
{
    return findNamedEntry(path, QStringLiteral("VIDEO_TS"));
}

QString findAudioCdRoot(const QString& path)
{
    return findUpwards(path, QStringList(QStringLiteral("Track*.cda")),
                       [](const QStringList& entries) { return !entries.isEmpty(); });
}

QString discVolumeLabel(const QString& driveRoot)
{
    const QString device = PlatformOpticalDrives::deviceOfRoot(driveRoot);
    QString type;
    QString label;
    if (device.isEmpty() || !PlatformOpticalDrives::probeFileSystem(device, type, label))
        return QString();
    return type == QLatin1String("udf") ? label : QString();
}

QStringList listOpticalDrives()
{
    return PlatformOpticalDrives::driveRoots();
}

bool isLoadableDisc(const QString& path, QWidget* parent)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return false;
    if (!findDvdRoot(path).isEmpty()) {
        uxMessageBox::information(parent, uxProductInfo::instance()->displayName(),
                                  QCoreApplication::translate("DlgOpenDisc", "Invalid Blu-ray file."));
        return false;
    }
    return !findBlurayRoot(path).isEmpty() || !findAudioCdRoot(path).isEmpty();
}
