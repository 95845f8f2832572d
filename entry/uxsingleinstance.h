#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QSharedMemory;
class PlatformInstanceLock;

// Lets one copy of the player run per user; a later copy raises the running
// copy's window and ends.
class uxSingleInstance : public QObject
{
    Q_OBJECT
public:
    static uxSingleInstance* instance();
    static void deleteInstance();

    bool isRunningAllowed() const { return m_runningAllowed; }
    // Publishes the native handle of w's top-level window for later copies.
    void setMainWindow(QWidget* w);

private:
    uxSingleInstance();
    ~uxSingleInstance() override;

    bool m_runningAllowed = true;
    PlatformInstanceLock* m_lock = nullptr;
    QSharedMemory* m_segment = nullptr;
    QPointer<QWidget> m_mainWindow;
};
