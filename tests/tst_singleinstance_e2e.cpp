#include "fixtures/mediafixture.h"
#include "framework/core/uxhandoverslot.h"
#include "platform/platformsharedmemory.h"
#include "platform/platformusersharedmemory.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QWidget>
#include <cstring>

// The staged program started again and again under a window manager, as a user
// would start it from a file manager or a terminal.
class tst_SingleInstanceE2e : public QObject
{
    Q_OBJECT

private:
    // The product the staged program ships as.
    const QString m_name = "Kestrel Player";
    const QString m_guid = "{5b0e6f3a-9c41-4d2e-b7a8-2f61c0d94e17}";
    QList<QProcess*> m_copies;
    QWidget* m_other = nullptr;

    QProcess* startCopy(const QStringList& arguments = {})
    {
        auto* copy = new QProcess(this);
        copy->setProcessChannelMode(QProcess::ForwardedChannels);
        copy->start(stageDir() + "/kestrel-player", arguments);
        m_copies.append(copy);
        return copy;
    }

    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(10000);
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    // Window ids in an xprop answer ("... window id # 0x1, 0x2").
    static QList<quint32> windowIds(const QString& xpropOutput)
    {
        QList<quint32> ids;
        static const QRegularExpression hex("0x[0-9a-fA-F]+");
        auto matches = hex.globalMatch(xpropOutput);
        while (matches.hasNext())
            ids.append(matches.next().captured().toUInt(nullptr, 16));
        return ids;
    }

    static quint32 activeWindow()
    {
        return windowIds(run("xprop", {"-root", "_NET_ACTIVE_WINDOW"})).value(0);
    }

