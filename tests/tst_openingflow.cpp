// Opening one media after another in the real player window: what a failed
// open leaves behind, where each media's place is kept, and discs opened
// while another disc plays or loads.
#include "fixtures/blurayauthor.h"
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "fixtures/playerwindowfixture.h"
#include "framework/core/uxhandoverslot.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxmessagebox.h"
#include "player/discs/ffaddfileprocessingdlg.h"
#include "player/engine/qvlcplayer.h"
#include "player/ui/mainwindow.h"
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"
#include "widgets/kpplayseekingbar.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <functional>
#include <utility>

namespace {

// Answers the next message box with Ok and keeps its text.
void answerMessage(QString* text)
{
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, text] {
        auto* box = qobject_cast<uxMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        *text = box->findChild<QLabel*>("labelinfo")->text();
        box->done(QDialogButtonBox::Ok);
    });
    poll->start();
}

// 20 s, so that its places lie beyond the end of the 6 s movie.
QString longClip()
{
    return MediaFixture::ffmpeg(
        QStringLiteral("long20.mkv"),
        {"-f", "lavfi", "-i", "testsrc2=size=320x180:rate=25:duration=20", "-f", "lavfi", "-i",
         "sine=frequency=330:duration=20", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt",
         "yuv420p", "-g", "25", "-c:a", "aac", "-b:a", "64k"});
}

QVariantMap resumePoints()
{
    return uxSettings::instance()->value("Continue/Points").toMap();
}

// Watches the "Loading" notices: how many there were, how many were up at
// once, and runs a hook once the next one is up.
class LoadingWatch : public QObject
{
public:
    int shown = 0;
    int up = 0;
    int mostUp = 0;
    std::function<void()> onNextShow;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!qobject_cast<FfAddFileProcessingDlg*>(watched))
            return false;
        if (event->type() == QEvent::Show) {
            ++shown;
            mostUp = qMax(mostUp, ++up);
            if (onNextShow) {
                // Runs in the notice's own event loop, as the hand-over timer would.
                QTimer::singleShot(0, std::exchange(onNextShow, nullptr));
            }
        } else if (event->type() == QEvent::Hide) {
            --up;
        }
        return false;
    }
};

} // namespace

class TestOpeningFlow : public QObject, protected PlayerWindowFixture
{
    Q_OBJECT
private:
    void playTo(float seconds)
    {
        m_player->seek(seconds);
        QTRY_VERIFY(ui().playSeekingBar->value() >= int(seconds));
    }

    QStringList recentEntries()
    {
        emit ui().menuRecent_File->aboutToShow();
        QStringList out;
        for (QAction* action : ui().menuRecent_File->actions()) {
            if (!action->toolTip().isEmpty() && !action->isSeparator()
                && action->text() != QLatin1String("Clear"))
                out << action->toolTip();
        }
        return out;
    }

    void call(const char* slot)
    {
        QVERIFY(QMetaObject::invokeMethod(m_window, slot, Qt::DirectConnection));
    }

