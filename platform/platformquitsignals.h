#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals by which the system or the user ends a program (SIGTERM,
// SIGINT, SIGHUP) into a Qt signal on the GUI thread, so that a logout or a
// `kill` runs the normal teardown: settings saved, shared segments released.
class PlatformQuitSignals : public QObject
{
    Q_OBJECT
public:
    explicit PlatformQuitSignals(QObject* parent = nullptr);
    ~PlatformQuitSignals() override;

    // Catches the signals from now on, before any object exists; an object
    // made later reports what came in between.
    static void listenEarly();
    // True once a quit signal came while listening, even when nobody was
    // connected yet to quitRequested().
    static bool isRequested();

Q_SIGNALS:
    void quitRequested();

private Q_SLOTS:
    void onReadable();

private:
    QSocketNotifier* m_notifier = nullptr;
};
