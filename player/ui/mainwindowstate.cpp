#include "player/ui/mainwindow.h"

#include "framework/core/uxhandoverslot.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxdialogbase.h"
#include "framework/ui/uxmessagebox.h"
#include "platform/platformopticaldrives.h"
#include "platform/platformscreensaverinhibitor.h"
#include "player/discs/discdetection.h"
#include "player/discs/dlgopendisc.h"
#include "player/discs/ffaddfileprocessingdlg.h"
#include "player/discs/qbluraymenu.h"
#include "player/engine/qvlcplayer.h"
#include "player/engine/vlcaudiowidget.h"
#include "player/engine/vlcvideowidget.h"
#include "player/ui/adjustdialog.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/mainwindowbase.h"
#include "player/ui/openingwatch.h"
#include "player/ui/openproblem.h"
#include "player/ui/playercontrolstates.h"
#include "player/ui/preferencesdialog.h"
#include "player/ui/reportthread.h"
#include "widgets/kpplayseekingbar.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMovie>
#include <QScreen>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

const QString kNoTime = QStringLiteral("--:--:--");

template <typename T>
void applyEnabled(const PlayerControls::Flag& flag, std::initializer_list<T*> items)
{
    if (flag) {
        for (T* item : items)
            item->setEnabled(*flag);
    }
}

template <typename T>
void applyShown(const PlayerControls::Flag& flag, std::initializer_list<T*> items)
{
    if (flag) {
        for (T* item : items)
            item->setVisible(*flag);
    }
}

} // namespace

// --- Following the player ---------------------------------------------------

void MainWindow::onstateChanged(int state)
{
    if (state != QVlcPlayer::Opening)
        m_openingWatch->finish(isPlayingState(state));
    updateUiControl(state);
    showSpeed();
}

void MainWindow::updateUiControl(int state)
{
    if (state < QVlcPlayer::Idle || state > QVlcPlayer::Started)
        return;
    if (state == QVlcPlayer::Idle) {
        storeCurrentResumePoint();
        m_positionKnown = false;
        // The next playlist entry opens at once; the picture area stays.
        if (m_advancing)
            return;
    } else if (isPlayingState(state) && m_recentUnconfirmed) {
        // The media opened: its entry is kept at once, so a crash later in the
        // session does not lose it.
        m_recentUnconfirmed = false;
        m_recent.save();
    }
    if (isPlayingState(state))
        m_entryFailures = 0;
    applyState(state);
    if (state == QVlcPlayer::Idle)
        applyIdle();
    else if (state == QVlcPlayer::Opening) {
        if (m_blurayMenuShown)
            hideBlurayMenu();
        hideAudioPicture();
    } else if (isPlayingState(state)) {
        QTimer::singleShot(0, this, &MainWindow::onInitStartPoint);
        // The menu goes first: the navigation buttons stay off while it is shown,
        // and a disc's time may not move to update them again soon.
        if (state == QVlcPlayer::Playing && m_blurayMenuShown)
            hideBlurayMenu();
        applyNav();
        updateMediaName();
        hideWaiting();
        if (m_hasVideo) {
            hideAudioPicture();
        } else if (m_hasAudio) {
            m_audioPicture->show();
            m_audioPicture->raise();
        }
    } else {
        applyNav();
    }
    // Only a moving picture keeps the screen awake: paused, stopped or
    // audio-only media let the desktop blank it.
    m_screenSaver->setInhibited(isPlayingState(state) && m_hasVideo, tr("Playing a video"));
}

bool MainWindow::isPlayingState(int state)
{
    return state == QVlcPlayer::Playing || state == QVlcPlayer::Started;
}

PlayerSituation MainWindow::situation(int state) const
{
    PlayerSituation s;
    s.state = state;
    s.hasVideo = m_hasVideo;
    s.hasAudio = m_hasAudio;
    s.hasSubtitles = m_hasSubtitles;
    int channel = 0;
    s.audioChannels = m_hasAudio && m_player->audioChannel(channel) && channel > 0;
    s.bluray = m_isBluray;
    s.chapters = hasChapters();
    s.discMenuShown = m_blurayMenuShown;
    s.closing = m_closing;
    s.recentFiles = !m_recent.first().isEmpty();
    return s;
}

void MainWindow::applyState(int state)
{
    const PlayerControls controls = PlayerControlStates::forSituation(situation(state));
    applyShown(controls.ejectShown, {m_ui.btnEject});
    applyTransport(controls);
    applyMediaMenus(controls);
    applyDiscControls(controls);
    applySeekBars(controls);
    applyOpenActions(controls);
    applyPage(controls);
}

