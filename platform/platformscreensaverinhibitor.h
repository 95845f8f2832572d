#pragma once

#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

// Keeps the desktop's screensaver and automatic sleep away while asked to,
// through the session bus: org.freedesktop.ScreenSaver first, the older
// org.freedesktop.PowerManagement.Inhibit when no screensaver service answers.
// Calls are asynchronous so a slow or absent service never stalls the window;
// without a session bus nothing happens.
class PlatformScreenSaverInhibitor : public QObject
{
    Q_OBJECT
public:
    explicit PlatformScreenSaverInhibitor(const QString& application, QObject* parent = nullptr);
    ~PlatformScreenSaverInhibitor() override;

    // Idempotent: asking twice for the same state sends nothing.
    void setInhibited(bool inhibited, const QString& reason = QString());
    // True while a service holds an inhibition for us.
    bool isHeld() const { return m_service != Service::None; }

private:
    enum class Service { None, ScreenSaver, PowerManagement };

    void request(Service service);
    void onInhibitReply(Service service, QDBusPendingCallWatcher* watcher);
    void release(bool wait);
    void reconcile();

    QString m_application;
    QString m_reason;
    bool m_wanted = false;
    bool m_pending = false;
    bool m_unavailable = false;
    Service m_service = Service::None;
    uint m_cookie = 0;
};
