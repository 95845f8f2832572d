// How every open ends in the real player window: in playback, or in one
// message that names what was asked for and why it cannot play. Damaged
// media, things that are no media files at all, and a file libVLC would probe
// for minutes, which Stop and the slow-open notice must be able to end.
#include "fixtures/damagedmedia.h"
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "fixtures/playerwindowfixture.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxmessagebox.h"
#include "player/engine/qvlcplayer.h"
#include "player/ui/openingnotice.h"
#include "player/ui/openingwatch.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QToolButton>

namespace {

// Answers every message box and file dialog as they come, keeping what they said.
class Answerer : public QObject
{
public:
    QStringList messages;
    int fileDialogs = 0;

    Answerer()
    {
        connect(&m_poll, &QTimer::timeout, this, &Answerer::answer);
        m_poll.start(30);
    }

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<uxMessageBox*>(modal)) {
            messages << box->findChild<QLabel*>("labelinfo")->text();
            box->done(QDialogButtonBox::Ok);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            ++fileDialogs;
            dialog->reject();
        }
    }

    QTimer m_poll;
};

OpeningNotice* shownNotice()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* notice = qobject_cast<OpeningNotice*>(widget); notice && notice->isVisible())
            return notice;
    }
    return nullptr;
}

} // namespace

class TestOpeningOutcomes : public QObject, protected PlayerWindowFixture
{
    Q_OBJECT
    TestEnvironment m_env;
    QString m_folder;

    // Opens path and waits until it plays or a message about it was answered.
    // The message list holds whatever came.
    bool settle(const QString& path, Answerer& answers, int timeoutMs = 15000)
    {
        m_probe->clear();
        m_window->openFileByName(path);
        return QTest::qWaitFor(
            [&] {
                return !answers.messages.isEmpty()
                       || m_probe->states.contains(QVlcPlayer::Started);
            },
            timeoutMs);
    }