void MainWindow::applyTransport(const PlayerControls& c)
{
    FormControlPanel* bar = m_controlBar;
    applyShown(c.playShown, {m_ui.btnPlay, bar->btnPlay});
    applyShown(c.playShown, {m_ui.actionPlay});
    const PlayerControls::Flag pauseShown =
        c.playShown ? PlayerControls::Flag(!*c.playShown) : std::nullopt;
    applyShown(pauseShown, {m_ui.btnPause, bar->btnPause});
    applyShown(pauseShown, {m_ui.actionPause});
    applyEnabled(c.stopEnabled, {m_ui.btnStop, bar->btnStop});
    applyEnabled(c.stopEnabled, {m_ui.actionStop});
    applyEnabled(c.snapshotEnabled, {m_ui.btnSnapshot});
    applyEnabled(c.barSnapshotEnabled, {bar->btnSnapshot});
    applyEnabled(c.fullScreenActionEnabled, {m_ui.actionFull_Screen});
}

void MainWindow::applyMediaMenus(const PlayerControls& c)
{
    applyEnabled(c.audioMenusEnabled, {m_ui.menuAudio_Track, m_ui.menuAudio_Device});
    applyEnabled(c.audioChannelEnabled, {m_ui.menuAudio_Channel});
    applyEnabled(c.subtitleMenuEnabled, {m_ui.menuSubtitle_Track});
    applyEnabled(c.videoMenuEnabled, {m_ui.menuVideo_Track});
    applyEnabled(c.videoControlsEnabled, {m_ui.actionHalf_Size, m_ui.actionNormal_Size,
                                         m_ui.actionDouble_Size, m_ui.actionFit_to_Screen});
    applyEnabled(c.videoControlsEnabled, {m_ui.menuDeinterlace_Mode});
    applyEnabled(c.videoControlsEnabled, {m_ui.btnFullScreen, m_ui.btnRestore});
}

void MainWindow::applyDiscControls(const PlayerControls& c)
{
    const std::initializer_list<QToolButton*> buttons = {
        m_ui.btnNext, m_ui.btnPrev, m_controlBar->btnNext, m_controlBar->btnPrev};
    applyShown(c.discButtonsShown, buttons);
    applyEnabled(c.discButtonsEnabled, buttons);
    applyEnabled(c.discMenusEnabled, {m_ui.actionNavigationPanel});
    applyEnabled(c.discMenusEnabled, {m_ui.menuTitle});
    applyEnabled(c.chapterMenuEnabled, {m_ui.menuCharter});
}

// A disc always navigates by chapters; a file only when it has some.
bool MainWindow::hasChapters() const
{
    if (m_isBluray)
        return true;
    const int t = m_player->currentTitle();
    for (const VlcTitle& title : qAsConst(m_titles)) {
        if (title.id == t)
            return !title.chapters.isEmpty();
    }
    return false;
}

void MainWindow::applySeekBars(const PlayerControls& c)
{
    applyEnabled(c.seekBarEnabled, {m_ui.playSeekingBar});
    applyEnabled(c.barSeekBarEnabled, {m_controlBar->playSeekingBar});
}

void MainWindow::applyOpenActions(const PlayerControls& c)
{
    applyEnabled(c.openActionsEnabled, {m_ui.actionOpen, m_ui.actionLode_Disc});
    applyEnabled(c.recentMenuEnabled, {m_ui.menuRecent_File});
}

void MainWindow::applyPage(const PlayerControls& c)
{
    if (c.startPageShown) {
        m_ui.frm_Start->setVisible(*c.startPageShown);
        m_ui.frmVideoPlayer->setVisible(!*c.startPageShown);
    }
    if (c.waitingShown && *c.waitingShown)
        showWaiting();
    else if (c.waitingShown)
        hideWaiting();
}

void MainWindow::applyIdle()
{
    applyNav();
    m_ui.btnFullScreen->show();
    m_ui.btnRestore->hide();
    OutFullScreen();
    m_ui.menuTitle->clear();
    m_ui.menuCharter->clear();
    m_titleNames.clear();
    m_titles.clear();
    m_ui.lblMeidaName->setText(QStringLiteral("-"));
    m_ui.lblMeidaName->setToolTip(QStringLiteral("-"));
    emit mediaTitleChanged();
    m_ui.btnPlay->setFocus();
    resetSeekBar();
    hideBlurayMenu();
    hideAudioPicture();
}

