// The player window hosted in the top-level window, with real playback:
// opening from every path, the controls following the player, the menus
// rebuilt from the media, full screen with its floating bar, zoom presets,
// and what it remembers (recent files, resume points, volume, deinterlace).
#include "fixtures/blurayauthor.h"
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "fixtures/playerwindowfixture.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxmessagebox.h"
#include "player/discs/qbluraymenu.h"
#include "player/engine/qvlcplayer.h"
#include "player/engine/vlcvideowidget.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/mainwindow.h"
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"
#include "widgets/kpplayseekingbar.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QWheelEvent>
#include <QToolButton>
#include <functional>

namespace {

// Runs action on the next modal dialog of type T once it is up.
template <typename T>
void whenModal(std::function<void(T*)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            action(dialog);
        }
    });
    poll->start();
}

void answerMessage(QString* text)
{
    whenModal<uxMessageBox>([text](uxMessageBox* box) {
        *text = box->findChild<QLabel*>("labelinfo")->text();
        box->done(QDialogButtonBox::Ok);
    });
}

QStringList texts(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* action : actions)
        out << (action->isSeparator() ? QString("—") : action->text());
    return out;
}

QAction* checkedAction(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        if (action->isChecked())
            return action;
    }
    return nullptr;
}

void call(QObject* target, const char* slot)
{
    QVERIFY(QMetaObject::invokeMethod(target, slot, Qt::DirectConnection));
}

} // namespace

class TestMainWindow : public QObject, protected PlayerWindowFixture
{
    Q_OBJECT
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
    void cleanup() { closeWindow(); }

    void structureAndStartPage()
    {
        QCOMPARE(m_window->objectName(), QString("MainWindow"));
        QCOMPARE(m_base->menuBar(), ui().menuBar);
        // File and Tools are the framework's menus, which it titles and extends.
        QCOMPARE(texts(ui().menuBar->actions()),
                 QStringList({"&File", "Controls", "Playlist", "Audio", "Video", "&Tools", "&Help"}));
        QCOMPARE(texts(ui().menuControls->actions()),
                 QStringList({"Title", "Chapter", "Navigation Panel", "—", "Play\tSpace", "Pause\tSpace", "Stop",
                              "—", "Previous Title", "Next Title", "Previous Chapter",
                              "Next Chapter", "—", "Go to Time...", "Next frame (while paused)",
                              "Speed", "Subtitle Delay", "Audio Delay"}));
        QCOMPARE(ui().menuFile->actions().last()->objectName(), QString("fileExit"));
        QVERIFY(ui().frm_Start->isVisible());
        QVERIFY(!ui().frmVideoPlayer->isVisible());
        QVERIFY(!ui().btnStop->isEnabled());
        QVERIFY(!ui().menuTitle->isEnabled());
        QVERIFY(!ui().actionPause->isVisible());
        QVERIFY(!m_window->controlBar()->isVisible());
        QVERIFY(ui().lblBlu_Ray->text().contains("/blu.png\" width=\"360\" height=\"130\""));
        QCOMPARE(ui().btnOpenFolder->text(), QString("Open File"));
        // A language switch re-applies every text.
        uxSrcMgr::instance()->setCurrentLanguage("de");
        QTRY_COMPARE(ui().menuControls->title(), QString("Steuerung"));
        QVERIFY(ui().lblBlu_Ray->text().contains("/blu_de.png"));
        uxSrcMgr::instance()->setCurrentLanguage("en");
        QTRY_COMPARE(ui().menuControls->title(), QString("Controls"));
        QCOMPARE(ui().menuFile->title(), QString("&File"));
    }

