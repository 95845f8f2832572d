// A second process for the single-instance and hand-over tests: it plays the part
// of another copy of the program on the segments and locks under test.
#include "entry/uxsingleinstance.h"
#include "framework/core/uxhandoverslot.h"
#include "platform/platforminstancelock.h"
#include "platform/platformusersharedmemory.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cstdio>
#include <cstring>

enum ExitCode
{
    Allowed = 0,
    Failed = 1,
    Refused = 2,
    Usage = 64
};

static void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Runs until the test closes this process's input (or kills it).
static int waitForRelease()
{
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

static int guard(const QString& name)
{
    uxSingleInstance guard(name);
    return guard.isRunningAllowed() ? Allowed : Refused;
}

// Runs as the first copy: holds the guard and publishes a shown window.
static int holdGuard(const QString& name)
{
    uxSingleInstance guard(name);
    if (!guard.isRunningAllowed())
        return Refused;
    QWidget window;
    window.setWindowTitle(name);
    window.resize(320, 200);
    window.show();
    guard.setMainWindow(&window);
    say("ready " + QByteArray::number(window.winId()));
    return waitForRelease();
}

static int holdSegment(const QString& key)
{
    PlatformUserSharedMemory segment(key);
    if (!segment.attach(QSharedMemory::ReadOnly))
        return Failed;
    say("ready");
    return waitForRelease();
}

// Runs as the running copy's start-up: creates the hand-over slot and writes a path.
static int holdSlot(const QString& key, const QString& path)
{
    uxHandoverSlot slot(key);
    if (!slot.open())
        return Failed;
    slot.writePath(path);
    say("ready");
    return waitForRelease();
}

static int writeRaw(const QString& key, const QByteArray& bytes)
{
    PlatformUserSharedMemory segment(key);
    if (!segment.attach(QSharedMemory::ReadWrite) || !segment.lock())
        return Failed;
    std::memcpy(segment.data(), bytes.constData(), size_t(qMin(segment.size(), bytes.size())));
    segment.unlock();
    return Allowed;
}

// Exit codes: 0 delivered, 1 no running copy, 3 too long, 4 not taken in time.
static int handOver(const QString& key, const QString& path, const QString& waitMs)
{
    const auto result = waitMs.isEmpty() ? uxHandoverSlot::handOver(key, path)
                                          : uxHandoverSlot::handOver(key, path, waitMs.toInt());
    switch (result) {
    case uxHandoverSlot::Delivered:
        return Allowed;
    case uxHandoverSlot::NoRunningCopy:
        return Failed;
    case uxHandoverSlot::TooLong:
        return 3;
    case uxHandoverSlot::NotTaken:
        return 4;
    }
    return Failed;
}

static int holdLock(const QString& name)
{
    PlatformInstanceLock lock(name);
    if (!lock.tryAcquire())
        return Refused;
    say("ready");
    return waitForRelease();
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    const QString arg1 = args.value(1);
    if (command == "guard")
        return guard(arg1);
    if (command == "hold-guard")
        return holdGuard(arg1);
    if (command == "hold-segment")
        return holdSegment(arg1);
    if (command == "hold-slot")
        return holdSlot(arg1, args.value(2));
    if (command == "hand-over")
        return handOver(arg1, args.value(2), args.value(3));
    if (command == "write-raw")
        return writeRaw(arg1, QByteArray::fromHex(args.value(2).toLatin1()));
    if (command == "hold-lock")
        return holdLock(arg1);
    return Usage;
}