void MainWindow::resetSeekBar()
{
    m_userSeeking = false;
    m_ui.playSeekingBar->setRange(0, 1);
    m_ui.playSeekingBar->setTrimRange(0, 0);
    m_ui.playSeekingBar->setValue(0);
    m_ui.lblPlayPosition->setText(kNoTime);
    m_ui.lblDuration->setText(kNoTime);
}

void MainWindow::applyNav()
{
    FormControlPanel* bar = m_controlBar;
    const bool idle = m_player->state() == QVlcPlayer::Idle;
    const bool titles = m_isBluray && !idle;
    const bool active = hasChapters() && !idle;
    const bool free = !m_blurayMenuShown;
    const int t = m_player->currentTitle();
    const int c = m_player->currentChapter();
    int chapters = 0;
    for (const VlcTitle& title : qAsConst(m_titles)) {
        if (title.id == t)
            chapters = title.chapters.size();
    }
    m_ui.actionPrevious_Title->setEnabled(titles && t != 0 && free);
    m_ui.actionNext_Title->setEnabled(titles && t + 1 != m_titles.size() && free);
    const bool previous = active && c != 0 && free;
    const bool next = active && c + 1 != chapters && free;
    m_ui.actionPrevious_Chapter->setEnabled(previous);
    m_ui.actionNext_Chapter->setEnabled(next);
    for (QToolButton* b : {m_ui.btnPrev, bar->btnPrev})
        b->setEnabled(previous);
    for (QToolButton* b : {m_ui.btnNext, bar->btnNext})
        b->setEnabled(next);
}

QString MainWindow::mediaName() const
{
    const QString media = m_player->currentMediaName();
    const QString name = m_isBluray ? m_discName : media;
    return name.isEmpty() ? media.mid(media.lastIndexOf(QLatin1Char('/')) + 1) : name;
}

QString MainWindow::mediaTitle() const
{
    if (m_player->state() == QVlcPlayer::Idle)
        return QString();
    const QString tagged = m_isBluray ? QString() : m_player->mediaTitle();
    return tagged.isEmpty() ? mediaName() : tagged;
}

void MainWindow::updateMediaName()
{
    const QString name = mediaName();
    const int width = int(uxSrcMgr::dpiScale() * 150);
    const QString shown = QFontMetrics(QFont()).elidedText(name, Qt::ElideMiddle, width);
    for (QLabel* label : {m_ui.lblMeidaName, m_controlBar->lblMeidaName}) {
        label->setText(shown);
        label->setToolTip(name);
    }
    emit mediaTitleChanged();
}

// --- Position, length, volume -----------------------------------------------

QString MainWindow::clockText(float seconds)
{
    const int total = int(seconds);
    const int h = total / 3600;
    const int m = (total - 3600 * h) / 60;
    const int s = total - 3600 * h - 60 * m;
    return QTime(h, m, s, 0).toString(QStringLiteral("hh:mm:ss"));
}

void MainWindow::onlengthChanged(float length)
{
    m_length = length;
    // A resume point waits for the length of its media.
    if (isPlayingState(m_player->state()))
        QTimer::singleShot(0, this, &MainWindow::onInitStartPoint);
    const int n = int(length);
    if (n == m_ui.playSeekingBar->maximum())
        return;
    for (KpPlaySeekingBar* bar : {m_ui.playSeekingBar, m_controlBar->playSeekingBar}) {
        bar->setRange(0, n);
        bar->setTrimRange(0, n);
        bar->setEnabled(true);
    }
    const QString text = clockText(length);
    m_ui.lblDuration->setText(text);
    m_controlBar->lblDuration->setText(text);
}

void MainWindow::ontimeChanged(float time)
{
    if (!m_player || m_blurayMenuShown)
        return;
    // What is set here is the player's position, never a request to seek.
    m_userSeeking = false;
    const qint64 seeking = m_keySeek.shownInstead(qint64(time * 1000.0f));
    if (seeking >= 0)
        time = float(seeking) / 1000.0f;
    if (time > 0)
        m_positionKnown = true;
    // Remembered while it plays: a stopped player no longer knows its title.
    if (m_isBluray && time > 0)
        m_discTitle = qMax(m_player->currentTitle(), 0);
    const QString text = clockText(time);
    const QPair<KpPlaySeekingBar*, QLabel*> bars[] = {
        {m_ui.playSeekingBar, m_ui.lblPlayPosition},
        {m_controlBar->playSeekingBar, m_controlBar->lblPlayPosition}};
    for (const auto& [bar, label] : bars) {
        // A handle the user holds stays under the pointer.
        if (bar->isSliderDown())
            continue;
        bar->setValue(int(time));
        label->setText(text);
    }
    applyNav();
}

