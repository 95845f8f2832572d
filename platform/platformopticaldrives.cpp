#include "platform/platformopticaldrives.h"

#include <QDir>
#include <QFile>

#include <blkid/blkid.h>
#include <fcntl.h>
#include <libudev.h>
#include <linux/cdrom.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct UdevDeleter
{
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};

// Mount tables escape blanks, tabs, newlines and backslashes as octal.
QString unescapeMountPath(const QByteArray& raw)
{
    QByteArray out;
    for (int i = 0; i < raw.size(); ++i) {
        const QByteArray digits = raw.mid(i + 1, 3);
        bool ok = false;
        const int code = raw.at(i) == '\\' && digits.size() == 3 ? digits.toInt(&ok, 8) : 0;
        if (ok) {
            out.append(char(code));
            i += 3;
        } else {
            out.append(raw.at(i));
        }
    }
    return QFile::decodeName(out);
}

bool isOpticalDrive(udev_device* device)
{
    const char* cdrom = udev_device_get_property_value(device, "ID_CDROM");
    if (cdrom)
        return qstrcmp(cdrom, "1") == 0;
    // Without the udev database, the SCSI peripheral type tells: 5 is a CD/DVD drive.
    const char* type = udev_device_get_sysattr_value(device, "device/type");
    return type && qstrcmp(type, "5") == 0;
}

QList<quint64> opticalDeviceNumbers()
{
    QList<quint64> numbers;
    std::unique_ptr<udev, UdevDeleter> context(udev_new());
    if (!context)
        return numbers;
    std::unique_ptr<udev_enumerate, UdevDeleter> list(udev_enumerate_new(context.get()));
    udev_enumerate_add_match_subsystem(list.get(), "block");
    udev_enumerate_scan_devices(list.get());
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(list.get()))
    {
        std::unique_ptr<udev_device, UdevDeleter> device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (device && isOpticalDrive(device.get()))
            numbers << quint64(udev_device_get_devnum(device.get()));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

QList<PlatformOpticalDrives::Mount> PlatformOpticalDrives::mounts()
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    return parseMountTable(table.readAll());
}

QList<PlatformOpticalDrives::Mount> PlatformOpticalDrives::parseMountTable(const QByteArray& table)
{
    QList<Mount> out;
    // id parent major:minor root point options [optional...] - type source super-options
    const QList<QByteArray> lines = table.split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        const int dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 0 || dash + 2 >= fields.size())
            continue;
        const QList<QByteArray> number = fields.at(2).split(':');
        if (number.size() != 2)
            continue;
        Mount mount;
        mount.deviceNumber = makedev(number.at(0).toUInt(), number.at(1).toUInt());
        mount.point = unescapeMountPath(fields.at(4));
        mount.source = unescapeMountPath(fields.at(dash + 2));
        out << mount;
    }
    return out;
}

QStringList PlatformOpticalDrives::driveRoots()
{
    QStringList roots;
    const QList<Mount> table = mounts();
    for (quint64 number : opticalDeviceNumbers()) {
        for (const Mount& mount : table) {
            if (mount.deviceNumber == number) {
                roots << mount.point;
                break;
            }
        }
    }
    return roots;
}

QString PlatformOpticalDrives::deviceOfRoot(const QString& root)
{
    const QString wanted = QDir::cleanPath(root);
    const QList<Mount> table = mounts();
    // The last mount on a folder is the one in sight.
    for (auto it = table.crbegin(); it != table.crend(); ++it) {
        if (it->point == wanted)
            return it->source.startsWith(QLatin1Char('/')) ? it->source : QString();
    }
    return QString();
}

bool PlatformOpticalDrives::probeFileSystem(const QString& device, QString& type, QString& label)
{
    type.clear();
    label.clear();
    blkid_probe probe = blkid_new_probe_from_filename(QFile::encodeName(device).constData());
    if (!probe)
        return false;
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_TYPE | BLKID_SUBLKS_LABEL);
    const bool found = blkid_do_safeprobe(probe) == 0;
    const char* value = nullptr;
    if (found && blkid_probe_lookup_value(probe, "TYPE", &value, nullptr) == 0)
        type = QString::fromUtf8(value);
    if (found && blkid_probe_lookup_value(probe, "LABEL", &value, nullptr) == 0)
        label = QString::fromUtf8(value);
    blkid_free_probe(probe);
    return !type.isEmpty();
}