    void stopPlayback()
    {
        if (m_player->state() == QVlcPlayer::Idle)
            return;
        QMetaObject::invokeMethod(m_window, "onBtnStopClicked");
        QVERIFY(m_probe->waitForIdle());
    }

private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
        m_folder = m_env.path() + "/damaged";
        QVERIFY(!DamagedMedia::make(m_folder).isEmpty());
    }

    void init()
    {
        QSettings().clear();
        openWindow();
    }

    void cleanup() { closeWindow(); }

    void whatIsNoFileIsNamedNotAskedFor_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << m_folder + "/missing.mkv" << "does not exist";
        QTest::newRow("dangling link") << m_folder + "/dangling.mkv" << "does not exist";
        QTest::newRow("link loop") << m_folder + "/loop-a.mkv" << "circle";
        QTest::newRow("pipe") << m_folder + "/pipe.mkv" << "neither a file nor a folder";
        QTest::newRow("device") << "/dev/zero" << "neither a file nor a folder";
        QTest::newRow("link to a device") << m_folder + "/zero.mkv" << "neither a file nor a folder";
        QTest::newRow("empty") << m_folder + "/empty.mp4" << "empty";
        QTest::newRow("folder") << m_folder + "/folder.mkv" << "Invalid Blu-ray file.";
        QTest::newRow("unreadable") << m_folder + "/locked.mkv" << "not allowed to read";
    }

    // A named location that cannot be played is refused at once with its name
    // and the reason; the file dialog is only for an empty request.
    void whatIsNoFileIsNamedNotAskedFor()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        if (path.endsWith("locked.mkv") && DamagedMedia::readsEverything())
            QSKIP("this user reads files whatever their permissions say");
        Answerer answers;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(settle(path, answers, 5000));
        QVERIFY2(clock.elapsed() < 3000, "the refusal must not wait for anything");
        QTest::qWait(200);
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY2(answers.messages.first().contains(path), qPrintable(answers.messages.first()));
        QVERIFY2(answers.messages.first().contains(reason), qPrintable(answers.messages.first()));
        QCOMPARE(answers.fileDialogs, 0);
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));

        answers.messages.clear();
        m_window->openFileByName(QString());
        QTRY_COMPARE(answers.fileDialogs, 1);
        QVERIFY(answers.messages.isEmpty());
    }

    // Every damaged copy of real media either plays or says, once, which file
    // failed; none returns to the start page in silence.
    void damagedMediaPlayOrSaySo()
    {
        const QStringList names = {"cut1-camera.mp4", "cut10-camera.mp4", "cut1-song.mp3",
                                   "cut1-song.flac", "cut10-song.flac", "cut1-movie.mkv",
                                   "absurd.mp4", "picture.mp4", "letter.avi", "noise.mp3",
                                   "flipped-web.mp4", "spliced-song.flac"};
        for (const QString& name : names) {
            const QString path = m_folder + '/' + name;
            Answerer answers;
            QVERIFY2(settle(path, answers), qPrintable(name + ": no playback and no message"));
            const bool played = m_probe->states.contains(QVlcPlayer::Started);
            stopPlayback();
            QTest::qWait(100);
            if (played) {
                QVERIFY2(answers.messages.isEmpty(), qPrintable(name));
            } else {
                QCOMPARE(answers.messages.size(), 1);
                QVERIFY2(answers.messages.first().contains(path), qPrintable(answers.messages.first()));
            }
            QVERIFY(ui().actionOpen->isEnabled());
        }
    }

    // A file that breaks off early may reach its end while the window is busy,
    // before it ever saw the time move. It played, so it starts (and plays
    // again from its beginning); it neither vanishes in silence nor fails.
    void aFileThatEndsBeforeTheWindowLooksStillPlays()
    {
        const QString path = m_folder + "/cut50-song.flac";
        Answerer answers;
        m_probe->clear();
        m_window->openFileByName(path);
        // libVLC plays and ends this file within a second on its own threads.
        QThread::msleep(2000);
        QTRY_VERIFY2_WITH_TIMEOUT(m_probe->states.contains(QVlcPlayer::Started),
                                  qPrintable(answers.messages.join('\n')), 5000);
        QVERIFY(answers.messages.isEmpty());
        QVERIFY(m_probe->waitForIdle());
        QVERIFY(answers.messages.isEmpty());
    }

    // libVLC probes a huge file of zeros for minutes. Stop ends that at once,
    // and the window stays responsive meanwhile.
    void stopCancelsAnOpenThatProbesForLong()
    {
        const QString zeros = DamagedMedia::sparseZeros(m_folder);
        QVERIFY(!zeros.isEmpty());
        Answerer answers;
        m_probe->clear();
        m_window->openFileByName(zeros);
        QVERIFY(m_probe->waitForState(QVlcPlayer::Opening, 5000));
        QTest::qWait(1500);
        QVERIFY2(ui().btnStop->isEnabled(), qPrintable(QString("state %1 states %2").arg(m_player->state()).arg(m_probe->states.size())));
        QElapsedTimer clock;
        clock.start();
        QMetaObject::invokeMethod(m_window, "onBtnStopClicked");
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QTest::qWait(300);
        QVERIFY(answers.messages.isEmpty());
        // The player goes on to play what comes next.
        openAndPlay(MediaFixture::movie());
    }

    // After ten seconds without a first picture a notice names the file; its
    // Cancel stops the open as Stop does, and it goes as soon as the open ends.
    void aSlowOpenShowsANoticeThatCancels()
    {
        const QString zeros = DamagedMedia::sparseZeros(m_folder);
        Answerer answers;
        m_probe->clear();
        m_window->openFileByName(zeros);
        QTest::qWait(OpeningWatch::kPatienceMs - 1500);
        QVERIFY(!shownNotice());
        QTRY_VERIFY_WITH_TIMEOUT(shownNotice(), 5000);
        OpeningNotice* notice = shownNotice();
        QVERIFY(notice->findChild<QLabel*>("lblInfo")->text().contains("zeros.mkv"));
        auto* cancel = notice->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
        QVERIFY(cancel);
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QTRY_VERIFY(!shownNotice());
        QVERIFY(answers.messages.isEmpty());

        // A media that starts in time never shows it.
        openAndPlay(MediaFixture::movie());
        QTest::qWait(200);
        QVERIFY(!shownNotice());
    }
};

KP_TEST_MAIN(TestOpeningOutcomes)
#include "tst_openingoutcomes.moc"