    void fileFollowsThePlayer()
    {
        const QString movie = MediaFixture::movie();
        openAndPlay(movie);
        QVERIFY(!ui().frm_Start->isVisible());
        QVERIFY(ui().frmVideoPlayer->isVisible());
        QVERIFY(ui().btnPause->isVisible() && !ui().btnPlay->isVisible());
        QVERIFY(ui().btnStop->isEnabled());
        QCOMPARE(ui().lblMeidaName->toolTip(), QFileInfo(movie).fileName());
        QTRY_COMPARE(ui().lblDuration->text(), QString("00:00:06"));
        QCOMPARE(ui().playSeekingBar->maximum(), 6);
        QCOMPARE(m_window->controlBar()->lblDuration->text(), QString("00:00:06"));
        // Track menus: the first entry switches the kind off, later ones are numbered
        // and keep what follows the first " - " of libVLC's description.
        QCOMPARE(texts(ui().menuAudio_Track->actions()),
                 QStringList({"Disable", "Track 1 - [English]", "Track 2 - [German]"}));
        QVERIFY(ui().menuAudio_Track->isEnabled());
        QVERIFY(ui().menuSubtitle_Track->isEnabled());
        QVERIFY(!ui().btnNavPanel->isVisible());
        QCOMPARE(m_window->resumeKey(), movie);
        QCOMPARE(uxSettings::instance()->value("Edit/LastVideoFilePath").toString(), movie);

        // Space pauses and resumes; the wheel over the picture sets the volume.
        m_base->activateWindow();
        QTest::keyClick(m_window, Qt::Key_Space);
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        QTest::keyClick(m_window, Qt::Key_Space);
        QVERIFY(m_probe->waitForState(QVlcPlayer::Playing));
        const int volume = ui().previewVolume->value();
        QWheelEvent wheel(QPointF(10, 10), ui().videoWidget->mapToGlobal(QPointF(10, 10)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(ui().videoWidget, &wheel);
        QCOMPARE(ui().previewVolume->value(), volume - 5);

        // A click on the groove seeks there.
        KpPlaySeekingBar* bar = ui().playSeekingBar;
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(bar->pixelOfValue(4), bar->height() / 2));
        QVERIFY(m_probe->waitForTime(3.9f));

        call(m_window, "onBtnStopClicked");
        QVERIFY(m_probe->waitForIdle());
        QVERIFY(ui().frm_Start->isVisible());
        QCOMPARE(ui().lblDuration->text(), QString("--:--:--"));
        QCOMPARE(ui().lblMeidaName->text(), QString("-"));
        QVERIFY(ui().menuTitle->actions().isEmpty());
        QVERIFY(!ui().btnStop->isEnabled());
    }

    void resumePointsAndRecentFiles()
    {
        const QString movie = MediaFixture::movie();
        const QString audio = MediaFixture::audioOnly();
        openAndPlay(movie);
        // The clip lasts 6 s; a place within 2 s of its end would not be kept.
        m_player->seek(1);
        QTRY_VERIFY(ui().playSeekingBar->value() >= 1);
        // Opening another file while the first plays keeps the first one's place.
        openAndPlay(audio);
        const QVariantMap points = uxSettings::instance()->value("Continue/Points").toMap();
        QVERIFY(points.value(movie).toFloat() >= 1.0f);
        QVERIFY(!ui().frmVideoPlayer->isHidden());

        // Reopening seeks back there once and forgets the place.
        m_probe->clear();
        m_window->openFileByName(movie);
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        QTRY_VERIFY(!uxSettings::instance()->value("Continue/Points").toMap().contains(movie));
        QTRY_VERIFY(ui().playSeekingBar->value() >= 1);

        // The recent list, most recent first, without duplicates.
        QMenu* recent = ui().menuRecent_File;
        QVERIFY(recent->isEnabled());
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 4); // two entries, a separator, Clear
        QCOMPARE(recent->actions().at(0)->toolTip(), movie);
        QCOMPARE(recent->actions().at(1)->toolTip(), audio);
        QCOMPARE(recent->actions().last()->text(), QString("Clear"));
        closeWindow();
        QCOMPARE(uxSettings::instance()->value("RecentFile/strFile_0").toString(), movie);
        QCOMPARE(uxSettings::instance()->value("RecentFile/strFile_1").toString(), audio);
        QCOMPARE(uxSettings::instance()->value("RecentFile/strFile_2").toString(), QString());

        // Clear empties the stored list and the menu until a new open.
        openWindow();
        emit ui().menuRecent_File->aboutToShow();
        ui().menuRecent_File->actions().last()->trigger();
        QVERIFY(!ui().menuRecent_File->isEnabled());
        QCOMPARE(uxSettings::instance()->value("RecentFile/strFile_0").toString(), QString());
    }

