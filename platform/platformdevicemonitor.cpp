#include "platform/platformdevicemonitor.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

PlatformDeviceMonitor::PlatformDeviceMonitor(QObject* parent) : QObject(parent)
{
    watchBlockDevices();
    watchMountTable();
}

PlatformDeviceMonitor::~PlatformDeviceMonitor()
{
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
    if (m_mountTable >= 0)
        close(m_mountTable);
}

void PlatformDeviceMonitor::watchBlockDevices()
{
    m_udev = udev_new();
    if (!m_udev)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor)
        return;
    udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "block", "disk");
    if (udev_monitor_enable_receiving(m_monitor) < 0)
        return;
    auto* notifier =
        new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &PlatformDeviceMonitor::readDeviceEvents);
}

void PlatformDeviceMonitor::readDeviceEvents()
{
    bool changed = false;
    while (udev_device* device = udev_monitor_receive_device(m_monitor)) {
        changed = true;
        udev_device_unref(device);
    }
    if (changed)
        emit devicesChanged();
}

void PlatformDeviceMonitor::watchMountTable()
{
    // The kernel flags the mount table as exceptional each time it changes.
    m_mountTable = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mountTable < 0)
        return;
    auto* notifier = new QSocketNotifier(m_mountTable, QSocketNotifier::Exception, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        // Reading to the end re-arms the notification.
        char buffer[4096];
        lseek(m_mountTable, 0, SEEK_SET);
        while (read(m_mountTable, buffer, sizeof buffer) > 0) {
        }
        emit devicesChanged();
    });
}
