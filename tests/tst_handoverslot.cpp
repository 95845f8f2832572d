#include "framework/core/uxhandoverslot.h"
#include "helperprocess.h"
#include "platform/platformsharedmemory.h"
#include "platform/platformusersharedmemory.h"
#include "testenvironment.h"

#include <QApplication>
#include <QSignalSpy>
#include <QUuid>

// The slot as the running copy has it, written by other processes.
class tst_HandoverSlot : public QObject
{
    Q_OBJECT

private:
    QString m_key;

    // What the segment holds, read without disturbing it.
    QByteArray contents(int count) const
    {
        PlatformUserSharedMemory segment(m_key);
        if (!segment.attach(QSharedMemory::ReadOnly) || !segment.lock())
            return QByteArray();
        const QByteArray bytes(static_cast<const char*>(segment.constData()), count);
        segment.unlock();
        return bytes;
    }

    static QByteArray emptySlot() { return QByteArray::fromHex("0000000100"); }

private Q_SLOTS:
    void init() { m_key = QUuid::createUuid().toString(); }

    void serialisedLayout()
    {
        // Any writer of this layout must be understood, so it is fixed byte for byte.
        QCOMPARE(uxHandoverSlot::serialise("aé"), QByteArray::fromHex("00000004006100e9"));
        QCOMPARE(uxHandoverSlot::serialise(QString()), QByteArray::fromHex("ffffffff"));
        bool ok = false;
        QCOMPARE(uxHandoverSlot::deserialise(QByteArray::fromHex("00000004006100e9ffff"), &ok),
                 QString("aé"));
        QVERIFY(ok);
    }

    void pathFromAnotherProcess_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("taken");
        QTest::newRow("plain") << "/home/user/Videos/film.mkv"
                               << "/home/user/Videos/film.mkv";
        QTest::newRow("spaces and non-ASCII") << "/home/user/Видео/Ein Film ü 映画.mkv"
                                              << "/home/user/Видео/Ein Film ü 映画.mkv";
        QTest::newRow("surrounding blanks kept") << " /a b.mkv "
                                                 << " /a b.mkv ";
        QTest::newRow("quote kept when neither exists") << "/a/film.mkv\""
                                                        << "/a/film.mkv\"";
    }

    void pathFromAnotherProcess()
    {
        QFETCH(QString, written);
        QFETCH(QString, taken);
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        QVERIFY(!slot.wasAttached());
        QCOMPARE(HelperProcess::run({"hand-over", m_key, written}), 0);

        QCOMPARE(slot.takePath(), taken);
        QCOMPARE(contents(5), emptySlot());
        QCOMPARE(slot.takePath(), QString());
    }

    void unreadableContentsAreIgnoredAndKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("longer than the segment") << QByteArray::fromHex("0000400000610062");
        QTest::newRow("odd length") << QByteArray::fromHex("00000003006100");
        QTest::newRow("null string") << QByteArray::fromHex("ffffffff");
        QTest::newRow("blanks only") << uxHandoverSlot::serialise(" \t ");
    }

    void unreadableContentsAreIgnoredAndKept()
    {
        QFETCH(QByteArray, bytes);
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        QCOMPARE(HelperProcess::run({"write-raw", m_key, bytes.toHex()}), 0);

        QCOMPARE(slot.takePath(), QString());
        QCOMPARE(contents(bytes.size()), bytes);
    }

    void writerThatOnlyAttachedLetsGo()
    {
        uxHandoverSlot reader(m_key);
        QVERIFY(reader.open());
        uxHandoverSlot writer(m_key);
        QVERIFY(writer.open());
        QVERIFY(writer.wasAttached());
        writer.writePath("/a.mkv");
        QCOMPARE(PlatformSharedMemory::attachCount(reader.nativeKey()), 1);
        QCOMPARE(reader.takePath(), QString("/a.mkv"));
    }

    void handOverNeedsARunningCopy()
    {
        QCOMPARE(HelperProcess::run({"hand-over", m_key, "/a.mkv"}), 1);
        QCOMPARE(uxHandoverSlot::handOver(m_key, "/a.mkv"), uxHandoverSlot::NoRunningCopy);
    }

    void readerAttachesToTheRunningCopysSlot()
    {
        HelperProcess runningCopy;
        QVERIFY(runningCopy.start({"hold-slot", m_key, "/first.mkv"}));
        uxHandoverSlot reader(m_key);
        QCOMPARE(reader.takePath(), QString("/first.mkv"));
        QCOMPARE(HelperProcess::run({"hand-over", m_key, "/second.mkv"}), 0);
        QCOMPARE(reader.takePath(), QString("/second.mkv"));
    }

    void slotOfACrashedCopyIsReplaced()
    {
        HelperProcess crashed;
        QVERIFY(crashed.start({"hold-slot", m_key, "/old.mkv"}));
        crashed.kill();

        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        QVERIFY(!slot.wasAttached());
        QCOMPARE(slot.takePath(), QString());
    }

    void onlyTheUserMayReadOrWrite()
    {
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        QCOMPARE(PlatformSharedMemory::permissions(slot.nativeKey()), 0600);
    }

    void pollingReportsEachPathOnce()
    {
        uxHandoverSlot slot(m_key);
        QVERIFY(slot.open());
        QSignalSpy received(&slot, &uxHandoverSlot::pathReceived);
        slot.startPolling(50);
        QCOMPARE(HelperProcess::run({"hand-over", m_key, "/a.mkv"}), 0);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), QString("/a.mkv"));
        QTest::qWait(200);
        QCOMPARE(received.count(), 1);
        slot.stopPolling();
    }
};

KP_TEST_MAIN(tst_HandoverSlot)
#include "tst_handoverslot.moc"
