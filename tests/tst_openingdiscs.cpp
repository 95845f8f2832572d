// Opening a disc starts with reading its index on a worker thread, behind a
// "Loading" dialog. That read can block for good (here: playlist files that
// are pipes no one writes to), and it must not leave the user without an
// outcome: the slow-open notice comes in time, names the disc, and its Cancel
// gives the window back.
#include "fixtures/damagedmedia.h"
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "fixtures/playerwindowfixture.h"
#include "framework/core/uxsrcmgr.h"
#include "player/engine/qvlcplayer.h"
#include "player/ui/openingnotice.h"
#include "player/ui/openingwatch.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

namespace {

OpeningNotice* shownNotice()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* notice = qobject_cast<OpeningNotice*>(widget); notice && notice->isVisible())
            return notice;
    }
    return nullptr;
}

// Ends every read blocked on the disc's pipes: a writer that opens and closes
// each one gives its reader an end of file.
void releasePipes(const QString& disc)
{
    const QDir playlists(disc + "/BDMV/PLAYLIST");
    QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        for (const QString& name : playlists.entryList({"*.mpls"}, QDir::System)) {
            const int fd = ::open(QFile::encodeName(playlists.filePath(name)).constData(),
                                  O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
        QThread::msleep(20);
    }
}

} // namespace

class TestOpeningDiscs : public QObject, protected PlayerWindowFixture
{
    Q_OBJECT
    TestEnvironment m_env;
    QString m_disc;

private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
        m_disc = DamagedMedia::playlistPipeDisc(m_env.path());
        QVERIFY(!m_disc.isEmpty());
    }

    void init()
    {
        QSettings().clear();
        openWindow();
    }

    void cleanup()
    {
        // A read left behind by Cancel ends too, so no thread outlives the test.
        releasePipes(m_disc);
        closeWindow();
    }

    void aReadThatNeverEndsShowsTheNoticeWhoseCancelEndsIt()
    {
        QElapsedTimer clock;
        qint64 noticeAt = -1;
        QString said;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            OpeningNotice* notice = shownNotice();
            if (!notice || noticeAt >= 0)
                return;
            noticeAt = clock.elapsed();
            said = notice->findChild<QLabel*>("lblInfo")->text();
            notice->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
        // Without a notice the open would never return: the pipes are then
        // released so that the failure can be reported.
        QTimer rescue;
        rescue.setSingleShot(true);
        connect(&rescue, &QTimer::timeout, this, [this] { releasePipes(m_disc); });
        poll.start(50);
        rescue.start(OpeningWatch::kPatienceMs + 8000);
        clock.start();
        m_window->openFileByName(m_disc);
        poll.stop();
        rescue.stop();
        QVERIFY2(noticeAt >= 0, "the open ended without a notice");
        QVERIFY2(noticeAt < OpeningWatch::kPatienceMs + 2000,
                 qPrintable(QString::number(noticeAt)));
        QVERIFY2(said.contains("disc-playlist-pipe"), qPrintable(said));
        QVERIFY(clock.elapsed() < noticeAt + 1000);
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QTRY_VERIFY(!shownNotice());
        // The window goes on to play what comes next.
        openAndPlay(MediaFixture::movie());
    }

    // Stop in the window cancels the read just as the notice's Cancel does,
    // before the notice is due.
    void stopCancelsTheRead()
    {
        QElapsedTimer clock;
        QTimer::singleShot(1500, m_window,
                           [this] { QMetaObject::invokeMethod(m_window, "onBtnStopClicked"); });
        QTimer rescue;
        rescue.setSingleShot(true);
        connect(&rescue, &QTimer::timeout, this, [this] { releasePipes(m_disc); });
        rescue.start(OpeningWatch::kPatienceMs + 8000);
        clock.start();
        m_window->openFileByName(m_disc);
        rescue.stop();
        QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QVERIFY(!shownNotice());
        openAndPlay(MediaFixture::movie());
    }
};

KP_TEST_MAIN(TestOpeningDiscs)
#include "tst_openingdiscs.moc"
