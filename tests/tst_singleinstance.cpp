#include "entry/uxsingleinstance.h"
#include "helperprocess.h"
#include "platform/platforminstancelock.h"
#include "platform/platformusersharedmemory.h"
#include "testenvironment.h"

#include <QApplication>
#include <QFile>
#include <QUuid>
#include <cstring>

// The guard between copies, with the other copies played by helper processes.
class tst_SingleInstance : public QObject
{
    Q_OBJECT

private:
    QString m_name;

    // The window id published in the guard's segment, or -1 without a segment.
    qint64 publishedId() const
    {
        PlatformUserSharedMemory segment(m_name);
        if (!segment.attach(QSharedMemory::ReadOnly) || !segment.lock())
            return -1;
        quint32 id = 0;
        std::memcpy(&id, segment.constData(), sizeof id);
        segment.unlock();
        return id;
    }

    void checkThisCopyRunsAndPublishes()
    {
        uxSingleInstance guard(m_name);
        QVERIFY(guard.isRunningAllowed());
        QCOMPARE(publishedId(), 0);
        QWidget window;
        guard.setMainWindow(&window);
        QCOMPARE(publishedId(), qint64(window.winId()));
        QCOMPARE(HelperProcess::run({"guard", m_name}), 2);
    }

private Q_SLOTS:
    void init() { m_name = "kp-test-" + QUuid::createUuid().toString(QUuid::Id128); }

    void oneCopyRunsAtATime()
    {
        auto* guard = new uxSingleInstance(m_name);
        QVERIFY(guard->isRunningAllowed());
        QCOMPARE(HelperProcess::run({"guard", m_name}), 2);
        QCOMPARE(HelperProcess::run({"guard", m_name}), 2);
        delete guard;
        QCOMPARE(HelperProcess::run({"guard", m_name}), 0);
    }

    void runningCopyPublishesItsTopLevelWindow()
    {
        uxSingleInstance guard(m_name);
        QWidget window;
        auto* child = new QWidget(&window);
        guard.setMainWindow(child);
        QCOMPARE(publishedId(), qint64(window.winId()));
        QCOMPARE(HelperProcess::run({"guard", m_name}), 2);
    }

    void laterCopyLeavesNothingBehind()
    {
        uxSingleInstance guard(m_name);
        QWidget window;
        guard.setMainWindow(&window);
        HelperProcess::run({"guard", m_name});
        QCOMPARE(publishedId(), qint64(window.winId()));
        QVERIFY(guard.isRunningAllowed());
    }

    void windowThatHasGoneAwayIsLeftAlone()
    {
        uxSingleInstance guard(m_name);
        auto* window = new QWidget;
        window->show();
        guard.setMainWindow(window);
        delete window;
        QCOMPARE(HelperProcess::run({"guard", m_name}), 2);
    }

    void killedCopyIsReplaced()
    {
        HelperProcess killed;
        QVERIFY(killed.start({"hold-guard", m_name}));
        QVERIFY(publishedId() > 0);
        killed.kill();
        checkThisCopyRunsAndPublishes();
    }

    void killedCopyIsReplacedWhileItsSegmentIsStillHeld()
    {
        HelperProcess killed;
        QVERIFY(killed.start({"hold-guard", m_name}));
        HelperProcess holder;
        QVERIFY(holder.start({"hold-segment", m_name}));
        killed.kill();
        checkThisCopyRunsAndPublishes();
    }

    void liveOwnersLockNeverGoesStale()
    {
        HelperProcess owner;
        QVERIFY(owner.start({"hold-lock", m_name}));
        const QString lockFile = PlatformInstanceLock::lockFilePath(m_name);
        QVERIFY(lockFile.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/"));
        QFile file(lockFile);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime lastYear = QDateTime::currentDateTime().addYears(-1);
        QVERIFY(file.setFileTime(lastYear, QFileDevice::FileModificationTime));
        file.close();

        PlatformInstanceLock lock(m_name);
        QVERIFY(!lock.tryAcquire());
        owner.kill();
        QVERIFY(lock.tryAcquire());
        QCOMPARE(HelperProcess::run({"hold-lock", m_name}), 2);
    }
};

KP_TEST_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
