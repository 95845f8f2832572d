// The key table under real X input while generated media plays, checked on
// the player itself: position, volume, speed and delays as libVLC has them,
// in the window, in full screen and with a slider focused; the on-screen text
// in the screen's pixels; the shortcuts window, Go to Time and Quit.
#include "fixtures/mediafixture.h"
#include "fixtures/playerwindowfixture.h"
#include "fixtures/xinput.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "player/discs/qbluraymenu.h"
#include "player/engine/vlcvideowidget.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/gototimedialog.h"
#include "player/ui/onscreentext.h"
#include "player/ui/playerkeys.h"
#include "player/ui/shortcutsdialog.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"
#include "widgets/kpplayseekingbar.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Ten minutes, small and cheap to decode, with a key frame every 2.5 s.
QString longClip()
{
    return MediaFixture::ffmpeg(
        "tenminutes.mkv",
        {"-f", "lavfi", "-i", "testsrc2=size=320x180:rate=10:duration=600", "-f", "lavfi", "-i",
         "sine=frequency=440:duration=600", "-c:v", "libx264", "-preset", "ultrafast", "-g", "25",
         "-pix_fmt", "yuv420p", "-c:a", "aac", "-b:a", "32k"});
}

double seconds(qint64 ms)
{
    return double(ms) / 1000.0;
}

} // namespace

class TestPlayerKeys : public QObject, public PlayerWindowFixture
{
    Q_OBJECT

    void playLong()
    {
        const QString path = longClip();
        QVERIFY2(!path.isEmpty(), "ffmpeg could not make the clip");
        openAndPlay(path);
        QTRY_VERIFY(m_player->length() > 590000);
        QTRY_VERIFY(ui().playSeekingBar->isEnabled());
        QVERIFY(m_probe->waitForTime(0.3f));
        activate();
    }

    void activate()
    {
        m_base->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_base.get()));
    }

    // Presses key and waits until the player has moved near expected seconds.
    void seekAndCheck(const QString& key, double expected)
    {
        QVERIFY(XInput::key(key));
        QTRY_VERIFY2_WITH_TIMEOUT(qAbs(seconds(m_player->position()) - expected) < 1.5,
                                  qPrintable(QString("%1: at %2, expected %3")
                                                 .arg(key)
                                                 .arg(seconds(m_player->position()))
                                                 .arg(expected)),
                                  5000);
        // Presses further apart than a held key's never add up.
        QTest::qWait(1100);
    }

    double now() const { return seconds(m_player->position()); }