void MainWindow::onPlaySeekingBarPlayPosPreChanged(int)
{
    if (!m_player)
        return;
    m_userSeeking = true;
    // An action that leaves the value where it was brings no valueChanged();
    // its flag must not turn the next value the program sets into a seek.
    QMetaObject::invokeMethod(this, [this] { m_userSeeking = false; }, Qt::QueuedConnection);
}

void MainWindow::onPlaySeekingBarPlayPosChanged(int nPlayPos)
{
    if (!m_player || !m_userSeeking)
        return;
    m_player->seek(float(nPlayPos));
    m_userSeeking = false;
}

int MainWindow::changeVolume(int volume)
{
    return m_player && m_player->setVolume(volume) ? 1 : 0;
}

void MainWindow::onInitPreviewVolume()
{
    m_ui.previewVolume->setToolTip(
        QStringLiteral("%1").arg(m_ui.previewVolume->value()) + QStringLiteral("%"));
}

void MainWindow::onBtnSpeakerOnClicked()
{
    setMuted(true);
}

void MainWindow::onBtnSpeakerOffClicked()
{
    setMuted(false);
}

// Both speaker buttons and both volume bars, in the window and the floating bar.
void MainWindow::setMuted(bool muted)
{
    for (QToolButton* b : {m_ui.btnSpeakerOn, m_controlBar->btnSpeakerOn})
        b->setVisible(!muted);
    for (QToolButton* b : {m_ui.btnSpeakerOff, m_controlBar->btnSpeakerOff})
        b->setVisible(muted);
    m_ui.previewVolume->setEnabled(!muted);
    m_controlBar->previewVolume->setEnabled(!muted);
    m_player->setMute(muted);
}

// --- Tracks, titles, disc menu, errors --------------------------------------

void MainWindow::onTrackInfoChanged()
{
    for (QMenu* menu : {m_ui.menuAudio_Track, m_ui.menuVideo_Track, m_ui.menuSubtitle_Track})
        menu->clear();
    m_hasVideo = buildTrackMenu(m_ui.menuVideo_Track, VlcVideoTrack, SLOT(setVideoTrack()),
                                SLOT(onVideoTrackMenuAboutToShow()));
    m_hasAudio = buildTrackMenu(m_ui.menuAudio_Track, VlcAudioTrack, SLOT(setAudioTrack()),
                                SLOT(onAudioTrackMenuAboutToShow()));
    m_hasSubtitles = buildTrackMenu(m_ui.menuSubtitle_Track, VlcSubtitleTrack,
                                    SLOT(setSubtitleTrack()), SLOT(onSubtitleTrackMenuAboutToShow()));
    addSubtitleFileEntry();
    updateUiControl(m_player->state());
}

void MainWindow::onTitleInfoChanged()
{
    rebuildTitleMenu();
    onMenuControlsAboutToShow();
    // A file's chapters may become known after it started.
    applyDiscControls(PlayerControlStates::forSituation(situation(m_player->state())));
    applyNav();
}

void MainWindow::onBlurayPrepareOK()
{
    if (!m_player || !m_blurayMenu)
        return;
    hideWaiting();
    showBlurayMenu();
}

void MainWindow::onBlurayTitleEnded()
{
    if (m_player && m_blurayMenu)
        showBlurayMenu();
    for (KpPlaySeekingBar* bar : {m_ui.playSeekingBar, m_controlBar->playSeekingBar})
        bar->setValue(0);
    for (QLabel* label : {m_ui.lblPlayPosition, m_controlBar->lblPlayPosition})
        label->setText(QStringLiteral("00:00:00"));
}

void MainWindow::onErrorOccurred()
{
    withdrawRecent();
    // The player reaches idle right after this signal; the message waits for
    // it, so no open can start inside the player's own handling.
    m_openingWatch->fail();
    const QString location = m_openingWatch->location();
    const QString message = OpenProblem::message(location, tr("File loading failed."));
    QTimer::singleShot(0, this, [this, location, message] {
        showMessage(message);
        skipFailedEntry(location);
    });
}
