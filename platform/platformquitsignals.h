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

Q_SIGNALS:
    void quitRequested();

private Q_SLOTS:
    void onReadable();

private:
    QSocketNotifier* m_notifier = nullptr;
};