    // Waits until the disc just opened has settled: prepared, started or failed.
    bool discSettled()
    {
        return QTest::qWaitFor(
            [this] {
                return m_probe->prepared > 0 || m_probe->errors > 0
                       || m_probe->states.contains(QVlcPlayer::Started);
            },
            30000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
        QVERIFY(!longClip().isEmpty());
    }
    void init()
    {
        QSettings().clear();
        openWindow();
    }
    void cleanup() { closeWindow(); }

    void failedOpenLeavesThePlayerUsable()
    {
        const QString movie = MediaFixture::movie();
        openAndPlay(movie);
        call("onBtnStopClicked");
        QVERIFY(m_probe->waitForIdle());

        QString message;
        answerMessage(&message);
        m_probe->clear();
        m_window->openFileByName(MediaFixture::randomBytes());
        QTRY_COMPARE(message, QString("Cannot open \"%1\".\nFile loading failed.")
                                  .arg(MediaFixture::randomBytes()));
        QTRY_COMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QVERIFY(ui().actionOpen->isEnabled());
        QVERIFY(ui().actionLode_Disc->isEnabled());
        QVERIFY(ui().menuRecent_File->isEnabled());
        QCOMPARE(recentEntries(), QStringList({movie}));

        // Play with nothing loaded reopens what played last, not what failed.
        m_probe->clear();
        call("onBtnPlayClicked");
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        QCOMPARE(m_window->resumeKey(), movie);
        closeWindow();
        QCOMPARE(uxSettings::instance()->value("RecentFile/strFile_0").toString(), movie);
        QCOMPARE(uxSettings::instance()->value("RecentFile/strFile_1").toString(), QString());
    }

    void failedFirstOpenOffersNoRecentFile()
    {
        QString message;
        answerMessage(&message);
        m_window->openFileByName(MediaFixture::randomBytes());
        QTRY_COMPARE(message, QString("Cannot open \"%1\".\nFile loading failed.")
                                  .arg(MediaFixture::randomBytes()));
        QTRY_VERIFY(ui().actionOpen->isEnabled());
        QVERIFY(!ui().menuRecent_File->isEnabled());
        bool asked = false;
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, poll, [poll, &asked] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                poll->deleteLater();
                asked = true;
                dialog->reject();
            }
        });
        poll->start(50);
        call("onBtnPlayClicked");
        QVERIFY(asked);
    }

    void switchingMediaKeepsBothPlaces()
    {
        const QString movie = MediaFixture::movie();
        const QString longer = longClip();
        uxSettings::instance()->setValue("Continue/Points", QVariantMap({{movie, 3.0}}));
        openAndPlay(longer);
        playTo(10);
        // The window still shows 10 s of 20 when the 6 s movie starts.
        openAndPlay(movie);
        QVERIFY2(m_probe->waitForTime(2.9f, 1500), qPrintable(QString::number(
                                                       m_probe->times.value(0, -1))));
        const QVariantMap points = resumePoints();
        QVERIFY(!points.contains(movie));
        QVERIFY(points.value(longer).toFloat() >= 10.0f);
        QVERIFY(points.value(longer).toFloat() < 12.0f);
    }

    void pausedMediaKeepsItsPlace()
    {
        const QString longer = longClip();
        openAndPlay(longer);
        playTo(8);
        call("onBtnPauseClicked");
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        openAndPlay(MediaFixture::movie());
        QVERIFY(resumePoints().value(longer).toFloat() >= 8.0f);
        openAndPlay(longer);
        QVERIFY(m_probe->waitForTime(7.9f, 1500));
    }

    void leavingBeforeTheFirstTimeStoresNothing_data()
    {
        QTest::addColumn<bool>("close");
        QTest::newRow("stop") << false;
        QTest::newRow("close") << true;
    }
    void leavingBeforeTheFirstTimeStoresNothing()
    {
        QFETCH(bool, close);
        const QString movie = MediaFixture::movie();
        const QString longer = longClip();
        openAndPlay(movie);
        playTo(3);
        m_window->openFileByName(longer);
        if (close)
            closeWindow();
        else
            call("onBtnStopClicked");
        const QVariantMap points = resumePoints();
        QVERIFY(points.value(movie).toFloat() >= 3.0f);
        QVERIFY2(!points.contains(longer), qPrintable(points.value(longer).toString()));
    }

    // Blu-ray over Blu-ray, with paths handed over while the disc loads: every
    // handed-over path opens after its notice closes, one notice at a time.
    void discsOpenOverDiscs()
    {
        const QString disc = BlurayAuthor::disc();
        QVERIFY2(!disc.isEmpty(), "the disc could not be authored");
        const QString discFolder = disc + "/BDMV";
        const QString movie = MediaFixture::movie();
        uxHandoverSlot writer(uxProductInfo::instance()->guid());
        QVERIFY(writer.open());
        QStringList messages;
        QTimer messageCatcher;
        connect(&messageCatcher, &QTimer::timeout, this, [&messages] {
            if (auto* box = qobject_cast<uxMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->findChild<QLabel*>("labelinfo")->text();
                box->done(QDialogButtonBox::Ok);
            }
        });
        messageCatcher.start(50);
        LoadingWatch watch;
        qApp->installEventFilter(&watch);
        for (int i = 0; i < 50; ++i) {
            const QString handed = i % 3 == 1 ? discFolder : i % 10 == 9 ? movie : QString();
            if (!handed.isEmpty()) {
                watch.onNextShow = [this, &writer, handed] {
                    writer.writePath(handed);
                    QMetaObject::invokeMethod(m_window, "onPlayFromFile", Qt::DirectConnection);
                };
            }
            const int notices = watch.shown;
            m_probe->clear();
            m_window->openFileByName(disc);
            QCOMPARE(watch.shown, notices + 1);
            QCOMPARE(watch.up, 0);
            if (handed == discFolder) {
                QTRY_COMPARE(watch.shown, notices + 2);
                QTRY_COMPARE(watch.up, 0);
            } else if (handed == movie) {
                QTRY_COMPARE(m_window->resumeKey(), movie);
                QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
                continue;
            } else if (i % 2 == 0) {
                // Replaced while it still opens.
                continue;
            }
            QVERIFY2(discSettled(), qPrintable(m_probe->order.join(' ')));
        }
        QVERIFY2(discSettled(), qPrintable(m_probe->order.join(' ')));
        qApp->removeEventFilter(&watch);
        QCOMPARE(watch.mostUp, 1);
        QCOMPARE(messages, QStringList());
        QVERIFY(ui().actionOpen->isEnabled());
        QVERIFY(ui().menuRecent_File->isEnabled());
    }
};

KP_TEST_MAIN(TestOpeningFlow)
#include "tst_openingflow.moc"
