#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

class PlatformUserSharedMemory;
class PlatformInstanceLock;

// Lets one copy of the player run per user; a later copy raises the running
// copy's window and ends. The running copy publishes its window id in a small
// segment keyed by the product name.
class uxSingleInstance : public QObject
{
    Q_OBJECT
public:
    static constexpr int SegmentSize = 64;

    // The process-wide guard, keyed by the product name.
    static uxSingleInstance* instance();
    static void deleteInstance();

    // A guard keyed by name; instance() is the one the program uses.
    explicit uxSingleInstance(const QString& name);
    ~uxSingleInstance() override;

    bool isRunningAllowed() const { return m_runningAllowed; }
    // Publishes the native handle of w's top-level window for later copies.
    void setMainWindow(QWidget* w);

private:
    void raiseRunningCopy();
    void takeOverSegment();

    bool m_runningAllowed = true;
    PlatformInstanceLock* m_lock = nullptr;
    std::unique_ptr<PlatformUserSharedMemory> m_segment;
    QPointer<QWidget> m_mainWindow;
};
