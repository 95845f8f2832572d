// Title changes on a disc of several episodes, on the playback engine alone:
// a change must play the chosen title whatever libVLC had read of the one
// before, and must say when the new title is the one playing.
#include "fixtures/blurayauthor.h"
#include "fixtures/playerprobe.h"
#include "testenvironment.h"

#include <QtTest>

class TestBlurayTitles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void switchAfterTheTitleWasReadToItsEnd();
    void everySwitchNearTheEndPlaysOn();

private:
    QVlcPlayer* m_player = nullptr;
    PlayerProbe* m_probe = nullptr;
};

void TestBlurayTitles::init()
{
    m_player = new QVlcPlayer;
    m_probe = new PlayerProbe(m_player);
}

void TestBlurayTitles::cleanup()
{
    delete m_player;
}

// Near a title's end libVLC has read all of it, and on a small disc it may
// have read a whole title before its first picture. The change here comes
// at that point, as a user choosing the next episode in the last seconds.
void TestBlurayTitles::switchAfterTheTitleWasReadToItsEnd()
{
    const QString series = BlurayAuthor::shapedDisc(BlurayAuthor::Series);
    QVERIFY2(!series.isEmpty(), "the disc could not be authored");
    m_player->openBD(series);
    QVERIFY2(
        QTest::qWaitFor([this] { return m_probe->prepared > 0 || m_probe->errors > 0; }, 30000),
        qPrintable(m_probe->order.join(' ')));
    QList<VlcTitle> titles;
    m_player->titles(titles);
    QCOMPARE(titles.size(), 5);
    QList<int> changes;
    connect(m_player, &QVlcPlayer::titleChanged, this, [&](int t) { changes << t; });
    QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
    m_player->play();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Playing));

    // Into the last seconds, before the player's own title end: libVLC has
    // read the title to its end by then.
    const qint64 length = titles.at(0).length;
    m_player->seek(float(length - 4000) / 1000.0f);
    QVERIFY2(m_probe->waitForTime(float(length - 3000) / 1000.0f, 15000),
             qPrintable(m_probe->order.join(' ')));
    m_probe->clear();
    // As the disc menu does: the chosen title plays, and is announced once it does.
    QVERIFY(m_player->setTitle(1));
    m_player->play();
    QVERIFY(QTest::qWaitFor([&] { return changes.contains(1); }, 10000));
    QCOMPARE(m_player->currentTitle(), 1);
    QCOMPARE(m_player->length(), titles.at(1).length);
    // The new title goes on; an input that ended with the old one would
    // show here as a title end or an error within a second.
    QTest::qWait(3000);
    QVERIFY2(m_probe->errors == 0 && m_probe->titleEnds == 0, qPrintable(m_probe->order.join(' ')));
    QVERIFY(m_player->state() != QVlcPlayer::Idle);
}

// Switch after switch in a title's last seconds, each to the next episode:
// every new title must play on, its time moving, never left paused or idle.
void TestBlurayTitles::everySwitchNearTheEndPlaysOn()
{
    // libVLC's own time of a disc may stand at any value for many seconds
    // after such a switch while the picture plays on; the time shown must not.
    // KESTREL_TEST_SWITCHES tries more switches than the usual five.
    const QString series = BlurayAuthor::shapedDisc(BlurayAuthor::Series);
    QVERIFY2(!series.isEmpty(), "the disc could not be authored");
    m_player->openBD(series);
    QVERIFY2(
        QTest::qWaitFor([this] { return m_probe->prepared > 0 || m_probe->errors > 0; }, 30000),
        qPrintable(m_probe->order.join(' ')));
    QList<VlcTitle> titles;
    m_player->titles(titles);
    QCOMPARE(titles.size(), 5);
    QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
    m_player->play();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Playing));
    const int switches = qMax(5, qEnvironmentVariableIntValue("KESTREL_TEST_SWITCHES"));
    for (int n = 0; n < switches; ++n) {
        const int from = n % 5;
        const qint64 length = titles.at(from).length;
        m_player->seek(float(length - 4000) / 1000.0f);
        QVERIFY2(m_probe->waitForTime(float(length - 3000) / 1000.0f, 15000),
                 qPrintable(QString("switch %1: %2").arg(n).arg(m_probe->order.join(' '))));
        m_probe->clear();
        const int to = (from + 1) % 5;
        QVERIFY(m_player->setTitle(to));
        m_player->play();
        // From the new title's start: its time passes two seconds soon.
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return m_probe->times.size() > 1 && m_probe->times.last() >= 2.0f &&
                                m_probe->times.last() < 10.0f;
                     },
                     15000),
                 qPrintable(QString("switch %1 to title %2, state %3: %4")
                                .arg(n)
                                .arg(to)
                                .arg(m_player->state())
                                .arg(m_probe->order.join(' '))));
        QCOMPARE(m_player->currentTitle(), to);
        QCOMPARE(m_player->state(), int(QVlcPlayer::Playing));
    }
}

KP_TEST_MAIN(TestBlurayTitles)
#include "tst_bluraytitles.moc"
