#pragma once

#include <QString>
#include <QStringList>

// Optical drives and the discs in them. A drive's root is the folder its disc
// is mounted on; a drive without a mounted disc has none.
class PlatformOpticalDrives
{
public:
    // Roots of the optical drives holding a mounted disc, in device order.
    static QStringList driveRoots();
    // The block device mounted on root, or empty.
    static QString deviceOfRoot(const QString& root);
    // Reads the file system of a device or image: its type as libblkid names
    // it ("udf", "iso9660", ...) and its label. False when none is found.
    static bool probeFileSystem(const QString& device, QString& type, QString& label);

    struct Mount
    {
        QString source;
        QString point;
        quint64 deviceNumber = 0;
    };
    // The current mount table; mount points with their escapes undone.
    static QList<Mount> mounts();
    // The entries of a table in the kernel's mountinfo format; malformed lines are skipped.
    static QList<Mount> parseMountTable(const QByteArray& table);
};