    static quint32 topWindow()
    {
        const QList<quint32> stacking =
            windowIds(run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}));
        return stacking.isEmpty() ? 0 : stacking.last();
    }

    static bool isViewable(quint32 id)
    {
        return run("xwininfo", {"-id", QString::number(id)}).contains("IsViewable");
    }

    static bool isMinimised(quint32 id)
    {
        return run("xprop", {"-id", QString::number(id), "WM_STATE"}).contains("Iconic");
    }

    static bool isInFront(quint32 id)
    {
        return isViewable(id) && !isMinimised(id) && activeWindow() == id && topWindow() == id;
    }

    // The window id the running copy published, 0 when none.
    quint32 publishedWindow() const
    {
        PlatformUserSharedMemory segment(m_name);
        if (!segment.attach(QSharedMemory::ReadOnly) || !segment.lock())
            return 0;
        quint32 id = 0;
        std::memcpy(&id, segment.constData(), sizeof id);
        segment.unlock();
        return id;
    }

    QString handedOverText() const
    {
        PlatformUserSharedMemory segment(m_guid);
        if (!segment.attach(QSharedMemory::ReadOnly) || !segment.lock())
            return "(no segment)";
        const QByteArray bytes(static_cast<const char*>(segment.constData()), segment.size());
        segment.unlock();
        return uxHandoverSlot::deserialise(bytes);
    }

    // The running copy's window once it is shown, 0 when none appears in time.
    quint32 waitForRunningWindow() const
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            const quint32 id = publishedWindow();
            if (id != 0 && isViewable(id))
                return id;
            QTest::qWait(50);
        }
        return 0;
    }

    // Puts another window in front, so that raising has something to do.
    void coverWith()
    {
        if (!m_other) {
            m_other = new QWidget;
            m_other->setWindowTitle("Another program");
            m_other->resize(1280, 800);
        }
        m_other->show();
        const QString other = QString::number(m_other->winId());
        // A copy still finishing its start (closing its splash screen) may take
        // the focus back once; the cover is activated again until it holds.
        QDeadlineTimer deadline(15000);
        do {
            run("xdotool", {"windowactivate", "--sync", other});
            QTest::qWait(300);
        } while (activeWindow() != quint32(m_other->winId()) && !deadline.hasExpired());
        QCOMPARE(activeWindow(), quint32(m_other->winId()));
    }

    // Starts a second copy and checks it ends at once with result 0.
    void startSecondCopy(const QStringList& arguments = {})
    {
        QElapsedTimer clock;
        clock.start();
        QProcess* second = startCopy(arguments);
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed()) + " ms"));
    }

    void endCopies()
    {
        for (QProcess* copy : std::as_const(m_copies)) {
            if (copy->state() == QProcess::NotRunning)
                continue;
            closeGracefully(copy);
        }
        qDeleteAll(m_copies);
        m_copies.clear();
    }

    // Closes the running copy's window the way a user does; a copy that does not end
    // is killed, and the segments it leaves behind are removed.
    void closeGracefully(QProcess* copy)
    {
        if (const quint32 id = publishedWindow()) {
            run("xdotool", {"windowactivate", "--sync", QString::number(id)});
            run("xdotool", {"key", "--clearmodifiers", "alt+F4"});
        }
        if (copy->waitForFinished(10000))
            return;
        copy->kill();
        copy->waitForFinished(10000);
        for (const QString& key : {m_name, m_guid}) {
            PlatformUserSharedMemory segment(key);
            if (segment.attach())
                segment.detach();
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a window manager");
        qputenv("KESTREL_VLC_OPTIONS",
                "--quiet --aout=dummy --no-disable-screensaver --avcodec-hw=none");
    }

    void cleanup() { endCopies(); }

    void cleanupTestCase() { delete m_other; }

    void secondStartRaisesTheRunningCopy()
    {
        startCopy();
        const quint32 id = waitForRunningWindow();
        QVERIFY(id != 0);
        coverWith();
        QVERIFY(!isInFront(id));

        startSecondCopy();
        QTRY_VERIFY(isInFront(id));
    }

    void secondStartRestoresAMinimisedCopy()
    {
        startCopy();
        const quint32 id = waitForRunningWindow();
        QVERIFY(id != 0);
        coverWith();
        run("xdotool", {"windowminimize", "--sync", QString::number(id)});
        QTRY_VERIFY(isMinimised(id));

        startSecondCopy();
        QTRY_VERIFY(isInFront(id));
    }

    void simultaneousStartsLeaveOneCopy()
    {
        const int count = 20;
        for (int i = 0; i < count; ++i)
            startCopy();
        auto ended = [this] {
            return std::count_if(m_copies.cbegin(), m_copies.cend(), [](const QProcess* copy) {
                return copy->state() == QProcess::NotRunning;
            });
        };
        QTRY_COMPARE_WITH_TIMEOUT(ended(), count - 1, 60000);
        const quint32 id = waitForRunningWindow();
        QVERIFY(id != 0);
        QTest::qWait(1000);
        QCOMPARE(ended(), count - 1);
        for (const QProcess* copy : std::as_const(m_copies)) {
            if (copy->state() == QProcess::NotRunning)
                QCOMPARE(copy->exitCode(), 0);
        }
        QVERIFY(isViewable(id));
    }

    void killedCopyIsReplaced()
    {
        QProcess* killed = startCopy();
        const quint32 killedWindow = waitForRunningWindow();
        QVERIFY(killedWindow != 0);
        killed->kill();
        QVERIFY(killed->waitForFinished(10000));
        // The server may give the next copy's window the same id.
        QTRY_VERIFY(!isViewable(killedWindow));

        QProcess* next = startCopy();
        const quint32 id = waitForRunningWindow();
        QVERIFY(id != 0);
        QCOMPARE(next->state(), QProcess::Running);
        coverWith();
        startSecondCopy();
        QTRY_VERIFY(isInFront(id));
    }

    void terminatedCopyTearsDownCleanly()
    {
        QProcess* copy = startCopy();
        QVERIFY(waitForRunningWindow() != 0);
        const QString segmentKey = PlatformUserSharedMemory::userNativeKey(m_name);
        QCOMPARE(PlatformSharedMemory::attachCount(segmentKey), 1);
        copy->terminate(); // SIGTERM, as at logout
        QVERIFY(copy->waitForFinished(10000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        QCOMPARE(PlatformSharedMemory::attachCount(segmentKey), -1);
        QVERIFY(
            !QSettings("Kestrel Media", "Kestrel Player").value("Application/geometry").isNull());
    }

    void secondStartHandsItsPathOver()
    {
        QProcess* running = startCopy();
        QVERIFY(waitForRunningWindow() != 0);
        QCOMPARE(handedOverText(), QString());

        // The running copy takes the path from the slot, empties it and opens the
        // file, which its recent list keeps once it plays.
        const QString path = MediaFixture::awkwardlyNamedMovie();
        QVERIFY(!path.isEmpty());
        startSecondCopy({path});
        QTRY_COMPARE_WITH_TIMEOUT(handedOverText(), QString(), 10000);
        auto recentFirst = [] {
            return QSettings("Kestrel Media", "Kestrel Player").value("RecentFile/strFile_0").toString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(recentFirst(), path, 10000);
        running->terminate();
        QVERIFY(running->waitForFinished(10000));
        QCOMPARE(running->exitStatus(), QProcess::NormalExit);
        QCOMPARE(recentFirst(), path);
    }
};

KP_TEST_MAIN(tst_SingleInstanceE2e)
#include "tst_singleinstance_e2e.moc"
