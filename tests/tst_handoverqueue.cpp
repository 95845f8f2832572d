// Many later starts handing paths to one running copy at once: every path is
// taken, in the order it came, and one that cannot be taken is said to fail.
#include "framework/core/uxhandoverslot.h"
#include "helperprocess.h"
#include "testenvironment.h"

#include <QApplication>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QUuid>

class TestHandoverQueue : public QObject
{
    Q_OBJECT
    QString m_key;

    static QString helper() { return KESTREL_TEST_BIN_DIR "/kp-singleinstance-helper"; }

private Q_SLOTS:
    void init() { m_key = QUuid::createUuid().toString(); }

    void pathsHandedOverOneAfterAnotherComeInOrder()
    {
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        slot.writePath("/own/first.mkv");
        const QStringList later = {"/a.mkv", "/b c.mkv", "/Видео/d.mkv", "/e.mkv"};
        for (const QString& path : later)
            QCOMPARE(HelperProcess::run({"hand-over", m_key, path}), 0);

        QCOMPARE(slot.takePath(), QString("/own/first.mkv"));
        QCOMPARE(slot.takePaths(), later);
        QCOMPARE(slot.takePaths(), QStringList());
        // The emptied slot reads as empty to a reader of the one-path layout too.
        QCOMPARE(HelperProcess::run({"hand-over", m_key, "/next.mkv"}), 0);
        QCOMPARE(slot.takePaths(), QStringList{"/next.mkv"});
    }

    void twentySimultaneousHandOversAllArrive()
    {
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        QSignalSpy received(&slot, &uxHandoverSlot::pathReceived);
        slot.startPolling(200);
        QList<QProcess*> starts;
        QSet<QString> sent;
        for (int i = 0; i < 20; ++i) {
            auto* start = new QProcess(this);
            const QString path = QString("/home/user/Videos/film %1.mkv").arg(i);
            sent << path;
            start->start(helper(), {"hand-over", m_key, path});
            starts << start;
        }
        for (QProcess* start : std::as_const(starts)) {
            QVERIFY(start->waitForFinished(20000));
            QCOMPARE(start->exitCode(), 0);
        }
        qDeleteAll(starts);
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 20, 5000);
        QSet<QString> arrived;
        for (const QList<QVariant>& signal : std::as_const(received))
            arrived << signal.at(0).toString();
        QCOMPARE(arrived, sent);
        slot.stopPolling();
    }

    // Long paths fill the slot: a later one waits until the running copy has
    // taken what is there, and gives up, saying so, when it never does.
    void fullSlotWaitsForTheRunningCopy()
    {
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        const QString longPath = "/" + QString(2000, QLatin1Char('x'));
        QCOMPARE(HelperProcess::run({"hand-over", m_key, longPath + "1"}), 0);
        QCOMPARE(HelperProcess::run({"hand-over", m_key, longPath + "2"}), 0);
        QCOMPARE(HelperProcess::run({"hand-over", m_key, longPath + "3", "300"}), 4);

        QProcess waiting;
        waiting.start(helper(), {"hand-over", m_key, longPath + "3"});
        QVERIFY(waiting.waitForStarted());
        QTest::qWait(500);
        QCOMPARE(slot.takePaths(), (QStringList{longPath + "1", longPath + "2"}));
        QVERIFY(waiting.waitForFinished(10000));
        QCOMPARE(waiting.exitCode(), 0);
        QCOMPARE(slot.takePaths(), QStringList{longPath + "3"});
    }

    void pathLongerThanTheSlotIsRefusedAndNothingIsWritten()
    {
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        const QString longPath = "/" + QString(6000, QLatin1Char('x'));
        QCOMPARE(HelperProcess::run({"hand-over", m_key, longPath}), 3);
        QCOMPARE(uxHandoverSlot::handOver(m_key, longPath), uxHandoverSlot::TooLong);
        QCOMPARE(HelperProcess::run({"hand-over", m_key, "/short.mkv"}), 0);
        QCOMPARE(slot.takePaths(), QStringList{"/short.mkv"});
    }

    // A closing quote goes only when the path exists without it and not with it.
    void trailingQuote()
    {
        const QString dir = QDir::homePath() + "/quotes";
        writeTestFile(dir + "/real\"", "a");
        writeTestFile(dir + "/both\"", "a");
        writeTestFile(dir + "/both", "a");
        writeTestFile(dir + "/stray.mkv", "a");
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        for (const char* name : {"real\"", "both\"", "stray.mkv\"", "missing.mkv\""})
            QCOMPARE(HelperProcess::run({"hand-over", m_key, dir + "/" + QString(name)}), 0);
        QCOMPARE(slot.takePaths(), (QStringList{dir + "/real\"", dir + "/both\"",
                                                dir + "/stray.mkv", dir + "/missing.mkv\""}));
    }
};

KP_TEST_MAIN(TestHandoverQueue)
#include "tst_handoverqueue.moc"
