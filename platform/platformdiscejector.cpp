#include "platform/platformdiscejector.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QVariantMap>

#include <cerrno>
#include <memory>
#include <cstring>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kBusyError = QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy");
constexpr int kCallTimeoutMs = 30000;
// The player lets go of the disc's files on its own thread; an unmount right
// after a stop can find them still open.
constexpr int kBusyRetries = 4;
constexpr int kBusyWaitMs = 500;

QDBusMessage udisksCall(const QString& path, const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(kService, path, interface, method);
}

QString errorText(const QDBusMessage& reply)
{
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

QDBusMessage callRetryingBusy(QDBusConnection& bus, const QDBusMessage& message)
{
    QDBusMessage reply;
    for (int attempt = 0; attempt <= kBusyRetries; ++attempt) {
        reply = bus.call(message, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ErrorMessage || reply.errorName() != kBusyError)
            break;
        QThread::msleep(kBusyWaitMs);
    }
    return reply;
}

QString blockObject(QDBusConnection& bus, const QString& device, QString& why)
{
    QDBusMessage resolve = udisksCall(QStringLiteral("/org/freedesktop/UDisks2/Manager"),
                                      QStringLiteral("org.freedesktop.UDisks2.Manager"),
                                      QStringLiteral("ResolveDevice"));
    resolve << QVariantMap{{QStringLiteral("path"), device}} << QVariantMap();
    const QDBusReply<QList<QDBusObjectPath>> reply = bus.call(resolve, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        why = reply.error().message();
        return QString();
    }
    if (reply.value().isEmpty()) {
        why = PlatformDiscEjector::tr("The system does not know the device %1.").arg(device);
        return QString();
    }
    return reply.value().first().path();
}

QString driveOf(QDBusConnection& bus, const QString& block, QString& why)
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, block,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.UDisks2.Block") << QStringLiteral("Drive");
    const QDBusReply<QDBusVariant> reply = bus.call(get, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        why = reply.error().message();
        return QString();
    }
    const QString drive = reply.value().variant().value<QDBusObjectPath>().path();
    if (drive.isEmpty() || drive == QLatin1String("/"))
        why = PlatformDiscEjector::tr("The device %1 has no drive to eject.").arg(block);
    return drive;
}

QString ejectThroughUdisks(QDBusConnection& bus, const QString& device)
{
    QString why;
    const QString block = blockObject(bus, device, why);
    if (block.isEmpty())
        return why;
    const QString drive = driveOf(bus, block, why);
    if (!why.isEmpty())
        return why;
    QDBusMessage unmount = udisksCall(block, QStringLiteral("org.freedesktop.UDisks2.Filesystem"),
                                      QStringLiteral("Unmount"));
    unmount << QVariantMap();
    QDBusMessage reply = callRetryingBusy(bus, unmount);
    // A disc the desktop has already unmounted can still be ejected.
    if (reply.type() == QDBusMessage::ErrorMessage
        && reply.errorName() != QLatin1String("org.freedesktop.UDisks2.Error.NotMounted"))
        return errorText(reply);
    QDBusMessage eject = udisksCall(drive, QStringLiteral("org.freedesktop.UDisks2.Drive"),
                                    QStringLiteral("Eject"));
    eject << QVariantMap();
    reply = bus.call(eject, QDBus::Block, kCallTimeoutMs);
    return reply.type() == QDBusMessage::ErrorMessage ? errorText(reply) : QString();
}

QString systemError(const QString& what)
{
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
}

QString ejectDirectly(const QString& device, const QString& mountPoint)
{
    const QByteArray point = QFile::encodeName(QDir::cleanPath(mountPoint));
    if (umount2(point.constData(), 0) != 0)
        return systemError(PlatformDiscEjector::tr("Cannot unmount %1").arg(mountPoint));
    const int fd = open(QFile::encodeName(device).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return systemError(PlatformDiscEjector::tr("Cannot open %1").arg(device));
    const bool ejected = ioctl(fd, CDROMEJECT, 0) == 0;
    const QString why = ejected ? QString() : systemError(PlatformDiscEjector::tr("Cannot eject %1").arg(device));
    close(fd);
    return why;
}

bool udisksPresent(QDBusConnection& bus)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(kService);
    if (registered.isValid() && registered.value())
        return true;
    // udisks is started on demand by the bus.
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(kService);
}

} // namespace

PlatformDiscEjector::PlatformDiscEjector(QObject* parent) : QObject(parent)
{
}

PlatformDiscEjector::~PlatformDiscEjector()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

QString PlatformDiscEjector::ejectNow(const QString& device, const QString& mountPoint)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (udisksPresent(bus))
        return ejectThroughUdisks(bus, device);
    return ejectDirectly(device, mountPoint);
}

bool PlatformDiscEjector::eject(const QString& device, const QString& mountPoint)
{
    if (m_busy)
        return false;
    m_busy = true;
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
    auto why = std::make_shared<QString>();
    m_thread = QThread::create([why, device, mountPoint] { *why = ejectNow(device, mountPoint); });
    connect(m_thread, &QThread::finished, this, [this, why] {
        m_busy = false;
        emit finished(why->isEmpty(), *why);
    });
    m_thread->start();
    return true;
}
