#pragma once

#include <QObject>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Tells when discs may have come or gone: a block device reported a change
// (media inserted or removed) or the mount table changed (a disc was mounted
// or unmounted, which is when its folder appears).
class PlatformDeviceMonitor : public QObject
{
    Q_OBJECT
public:
    explicit PlatformDeviceMonitor(QObject* parent = nullptr);
    ~PlatformDeviceMonitor() override;

Q_SIGNALS:
    void devicesChanged();

private:
    void watchBlockDevices();
    void watchMountTable();
    void readDeviceEvents();

    udev* m_udev = nullptr;
    udev_monitor* m_monitor = nullptr;
    int m_mountTable = -1;
};
