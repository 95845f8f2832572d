// What the keys compute before the player is asked: where a run of seek
// presses lands, the speed steps at both ends, and the times Go to Time takes.
#include "player/ui/gototimedialog.h"
#include "player/ui/keyseek.h"
#include "player/ui/playbackspeed.h"
#include "testenvironment.h"

#include <QApplication>

class TestKeyHelpers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A held key repeats faster than the player reports where it is: each
    // press must continue from the last target, never from the stale report.
    void seekPressesAddUpAndNeverGoBack()
    {
        KeySeek seek;
        const qint64 length = 600000;
        qint64 last = seek.target(5000, length, 10000);
        QCOMPARE(last, qint64(15000));
        for (int i = 0; i < 20; ++i) {
            const qint64 next = seek.target(5000, length, 10000);
            QVERIFY(next > last);
            last = next;
        }
        QCOMPARE(last, qint64(215000));
        // The stale report is not shown while the seek is on its way; the
        // landed one is.
        QCOMPARE(seek.shownInstead(5000), last);
        QCOMPARE(seek.shownInstead(last - 500), qint64(-1));
        // Near the end it stops short of it, without stepping back.
        for (int i = 0; i < 60; ++i) {
            const qint64 next = seek.target(5000, length, 10000);
            QVERIFY(next >= last);
            last = next;
        }
        QCOMPARE(last, length - 1000);
        // Back from the start stays at the start; a forgotten run starts afresh.
        seek.forget();
        QCOMPARE(seek.target(2000, length, -10000), qint64(0));
        seek.forget();
        QCOMPARE(seek.target(42000, length, -3000), qint64(39000));
        // Forward from beyond the end margin (a report past it) never goes back.
        seek.forget();
        QCOMPARE(seek.target(599500, length, 10000), qint64(599500));
    }

    void speedStepsStopAtBothEnds()
    {
        QCOMPARE(PlaybackSpeed::faster(1.0f), 1.25f);
        QCOMPARE(PlaybackSpeed::faster(2.0f), 3.0f);
        QCOMPARE(PlaybackSpeed::faster(4.0f), 4.0f);
        QCOMPARE(PlaybackSpeed::slower(0.25f), 0.25f);
        QCOMPARE(PlaybackSpeed::slower(1.0f), 0.75f);
        // A rate between steps (libVLC rounding, or set elsewhere) goes to the neighbour.
        QCOMPARE(PlaybackSpeed::faster(1.1f), 1.25f);
        QCOMPARE(PlaybackSpeed::slower(1.1f), 1.0f);
        QCOMPARE(PlaybackSpeed::faster(1.2499f), 1.5f);
        QVERIFY(PlaybackSpeed::isNormal(1.0001f));
        QVERIFY(!PlaybackSpeed::isNormal(1.25f));
    }

    void goToTimeReadsTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("ms");
        QTest::newRow("h:mm:ss") << "1:02:03" << qint64(3723000);
        QTest::newRow("m:ss") << "2:05" << qint64(125000);
        QTest::newRow("seconds") << "90" << qint64(90000);
        QTest::newRow("spaces") << " 0:00:07 " << qint64(7000);
        QTest::newRow("zero") << "0:00:00" << qint64(0);
        QTest::newRow("seconds 60") << "1:60" << qint64(-1);
        QTest::newRow("minutes 60") << "1:60:00" << qint64(-1);
        QTest::newRow("one digit seconds") << "1:2" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("letters") << "1:ab" << qint64(-1);
        QTest::newRow("negative") << "-5" << qint64(-1);
        QTest::newRow("too many parts") << "1:2:3:4" << qint64(-1);
    }
    void goToTimeReadsTimes()
    {
        QFETCH(QString, text);
        QFETCH(qint64, ms);
        QCOMPARE(GoToTimeDialog::parse(text), ms);
        if (ms >= 0)
            QCOMPARE(GoToTimeDialog::parse(GoToTimeDialog::format(ms)), ms);
    }
};

KP_TEST_MAIN(TestKeyHelpers)
#include "tst_keyhelpers.moc"