    void volumeAndDeinterlaceAreRemembered()
    {
        closeWindow();
        uxSettings::instance()->setValue("Preview/volume", 60);
        uxSettings::instance()->setValue("Preview/enableVolume", false);
        uxSettings::instance()->setValue("Preview/DeinterlaceMode", "disable");
        openWindow();
        QCOMPARE(ui().previewVolume->value(), 60);
        QCOMPARE(m_window->controlBar()->previewVolume->value(), 60);
        QVERIFY(!ui().previewVolume->isEnabled());
        QVERIFY(ui().btnSpeakerOff->isVisibleTo(m_window));
        QVERIFY(!m_window->controlBar()->btnSpeakerOn->isVisibleTo(m_window->controlBar()));
        emit ui().menuDeinterlace_Mode->aboutToShow();
        QCOMPARE(checkedAction(ui().menuDeinterlace_Mode)->objectName(), QString("actionDisable"));
        ui().deinterlaceActions.at(7)->trigger(); // Yadif
        call(m_window, "onBtnSpeakerOffClicked");
        m_window->controlBar()->previewVolume->setValue(90); // the bars mirror each other
        QCOMPARE(ui().previewVolume->value(), 90);
        closeWindow();
        QCOMPARE(uxSettings::instance()->value("Preview/volume").toInt(), 90);
        QCOMPARE(uxSettings::instance()->value("Preview/enableVolume").toBool(), true);
        QCOMPARE(uxSettings::instance()->value("Preview/DeinterlaceMode").toString(),
                 QString("yadif"));

        // A stored mode the player does not know is not taken: deinterlacing stays off.
        uxSettings::instance()->setValue("Preview/DeinterlaceMode", "sharpen");
        openWindow();
        emit ui().menuDeinterlace_Mode->aboutToShow();
        QCOMPARE(checkedAction(ui().menuDeinterlace_Mode)->objectName(), QString("actionDisable"));
    }

    void foldersThatAreNoBlurayAreRefused()
    {
        TestEnvironment env;
        QVERIFY(QDir().mkpath(env.path() + "/dvd/VIDEO_TS"));
        QVERIFY(QDir().mkpath(env.path() + "/dvd/BDMV"));
        QVERIFY(QDir().mkpath(env.path() + "/plain"));
        for (const QString& folder : {env.path() + "/dvd", env.path() + "/plain"}) {
            QString message;
            answerMessage(&message);
            m_window->openFileByName(folder);
            QCOMPARE(message, QString("Cannot open \"%1\".\nInvalid Blu-ray file.").arg(folder));
            QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        }
        // An empty request asks for a file.
        bool asked = false;
        whenModal<QFileDialog>([&asked](QFileDialog* dialog) {
            asked = true;
            dialog->reject();
        });
        m_window->openFileByName(QString());
        QVERIFY(asked);
    }

