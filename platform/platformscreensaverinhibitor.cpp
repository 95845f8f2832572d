#include "platform/platformscreensaverinhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>

namespace {

struct Endpoint
{
    const char* service;
    const char* path;
    const char* interface;
};

const Endpoint kScreenSaver{"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                            "org.freedesktop.ScreenSaver"};
const Endpoint kPowerManagement{"org.freedesktop.PowerManagement",
                                "/org/freedesktop/PowerManagement/Inhibit",
                                "org.freedesktop.PowerManagement.Inhibit"};

QDBusMessage call(const Endpoint& endpoint, const char* method)
{
    return QDBusMessage::createMethodCall(QLatin1String(endpoint.service),
                                          QLatin1String(endpoint.path),
                                          QLatin1String(endpoint.interface),
                                          QLatin1String(method));
}

} // namespace

PlatformScreenSaverInhibitor::PlatformScreenSaverInhibitor(const QString& application,
                                                           QObject* parent)
    : QObject(parent), m_application(application)
{
}

PlatformScreenSaverInhibitor::~PlatformScreenSaverInhibitor()
{
    // The services drop a client's inhibitions when it leaves the bus, but a
    // player that closes while the bus connection lives on must not rely on it.
    m_wanted = false;
    release(true);
}

void PlatformScreenSaverInhibitor::setInhibited(bool inhibited, const QString& reason)
{
    if (!reason.isEmpty())
        m_reason = reason;
    m_wanted = inhibited;
    reconcile();
}

void PlatformScreenSaverInhibitor::reconcile()
{
    if (m_pending)
        return; // the reply brings us back here
    if (m_wanted && m_service == Service::None && !m_unavailable)
        request(Service::ScreenSaver);
    else if (!m_wanted && m_service != Service::None)
        release(false);
}

void PlatformScreenSaverInhibitor::request(Service service)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_unavailable = true;
        return;
    }
    QDBusMessage message =
        call(service == Service::ScreenSaver ? kScreenSaver : kPowerManagement, "Inhibit");
    message << m_application << m_reason;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, 3000), this);
    m_pending = true;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, service](QDBusPendingCallWatcher* w) { onInhibitReply(service, w); });
}

void PlatformScreenSaverInhibitor::onInhibitReply(Service service, QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    m_pending = false;
    QDBusPendingReply<uint> reply = *watcher;
    if (reply.isError()) {
        if (service == Service::ScreenSaver) {
            request(Service::PowerManagement);
            return;
        }
        qDebug() << "No screensaver or power service takes inhibitions:" << reply.error().message();
        m_unavailable = true;
        return;
    }
    m_service = service;
    m_cookie = reply.value();
    reconcile();
}

void PlatformScreenSaverInhibitor::release(bool wait)
{
    if (m_service == Service::None)
        return;
    QDBusMessage message =
        call(m_service == Service::ScreenSaver ? kScreenSaver : kPowerManagement, "UnInhibit");
    message << m_cookie;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (wait)
        bus.call(message, QDBus::Block, 1000);
    else
        bus.send(message);
    m_service = Service::None;
    m_cookie = 0;
}