private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
    }
    void init()
    {
        QSettings().clear();
        openWindow();
    }
    void cleanup()
    {
        XInput::xdotool({"keyup", "Right"});
        closeWindow();
    }

    void seekKeysMoveThePlayer()
    {
        playLong();
        ui().videoWidget->setFocus();
        m_player->pause();
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        m_player->seek(100.0f);
        QTRY_VERIFY(qAbs(now() - 100) < 1);
        seekAndCheck("Right", 110);
        seekAndCheck("shift+Right", 113);
        seekAndCheck("ctrl+Right", 173);
        seekAndCheck("Left", 163);
        seekAndCheck("shift+Left", 160);
        seekAndCheck("ctrl+Left", 100);
        seekAndCheck("5", 300);
        // The time label follows at once, not a poll later.
        QVERIFY(XInput::key("9"));
        QTRY_VERIFY_WITH_TIMEOUT(ui().lblPlayPosition->text() == QLatin1String("00:09:00"), 300);
        QTRY_VERIFY(qAbs(now() - 540) < 1.5);
        QTest::qWait(1100);
        seekAndCheck("Home", 0);
    }

    // Holding a seek key: every repeat goes further, the bar and the label
    // never show a place behind the one before.
    void heldRightOnlyMovesForward()
    {
        playLong();
        ui().videoWidget->setFocus();
        const double start = now();
        QList<int> bar;
        QList<double> player;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] {
            bar << ui().playSeekingBar->value();
            player << now();
        });
        sampler.start(20);
        // A held key: the X server's repeats, 25 a second for two seconds.
        XInput::xdotool({"key", "--repeat", "50", "--delay", "40", "Right"});
        QTest::qWait(1500);
        sampler.stop();
        for (int i = 1; i < bar.size(); ++i)
            QVERIFY2(bar.at(i) >= bar.at(i - 1),
                     qPrintable(QString("bar went from %1 to %2").arg(bar.at(i - 1)).arg(bar.at(i))));
        for (int i = 1; i < player.size(); ++i)
            QVERIFY2(player.at(i) >= player.at(i - 1) - 0.5,
                     qPrintable(QString("player went from %1 to %2")
                                    .arg(player.at(i - 1))
                                    .arg(player.at(i))));
        QVERIFY2(now() > start + 200, qPrintable(QString::number(now())));
        QVERIFY(m_player->state() != QVlcPlayer::Idle);
    }

    void volumeAndMuteKeys()
    {
        playLong();
        KpPlaySeekingBar* volume = ui().previewVolume;
        volume->setValue(100);
        QVERIFY(XInput::key("Up"));
        QTRY_COMPARE(m_player->volume(), 105);
        QCOMPARE(m_window->controlBar()->previewVolume->value(), 105);
        QVERIFY(XInput::key("Down"));
        QVERIFY(XInput::key("Down"));
        QTRY_COMPARE(m_player->volume(), 95);
        for (int i = 0; i < 8; ++i)
            QVERIFY(XInput::key("Up"));
        QTRY_COMPARE(m_player->volume(), 125);
        QVERIFY(XInput::key("m"));
        QTRY_VERIFY(m_player->isMuted());
        QVERIFY(!volume->isEnabled());
        QVERIFY(XInput::key("m"));
        QTRY_VERIFY(!m_player->isMuted());
        // A volume key brings the sound back.
        QVERIFY(XInput::key("m"));
        QTRY_VERIFY(m_player->isMuted());
        QVERIFY(XInput::key("Down"));
        QTRY_VERIFY(!m_player->isMuted());
        QCOMPARE(m_player->volume(), 120);
    }

    void speedKeysAndMenu()
    {
        playLong();
        QLabel* speed = ui().lblSpeed;
        QVERIFY(!speed->isVisible());
        QVERIFY(XInput::key("bracketright"));
        QVERIFY(XInput::key("bracketright"));
        QTRY_COMPARE(m_player->rate(), 1.5f);
        QTRY_VERIFY(speed->isVisible());
        QVERIFY(speed->text().startsWith("1.5"));
        QCOMPARE(m_window->controlBar()->lblSpeed->text(), speed->text());
        // The media plays faster: 1.5 s of playing in one second.
        const double before = now();
        QTest::qWait(2000);
        QVERIFY2(now() - before > 2.5, qPrintable(QString::number(now() - before)));
        // The slowest step is as slow as it goes.
        for (int i = 0; i < 6; ++i)
            QVERIFY(XInput::key("bracketleft"));
        QTRY_COMPARE(m_player->rate(), 0.25f);
        QVERIFY(XInput::key("BackSpace"));
        QTRY_COMPARE(m_player->rate(), 1.0f);
        QTRY_VERIFY(!speed->isVisible());

        // The menu's steps set it too, and it shows the current one checked.
        auto* menu = ui().menuControls->findChild<QMenu*>("menuSpeed");
        QVERIFY(menu);
        QAction* three = nullptr;
        for (QAction* a : menu->actions()) {
            if (a->data().toFloat() == 3.0f)
                three = a;
        }
        QVERIFY(three);
        three->trigger();
        QTRY_COMPARE(m_player->rate(), 3.0f);
        emit menu->aboutToShow();
        QVERIFY(three->isChecked());

        // It belongs to the media: the next one plays at normal speed.
        openAndPlay(MediaFixture::movie());
        QTRY_COMPARE(m_player->rate(), 1.0f);
        QTRY_VERIFY(!speed->isVisible());
    }

    void delayKeysAndReset()
    {
        openAndPlay(MediaFixture::movie());
        activate();
        QVERIFY(XInput::key("h"));
        QVERIFY(XInput::key("h"));
        QTRY_COMPARE(m_player->subtitleDelay(), qint64(100));
        QVERIFY(XInput::key("g"));
        QTRY_COMPARE(m_player->subtitleDelay(), qint64(50));
        QCOMPARE(m_window->onScreenText()->text(), QString("Subtitle delay 50 ms"));
        QVERIFY(XInput::key("j"));
        QVERIFY(XInput::key("j"));
        QTRY_COMPARE(m_player->audioDelay(), qint64(-100));
        QVERIFY(XInput::key("k"));
        QTRY_COMPARE(m_player->audioDelay(), qint64(-50));
        auto* subtitles = ui().menuControls->findChild<QMenu*>("menuSubtitle_Delay");
        auto* audio = ui().menuControls->findChild<QMenu*>("menuAudio_Delay");
        QVERIFY(subtitles && audio);
        subtitles->actions().constLast()->trigger();
        audio->actions().constLast()->trigger();
        QCOMPARE(m_player->subtitleDelay(), qint64(0));
        QCOMPARE(m_player->audioDelay(), qint64(0));
    }

    void chapterKeys()
    {
        openAndPlay(MediaFixture::movie());
        activate();
        QTRY_VERIFY(ui().actionNext_Chapter->isEnabled());
        QVERIFY(ui().actionNext_Chapter->shortcut() == QKeySequence(Qt::Key_PageDown));
        QVERIFY(XInput::key("Next"));
        QTRY_COMPARE(m_player->currentChapter(), 1);
        QTRY_COMPARE(m_window->onScreenText()->text(), QString("Chapter 2"));
        QTRY_VERIFY(ui().actionPrevious_Chapter->isEnabled());
        QVERIFY(XInput::key("Prior"));
        QTRY_COMPARE(m_player->currentChapter(), 0);
    }

    void nextFrameWhilePaused()
    {
        playLong();
        m_player->pause();
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        QTest::qWait(500);
        // The clip's picture changes with every frame; the screen shows it.
        VlcVideoWidget* video = ui().videoWidget;
        const QRect area(0, 0, video->width(), video->height());
        const QImage before = XInput::grab(video, area);
        QTest::qWait(300);
        QCOMPARE(XInput::grab(video, area), before);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(XInput::key("period"));
            QTest::qWait(150);
        }
        QTRY_VERIFY(XInput::grab(video, area) != before);
        QCOMPARE(m_player->state(), int(QVlcPlayer::Paused));
    }

    // The keys work whichever widget has the focus: a slider just used with
    // the mouse, a button, and the picture in full screen.
    void keysWithASliderFocused()
    {
        playLong();
        KpPlaySeekingBar* volume = ui().previewVolume;
        QVERIFY(XInput::click(volume, QPoint(volume->pixelOfValue(60), volume->height() / 2)));
        QTRY_VERIFY(qAbs(volume->value() - 60) <= 3);
        QTRY_VERIFY(volume->hasFocus());
        const int level = volume->value();
        const double before = now();
        QVERIFY(XInput::key("Right"));
        QTRY_VERIFY(now() > before + 8);
        QCOMPARE(volume->value(), level);
        QVERIFY(XInput::key("Up"));
        QTRY_COMPARE(m_player->volume(), level + 5);

        KpPlaySeekingBar* seek = ui().playSeekingBar;
        seek->setFocus();
        QTRY_VERIFY(seek->hasFocus());
        QTest::qWait(1100);
        const double then = now();
        QVERIFY(XInput::key("Left"));
        QTRY_VERIFY(now() < then - 8);
        QVERIFY(XInput::key("Down"));
        QTRY_COMPARE(m_player->volume(), level);

        ui().btnSnapshot->setFocus();
        QVERIFY(XInput::key("space"));
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
    }

    void keysInFullScreen()
    {
        playLong();
        QVERIFY(XInput::key("f"));
        QTRY_VERIFY(m_window->isFullScreen());
        QTRY_VERIFY(m_base->isFullScreen());
        activate();
        const double before = now();
        QVERIFY(XInput::key("ctrl+Right"));
        QTRY_VERIFY(now() > before + 55);
        const int level = ui().previewVolume->value();
        QVERIFY(XInput::key("Down"));
        QTRY_COMPARE(m_player->volume(), level - 5);
        QVERIFY(XInput::key("bracketright"));
        QTRY_COMPARE(m_player->rate(), 1.25f);
        // The speed shows in the floating bar too.
        QVERIFY(m_window->controlBar()->lblSpeed->text().startsWith("1.25"));
        QVERIFY(!m_window->controlBar()->lblSpeed->isHidden());
        QVERIFY(XInput::key("Escape"));
        QTRY_VERIFY(!m_window->isFullScreen());
        QTRY_VERIFY(!m_base->isFullScreen());
    }

    // The text shows over the video as the X server draws it, stays for
    // 1.5 s, then fades and goes; a disc menu keeps it away.
    void onScreenTextOverTheVideo()
    {
        playLong();
        m_player->pause();
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        OnScreenText* text = m_window->onScreenText();
        QVERIFY(!text->isVisible());
        QVERIFY(XInput::key("Up"));
        QTRY_VERIFY(text->isVisible());
        QCOMPARE(text->text(), QString("Volume %1%").arg(m_player->volume()));
        QTest::qWait(300);
        // White letters over the test picture, where the X server shows the text.
        const QImage shown = XInput::grab(text, text->rect());
        int white = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                white += qGray(shown.pixel(x, y)) > 240 ? 1 : 0;
        }
        QVERIFY2(white > 30, qPrintable(QString::number(white)));
        // Only the letters cover the picture: the window is shaped to them.
        QVERIFY(!text->mask().isEmpty());
        QVERIFY(text->mask().boundingRect().width() > 20);
        QVERIFY(text->mask().rectCount() > 4);
        QTest::qWait(1000);
        QVERIFY(text->isVisible());
        QTRY_VERIFY(text->brightness() < 1.0);
        QTRY_VERIFY_WITH_TIMEOUT(!text->isVisible(), 1500);

        // The Blu-ray navigation menu is never covered.
        QVERIFY(QMetaObject::invokeMethod(m_window, "onBtnNavigationPanel"));
        QTRY_VERIFY(m_window->blurayMenu()->isVisible());
        QVERIFY(XInput::key("Up"));
        QTest::qWait(300);
        QVERIFY(!text->isVisible());
    }

    void snapshotKeyNamesTheFile()
    {
        const QString folder = QDir::temp().filePath("keys-snapshots");
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        uxSettings::instance()->setValue(QStringLiteral("Snapshot/Path"), folder);
        playLong();
        QTRY_VERIFY(ui().btnSnapshot->isEnabled());
        QVERIFY(XInput::key("s"));
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(uxSettings::instance()->snapshotDir()).isEmpty(), 5000);
        const QStringList files = QDir(uxSettings::instance()->snapshotDir()).entryList(QDir::Files);
        QVERIFY(!files.isEmpty());
        QTRY_VERIFY(m_window->onScreenText()->text().contains(files.first()));
    }

    void goToTimeDialog()
    {
        playLong();
        bool typed = false;
        QTimer typer;
        connect(&typer, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<GoToTimeDialog*>(QApplication::activeModalWidget());
            if (!dialog || typed)
                return;
            typed = true;
            auto* edit = dialog->findChild<QLineEdit*>("editTime");
            QVERIFY(edit);
            edit->selectAll();
            // The dialog's keys are the dialog's: digits type, not jump.
            XInput::xdotool({"type", "--delay", "30", "0:04:30"});
            XInput::key("Return");
        });
        typer.start(100);
        QVERIFY(XInput::key("ctrl+t"));
        QTRY_VERIFY_WITH_TIMEOUT(typed, 5000);
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        QTRY_VERIFY(qAbs(now() - 270) < 1.5);
    }

    void shortcutsWindowListsTheTable()
    {
        QAction* action = m_window->shortcutsAction();
        QVERIFY(action);
        auto* help = m_base->findChild<QMenu*>("menuHelp");
        QVERIFY(help && help->actions().contains(action));
        int rows = 0;
        bool listsGoTo = false;
        QTimer::singleShot(200, this, [&] {
            auto* dialog = qobject_cast<ShortcutsDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            QTreeWidget* list = dialog->list();
            rows = list->topLevelItemCount();
            QCOMPARE(list->columnCount(), 2);
            for (int i = 0; i < rows; ++i) {
                if (list->topLevelItem(i)->text(0) == QKeySequence("Ctrl+T").toString(QKeySequence::NativeText))
                    listsGoTo = true;
            }
            dialog->accept();
        });
        action->trigger();
        QCOMPARE(rows, m_window->keys()->entries().size());
        QVERIFY(rows > 20);
        QVERIFY(listsGoTo);
        // Menu entries show their keys.
        QCOMPARE(ui().actionOpen->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(ui().actionFull_Screen->shortcut(), QKeySequence("F"));
        // Play and Pause show the toggling key, also after a language change.
        const QString space = QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText);
        for (int round = 0; round < 2; ++round) {
            for (QAction* entry : {ui().actionPlay, ui().actionPause})
                QVERIFY2(entry->text().endsWith('\t' + space) && entry->text().count('\t') == 1,
                         qPrintable(entry->text()));
            QEvent change(QEvent::LanguageChange);
            QApplication::sendEvent(m_window, &change);
        }
    }

    // Quit closes as the close button does: what the user chose is kept.
    void ctrlQKeepsTheSettings()
    {
        playLong();
        ui().previewVolume->setValue(80);
        QVERIFY(XInput::key("Down"));
        QTRY_COMPARE(m_player->volume(), 75);
        QVERIFY(XInput::key("ctrl+q"));
        QTRY_VERIFY(!m_base->isVisible());
        QCOMPARE(uxSettings::instance()->value("Preview/volume").toInt(), 75);
    }
};

KP_TEST_MAIN(TestPlayerKeys)
#include "tst_playerkeys.moc"