    void drops()
    {
        const QString movie = MediaFixture::movie();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(movie), QUrl::fromLocalFile(MediaFixture::audioOnly()),
                      QUrl::fromLocalFile("/tmp/third.mkv")});
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject*>(m_window)->event(&drop);
        QVERIFY(drop.isAccepted());
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        QCOMPARE(m_window->resumeKey(), movie);
    }

    void blurayFolderShowsItsMenu()
    {
        const QString disc = BlurayAuthor::disc();
        QVERIFY2(!disc.isEmpty(), "the disc could not be authored");
        m_window->openFileByName(disc + "/BDMV/STREAM");
        QVERIFY2(QTest::qWaitFor([this] { return m_probe->prepared > 0 || m_probe->errors > 0; },
                                 30000),
                 qPrintable(m_probe->order.join(' ')));
        QCOMPARE(m_probe->errors, 0);
        QVERIFY(m_window->blurayMenu()->isVisible());
        QVERIFY(ui().btnNavPanel->isVisible());
        QFile index(disc + "/BDMV/index.bdmv");
        QVERIFY(index.open(QIODevice::ReadOnly));
        QCOMPARE(m_window->resumeKey(),
                 QString(QCryptographicHash::hash(index.readAll(), QCryptographicHash::Sha1).toHex()));
        const QString root = QDir(disc).absolutePath() + "/";
        QCOMPARE(uxSettings::instance()->value("Edit/LastDiscFilePath").toString(), root);
        QCOMPARE(uxSettings::instance()->value("BDDis").toString(), root);
        QTRY_VERIFY(!ui().menuTitle->actions().isEmpty());
        emit ui().menuControls->aboutToShow();
        QCOMPARE(ui().menuCharter->actions().size(), 7);
        // Playing from the menu hides it; the chapter buttons follow the position.
        QVERIFY2(m_probe->waitForState(QVlcPlayer::Paused), qPrintable(m_probe->order.join(' ')));
        auto* catalog = m_window->blurayMenu()->findChild<QListWidget*>("lstMenuCatalog");
        emit catalog->itemClicked(catalog->item(0));
        QVERIFY2(m_probe->waitForState(QVlcPlayer::Playing), qPrintable(m_probe->order.join(' ')));
        QTRY_VERIFY(!m_window->blurayMenu()->isVisible());
        QVERIFY(ui().btnNext->isVisible());
        QTRY_VERIFY(ui().btnNext->isEnabled());
        QVERIFY(ui().actionNavigationPanel->isEnabled());
        call(m_window, "onBtnNavigationPanel");
        QVERIFY(m_window->blurayMenu()->isVisible());
        QTRY_COMPARE(m_player->state(), int(QVlcPlayer::Paused));
    }

    void fullScreenAndItsBar()
    {
        openAndPlay(MediaFixture::movie());
        QVERIFY(ui().btnFullScreen->isEnabled());
        call(m_window, "setFullScreen");
        QTRY_VERIFY(ui().videoWidget->isShownFullScreen());
        QVERIFY(m_window->isFullScreen());
        // The embedded controls give way to the picture; the floating bar
        // offers Restore.
        QVERIFY(!ui().frame->isVisible());
        QVERIFY(!ui().btnRestore->isHidden());
        QVERIFY(!m_window->controlBar()->btnRestore->isHidden());
        QVERIFY(!m_window->controlBar()->isVisible());
        QWidget* video = ui().videoWidget;
        QTRY_COMPARE(QRect(video->mapToGlobal(QPoint(0, 0)), video->size()),
                     m_base->screen()->geometry());
        QCursor::setPos(video->mapToGlobal(QPoint(video->width() / 2, video->height() - 2)));
        QTRY_VERIFY(m_window->controlBar()->isVisible());
        QCOMPARE(m_window->controlBar()->geometry().bottom(),
                 video->mapToGlobal(QPoint(0, video->height() - 1)).y());
        QCursor::setPos(video->mapToGlobal(QPoint(video->width() / 2, 50)));
        QTRY_VERIFY(!m_window->controlBar()->isVisible());
        // A resting pointer hides over the picture and comes back with the window.
        QTest::mouseMove(video, QPoint(video->width() / 2, 60));
        QTRY_VERIFY(QApplication::overrideCursor()
                    && QApplication::overrideCursor()->shape() == Qt::BlankCursor);
        // Escape, like every zoom preset, returns to the window.
        QTest::keyClick(ui().videoWidget, Qt::Key_Escape);
        QTRY_VERIFY(!m_window->isFullScreen());
        QTRY_VERIFY(!ui().videoWidget->isShownFullScreen());
        QVERIFY(ui().btnFullScreen->isVisibleTo(m_window));
        QVERIFY(!QApplication::overrideCursor());
    }

    void zoomPresets()
    {
        openAndPlay(MediaFixture::movie());
        QTRY_VERIFY(m_player->videoSize().isValid());
        const QSize video = m_player->videoSize(); // 640 x 360
        const QSize chrome = m_base->size() - ui().videoWidget->size();
        call(m_window, "setFullScreen");
        QTRY_VERIFY(ui().videoWidget->isShownFullScreen());
        // The window keeps the least size its controls need.
        call(m_window, "onActionHalfSize");
        QVERIFY(!m_window->isFullScreen());
        QTRY_COMPARE(m_base->size(), (chrome + video / 2).expandedTo(m_base->minimumSize()));
        call(m_window, "onActionDoubleSize");
        const QSize available = m_base->screen()->availableGeometry().size();
        QTRY_COMPARE(m_base->size(), (chrome + video * 2).boundedTo(available));
        call(m_window, "onActionFittoScreen");
        const QRect area = m_base->screen()->availableGeometry();
        QTRY_COMPARE(m_base->geometry().left(), area.left());
        QCOMPARE(m_base->width(), area.width());
    }

    void snapshotsAreSavedByDateAndTime()
    {
        TestEnvironment env;
        uxSettings::instance()->setSnapshotDir(env.path());
        uxSettings::instance()->setSnapshotFormat("png");
        QImage image(32, 16, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(QMetaObject::invokeMethod(m_window, "onSnapshotTaken", Q_ARG(QImage, image)));
        const QStringList files = QDir(env.path()).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY2(QRegularExpression("^\\d{8}\\d{9}\\.png$").match(files.first()).hasMatch(),
                 qPrintable(files.first()));
        QCOMPARE(QImage(env.path() + "/" + files.first()).size(), QSize(32, 16));
    }

    void errorsAreShown()
    {
        QString message;
        answerMessage(&message);
        m_window->openFileByName(MediaFixture::randomBytes());
        QTRY_COMPARE(message, QString("Cannot open \"%1\".\nFile loading failed.")
                                  .arg(MediaFixture::randomBytes()));
    }
};

KP_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
