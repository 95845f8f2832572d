#include "player/ui/mainwindow.h"

#include "framework/core/uxhandoverslot.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxdialogbase.h"
#include "framework/ui/uxmessagebox.h"
#include "platform/platformopticaldrives.h"
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

const char* const kMediaPatterns =
    "(*.ts;*.mts;*.m2ts;*.trp;*.tp;*.mpg;*.mpeg;*.mpeg2;*.vob;*.dat;*.mp4;*.m4v;*.rm;*.rmvb;"
    "*.wmv;*.asf;*.mkv;*.avi;*.3gp;*.3g2;*.flv;*.swf;*.f4v;*.mpv;*.mod;*.tod;*.qt;*.mov;*.dv;"
    "*.dif;*.mjpg;*.mjpeg;*.webm;*.MXF;*.mxf;*.mp3;*.mp2;*.aac;*.ac3;*.wav;*.wma;*.m4a;*.ra;"
    "*.ram;*.ogg;*.au;*.aif;*.aiff;*.ape;*.flac);;";
const QString kNoTime = QStringLiteral("--:--:--");
const QString kDiscKey = QStringLiteral("BDDis");

// Qt's file dialogs take folders with "/" and the player's media paths may
// carry a trailing one; both compare equal once cleaned.
QString cleanRoot(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

} // namespace

// --- Construction -----------------------------------------------------------

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    m_ui.setupUi(this);
    m_player = new QVlcPlayer(this);
    m_player->setVideoWidget(m_ui.videoWidget);
    m_blurayMenu = new QBluRayMenu(m_ui.videoWidget);
    m_blurayMenu->setPlayer(m_player);
    m_audioPicture = new VlcAudioWidget(m_ui.videoWidget);
    m_audioPicture->setPlayer(m_player);
    for (QWidget* overlay : {static_cast<QWidget*>(m_blurayMenu), static_cast<QWidget*>(m_audioPicture)}) {
        overlay->lower();
        overlay->hide();
    }
    m_ui.btnNavPanel->hide();
    m_fileFilter = tr("Media Files") + QLatin1String(kMediaPatterns) + tr("All Files")
                   + QStringLiteral(" (*.*)");
    m_waitingLabel = new QLabel(m_ui.videoWidget);
    m_waitingLabel->setObjectName(QStringLiteral("lblWaiting"));
    m_waitingLabel->setAlignment(Qt::AlignCenter);
    m_waitingLabel->hide();
    m_waitingLabel->lower();
    if (productSwitch("enableVideoInput"))
        m_recent.load();
    m_ui.menuRecent_File->setEnabled(!m_recent.first().isEmpty());
    setInitialState();
    applyInputSwitches();
    connectActions();
    connectBar();
    connectPlayer();
    setupControlBar();
    setupGroups();
    restoreVolume();
    auto* escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    connect(escape, &QAction::triggered, this, &MainWindow::OutFullScreen);
    addAction(escape);
    addPlayerKeys();
    fillBanner();
    m_ui.videoWidget->installEventFilter(this);
    // In full screen the pointer gets out of the picture's way when it rests.
    m_ui.videoWidget->enableMouseHide();
    // The reader side of the slot: it attaches to the running copy's segment when
    // it reads, and never creates or replaces it.
    m_handover = new uxHandoverSlot(uxProductInfo::instance()->guid(), this);
    QTimer::singleShot(500, this, [this] {
        m_handoverTimer = new QTimer(this);
        connect(m_handoverTimer, &QTimer::timeout, this, &MainWindow::onPlayFromFile);
        m_handoverTimer->start(1000);
    });
    auto* volumeTip = new QTimer(this);
    connect(volumeTip, &QTimer::timeout, this, &MainWindow::onInitPreviewVolume);
    volumeTip->start(1000);
}

MainWindow::~MainWindow()
{
    if (m_waitingMovie)
        m_waitingMovie->stop();
    delete m_waitingMovie;
    delete m_blurayMenu;
    delete m_audioPicture;
    delete m_player;
    delete m_controlBar;
}

// Space plays and pauses, and the wheel over the picture sets the volume, in
// the window as in full screen (where the picture is a window of its own).
void MainWindow::addPlayerKeys()
{
    auto* playPause = new QAction(this);
    playPause->setObjectName(QStringLiteral("actionPlayPause"));
    playPause->setShortcut(Qt::Key_Space);
    connect(playPause, &QAction::triggered, this, [this] {
        if (isPlayingState(m_player->state()))
            onBtnPauseClicked();
        else
            onBtnPlayClicked();
    });
    addAction(playPause);
    m_ui.videoWidget->addAction(playPause);
    connect(m_ui.videoWidget, &VlcVideoWidget::wheel, this, [this](bool up) {
        KpPlaySeekingBar* volume = m_ui.previewVolume;
        if (volume->isEnabled())
            volume->setValue(volume->value() + (up ? 5 : -5));
    });
}

bool MainWindow::productSwitch(const char* name) const
{
    return uxProductInfo::instance()->extendParam(QLatin1String(name)).toInt(nullptr, 10) == 1;
}

void MainWindow::setInitialState()
{
    m_ui.playSeekingBar->setRange(0, 1);
    m_ui.playSeekingBar->setTrimRange(0, 0);
    m_ui.frmVideoPlayer->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui.btnNext, m_ui.btnPrev, m_ui.btnOpen,
                                                      m_ui.btnLoadDis, m_ui.btnPause})
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui.btnNext, m_ui.btnPrev, m_ui.btnStop,
                                                      m_ui.btnSnapshot, m_ui.btnFullScreen,
                                                      m_ui.btnRestore})
        w->setEnabled(false);
    for (QAction* a : {m_ui.actionFull_Screen, m_ui.actionStop, m_ui.actionNavigationPanel,
                       m_ui.actionPrevious_Title, m_ui.actionNext_Title,
                       m_ui.actionPrevious_Chapter, m_ui.actionNext_Chapter, m_ui.actionHalf_Size,
                       m_ui.actionNormal_Size, m_ui.actionDouble_Size, m_ui.actionFit_to_Screen})
        a->setEnabled(false);
    for (QMenu* m : {m_ui.menuTitle, m_ui.menuCharter, m_ui.menuAudio_Track,
                     m_ui.menuAudio_Channel, m_ui.menuAudio_Device, m_ui.menuVideo_Track,
                     m_ui.menuSubtitle_Track, m_ui.menuDeinterlace_Mode})
        m->setEnabled(false);
    m_ui.actionPause->setVisible(false);
    m_ui.btnFullScreen->show();
    m_ui.btnRestore->hide();
}

void MainWindow::applyInputSwitches()
{
    const bool discs = productSwitch("enableBDInput") || productSwitch("enableDVDInput");
    m_ui.btnOpenDisc->setVisible(discs);
    m_ui.actionLode_Disc->setVisible(discs);
    const bool files = productSwitch("enableVideoInput");
    setAcceptDrops(files);
    m_ui.btnOpenFolder->setVisible(files);
    m_ui.actionOpen->setVisible(files);
    m_ui.menuRecent_File->menuAction()->setVisible(files);
}

void MainWindow::connectActions()
{
    const MainWindowForm& u = m_ui;
    connect(u.actionOpen, &QAction::triggered, this, &MainWindow::openFile);
    connect(u.actionLode_Disc, &QAction::triggered, this, &MainWindow::OpenDis);
    connect(u.actionPlay, &QAction::triggered, this, &MainWindow::onBtnPlayClicked);
    connect(u.actionPause, &QAction::triggered, this, &MainWindow::onBtnPauseClicked);
    connect(u.actionStop, &QAction::triggered, this, &MainWindow::onBtnStopClicked);
    connect(u.actionPreferences, &QAction::triggered, this, &MainWindow::onActionPreferencesClicked);
    connect(u.actionFull_Screen, &QAction::triggered, this, &MainWindow::setFullScreen);
    for (QAction* a : {u.actionStereo, u.actionReverse_Stereo, u.actionLeft, u.actionRight})
        connect(a, &QAction::triggered, this, &MainWindow::onSetAudioChannel);
    for (QAction* a : u.deinterlaceActions)
        connect(a, &QAction::triggered, this, &MainWindow::onSetDeinterlace);
    connect(u.actionPrevious_Title, &QAction::triggered, this, &MainWindow::setPrevTitle);
    connect(u.actionPrevious_Chapter, &QAction::triggered, this, &MainWindow::onBtnPrevClicked);
    connect(u.actionNext_Title, &QAction::triggered, this, &MainWindow::setNextTitle);
    connect(u.actionNext_Chapter, &QAction::triggered, this, &MainWindow::onBtnNextClicked);
    connect(u.actionHalf_Size, &QAction::triggered, this, &MainWindow::onActionHalfSize);
    connect(u.actionNormal_Size, &QAction::triggered, this, &MainWindow::onActionNormalSize);
    connect(u.actionDouble_Size, &QAction::triggered, this, &MainWindow::onActionDoubleSize);
    connect(u.actionFit_to_Screen, &QAction::triggered, this, &MainWindow::onActionFittoScreen);
    connect(u.actionNavigationPanel, &QAction::triggered, this, &MainWindow::onBtnNavigationPanel);
    connect(u.actionEffects, &QAction::triggered, this, &MainWindow::onInitAdjustDlg);
    connect(u.menuRecent_File, &QMenu::aboutToShow, this, &MainWindow::onMenuRecent_FileAboutToShow);
    connect(u.menuControls, &QMenu::aboutToShow, this, &MainWindow::onMenuControlsAboutToShow);
    connect(u.menuCharter, &QMenu::aboutToShow, this, &MainWindow::onMenuChapterAboutToShow);
    connect(u.menuDeinterlace_Mode, &QMenu::aboutToShow, this,
            &MainWindow::onmenuDeinterlace_ModeAboutToShow);
    connect(u.menuAudio_Channel, &QMenu::aboutToShow, this,
            &MainWindow::onmenuAudio_ChannelAboutToShow);
    connect(u.menuAudio, &QMenu::aboutToShow, this, &MainWindow::onmenuAudio_DeviceAboutToShow);
}

void MainWindow::connectBar()
{
    const MainWindowForm& u = m_ui;
    connect(u.btnOpenFolder, &QToolButton::clicked, this, &MainWindow::openFile);
    connect(u.btnOpenDisc, &QToolButton::clicked, this, &MainWindow::OpenDis);
    connect(u.btnOpen, &QToolButton::clicked, this, &MainWindow::openFile);
    connect(u.btnLoadDis, &QToolButton::clicked, this, &MainWindow::OpenDis);
    connect(u.btnPlay, &QToolButton::clicked, this, &MainWindow::onBtnPlayClicked);
    connect(u.btnPause, &QToolButton::clicked, this, &MainWindow::onBtnPauseClicked);
    connect(u.btnStop, &QToolButton::clicked, this, &MainWindow::onBtnStopClicked);
    connect(u.btnEject, &QToolButton::clicked, this, &MainWindow::onBtnEjectClicked);
    connect(u.btnNext, &QToolButton::clicked, this, &MainWindow::onBtnNextClicked);
    connect(u.btnPrev, &QToolButton::clicked, this, &MainWindow::onBtnPrevClicked);
    connect(u.btnSpeakerOn, &QToolButton::clicked, this, &MainWindow::onBtnSpeakerOnClicked);
    connect(u.btnSpeakerOff, &QToolButton::clicked, this, &MainWindow::onBtnSpeakerOffClicked);
    connect(u.btnNavPanel, &QToolButton::clicked, this, &MainWindow::onBtnNavigationPanel);
    connect(u.btnSnapshot, &QToolButton::clicked, this, &MainWindow::snapshot);
    connect(u.btnSnapFolOpen, &QToolButton::clicked, this, &MainWindow::onOpenSnapFolder);
    connect(u.btnFullScreen, &QToolButton::clicked, this, &MainWindow::setFullScreen);
    connect(u.btnRestore, &QToolButton::clicked, this, &MainWindow::setFullScreen);
    connect(u.previewVolume, &QSlider::valueChanged, this, &MainWindow::changeVolume);
    connect(u.playSeekingBar, &QSlider::actionTriggered, this,
            &MainWindow::onPlaySeekingBarPlayPosPreChanged);
    connect(u.playSeekingBar, &QSlider::valueChanged, this,
            &MainWindow::onPlaySeekingBarPlayPosChanged);
    connect(u.videoWidget, &VlcVideoWidget::outFullscreen, this, &MainWindow::OutFullScreen);
}

void MainWindow::connectPlayer()
{
    QVlcPlayer* p = m_player;
    connect(p, &QVlcPlayer::toggleFullscreen, this, &MainWindow::setFullScreen);
    connect(p, &QVlcPlayer::popupContextMenu, this, &MainWindow::onPopupContextMenu);
    connect(p, &QVlcPlayer::snapshotTaken, this, &MainWindow::onSnapshotTaken);
    connect(p, &QVlcPlayer::lengthChanged, this, &MainWindow::onlengthChanged);
    connect(p, &QVlcPlayer::stateChanged, this, &MainWindow::onstateChanged);
    connect(p, &QVlcPlayer::timeChanged, this, &MainWindow::ontimeChanged);
    connect(p, &QVlcPlayer::trackInfoChanged, this, &MainWindow::onTrackInfoChanged);
    connect(p, &QVlcPlayer::titleInfoChanged, this, &MainWindow::onTitleInfoChanged);
    connect(p, &QVlcPlayer::errorOccurred, this, &MainWindow::onErrorOccurred);
    connect(p, &QVlcPlayer::blurayPrepareOK, this, &MainWindow::onBlurayPrepareOK);
    connect(p, &QVlcPlayer::blurayTitleEnded, this, &MainWindow::onBlurayTitleEnded);
    // The overlays' own requests reach the window through the player.
    connect(m_blurayMenu, &QBluRayMenu::popupContextMenu, p, &QVlcPlayer::popupContextMenu);
    connect(m_blurayMenu, &QBluRayMenu::fullscreen, p, &QVlcPlayer::toggleFullscreen);
    connect(m_audioPicture, &VlcAudioWidget::popupContextMenu, p, &QVlcPlayer::popupContextMenu);
    connect(m_audioPicture, &VlcAudioWidget::fullscreen, p, &QVlcPlayer::toggleFullscreen);
}

void MainWindow::setupControlBar()
{
    m_controlBar = new FormControlPanel();
    FormControlPanel* bar = m_controlBar;
    bar->btnPause->hide();
    bar->btnPlay->show();
    bar->btnStop->setEnabled(false);
    bar->btnSnapshot->setEnabled(false);
    bar->playSeekingBar->setEnabled(false);
    bar->btnSnapFolOpen->setEnabled(true);
    for (QToolButton* b : {bar->btnNext, bar->btnPrev}) {
        b->hide();
        b->setEnabled(false);
    }
    bar->btnSpeakerOff->hide();
    bar->btnSpeakerOn->show();
    bar->btnNavPanel->hide();
    connect(bar->btnFullScreen, &QToolButton::clicked, this, &MainWindow::setFullScreen);
    connect(bar->btnRestore, &QToolButton::clicked, this, &MainWindow::setFullScreen);
    connect(bar->btnNavPanel, &QToolButton::clicked, this, &MainWindow::onBtnNavigationPanel);
    connect(bar->btnPlay, &QToolButton::clicked, this, &MainWindow::onBtnPlayClicked);
    connect(bar->btnPause, &QToolButton::clicked, this, &MainWindow::onBtnPauseClicked);
    connect(bar->btnStop, &QToolButton::clicked, this, &MainWindow::onBtnStopClicked);
    connect(bar->btnSpeakerOn, &QToolButton::clicked, this, &MainWindow::onBtnSpeakerOnClicked);
    connect(bar->btnSpeakerOff, &QToolButton::clicked, this, &MainWindow::onBtnSpeakerOffClicked);
    connect(bar->btnEject, &QToolButton::clicked, this, &MainWindow::onBtnEjectClicked);
    connect(bar->btnNext, &QToolButton::clicked, this, &MainWindow::onBtnNextClicked);
    connect(bar->btnPrev, &QToolButton::clicked, this, &MainWindow::onBtnPrevClicked);
    connect(bar->btnSnapFolOpen, &QToolButton::clicked, this, &MainWindow::onOpenSnapFolder);
    connect(bar->btnSnapshot, &QToolButton::clicked, this, &MainWindow::snapshot);
    connect(bar->playSeekingBar, &QSlider::actionTriggered, this,
            &MainWindow::onPlaySeekingBarPlayPosPreChanged);
    connect(bar->playSeekingBar, &QSlider::valueChanged, this,
            &MainWindow::onPlaySeekingBarPlayPosChanged);
    connect(bar->previewVolume, &QSlider::valueChanged, m_ui.previewVolume, &QSlider::setValue);
    connect(m_ui.previewVolume, &QSlider::valueChanged, bar->previewVolume, &QSlider::setValue);
    bar->hide();
}

void MainWindow::setupGroups()
{
    auto* deinterlace = new QActionGroup(this);
    const QStringList modes = {QString(),     QStringLiteral("discard"), QStringLiteral("blend"),
                               QStringLiteral("mean"), QStringLiteral("bob"),
                               QStringLiteral("linear"), QStringLiteral("x"),
                               QStringLiteral("yadif"), QStringLiteral("yadif2x"),
                               QStringLiteral("phosphor"), QStringLiteral("ivtc")};
    for (int i = 0; i < m_ui.deinterlaceActions.size(); ++i) {
        QAction* action = m_ui.deinterlaceActions.at(i);
        action->setCheckable(true);
        action->setData(modes.at(i));
        deinterlace->addAction(action);
    }
    restoreDeinterlace();
    // The device menu holds no fixed entries of its own here; it is filled when it opens.
    auto* channels = new QActionGroup(this);
    int channel = 1;
    for (QAction* action :
         {m_ui.actionStereo, m_ui.actionReverse_Stereo, m_ui.actionLeft, m_ui.actionRight}) {
        action->setCheckable(true);
        action->setData(channel++);
        channels->addAction(action);
    }
}

void MainWindow::restoreVolume()
{
    uxSettings* settings = uxSettings::instance();
    const bool enabled = settings->value(QStringLiteral("Preview/enableVolume"), true).toBool();
    bool ok = false;
    int volume = settings->value(QStringLiteral("Preview/volume"), 100).toInt(&ok);
    if (!ok)
        volume = 100;
    m_ui.previewVolume->setRange(0, 125);
    m_controlBar->previewVolume->setRange(0, 125);
    m_ui.previewVolume->setValue(volume);
    if (enabled)
        onBtnSpeakerOffClicked();
    else
        onBtnSpeakerOnClicked();
}

void MainWindow::restoreDeinterlace()
{
    const QString mode =
        uxSettings::instance()->value(QStringLiteral("Preview/DeinterlaceMode"), "blend").toString();
    setDeinterlaceMode(mode == QLatin1String("disable") ? QString() : mode);
}

void MainWindow::saveDeinterlace()
{
    const QString mode = currentDeinterlaceMode();
    uxSettings::instance()->setValue(QStringLiteral("Preview/DeinterlaceMode"),
                                     mode.isEmpty() ? QStringLiteral("disable") : mode);
}

void MainWindow::setDeinterlaceMode(const QString& mode)
{
    m_player->setDeinterlace(!mode.isEmpty(), mode);
}

QString MainWindow::currentDeinterlaceMode() const
{
    bool enabled = false;
    QString mode;
    if (!m_player->deinterlace(enabled, mode) || !enabled)
        return QString();
    return mode;
}

void MainWindow::fillBanner()
{
    static const QMap<QString, QString> suffixes = {
        {"en", ".png"},        {"de", "_de.png"}, {"fr", "_fr.png"},
        {"ja", "_ja.png"},     {"es", "_es.png"}, {"pt", "_pt.png"},
        {"zh_CN", "_zh_CN.png"}};
    uxSrcMgr* resources = uxSrcMgr::instance();
    const QString suffix = suffixes.value(resources->currentLanguage(), QStringLiteral(".png"));
    const double scale = uxSrcMgr::dpiScale();
    const QString link = uxProductInfo::instance()->productUrl();
    m_ui.lblBlu_Ray->setText(
        QStringLiteral("<a href=\"%1\"><img src=\"%2/%3\" width=\"%4\" height=\"%5\" /></a>")
            .arg(link, resources->productRoot(), QStringLiteral("blu") + suffix)
            .arg(int(scale * 360))
            .arg(int(scale * 130)));
}

QWidget* MainWindow::topLevel() const
{
    return m_host ? static_cast<QWidget*>(m_host) : window();
}

void MainWindow::showMessage(const QString& text)
{
    uxMessageBox::information(nullptr, uxProductInfo::instance()->name(), text);
}

// --- Small slots ------------------------------------------------------------

QVlcPlayer* MainWindow::getVlcPlayer()
{
    return m_player;
}

void MainWindow::onActionPreferencesClicked()
{
    PreferencesDialog dialog(topLevel());
    dialog.load();
    uxDialogBase::placeDialog(&dialog, topLevel());
    dialog.exec();
}

void MainWindow::onInitAdjustDlg()
{
    AdjustDialog dialog(topLevel());
    uxDialogBase::placeDialog(&dialog, topLevel());
    dialog.init(m_player);
    dialog.exec();
}

void MainWindow::onContextMenu()
{
    contextMenu()->exec(QCursor::pos());
}

void MainWindow::onPopupContextMenu(bool show)
{
    if (show)
        onContextMenu();
}

QMenu* MainWindow::contextMenu()
{
    if (m_contextMenu)
        return m_contextMenu;
    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName(QStringLiteral("menuContext"));
    m_contextMenu->addActions({m_ui.actionNavigationPanel, m_ui.actionPlay, m_ui.actionPause,
                               m_ui.actionStop, m_ui.actionFull_Screen});
    m_contextMenu->addSeparator();
    m_contextMenu->addMenu(m_ui.menuTitle);
    m_contextMenu->addMenu(m_ui.menuCharter);
    connect(m_contextMenu, &QMenu::aboutToShow, this, &MainWindow::onMenuControlsAboutToShow);
    return m_contextMenu;
}

void MainWindow::onBtnNavigationPanel()
{
    if (!m_player || !m_blurayMenu)
        return;
    if (isPlayingState(m_player->state()))
        m_player->pause();
    showBlurayMenu();
}

void MainWindow::showBlurayMenu()
{
    if (auto* catalog = m_blurayMenu->findChild<QListWidget*>(QStringLiteral("lstMenuCatalog")))
        catalog->clearSelection();
    m_blurayMenu->show();
    m_blurayMenu->raise();
    m_blurayMenuShown = true;
}

void MainWindow::hideBlurayMenu()
{
    m_blurayMenu->hide();
    m_blurayMenu->lower();
    m_blurayMenuShown = false;
}

void MainWindow::hideAudioPicture()
{
    m_audioPicture->hide();
    m_audioPicture->lower();
}

void MainWindow::setNextTitle()
{
    const int t = m_player->currentTitle() + 1;
    if (t < m_titles.size())
        m_player->setTitle(t);
}

void MainWindow::setPrevTitle()
{
    const int t = m_player->currentTitle();
    if (t > 0)
        m_player->setTitle(t - 1);
}

void MainWindow::onBtnNextClicked()
{
    const int c = m_player->currentChapter();
    const int t = m_player->currentTitle();
    for (const VlcTitle& title : qAsConst(m_titles)) {
        if (title.id == t && c < title.chapters.size() - 1)
            m_player->setChapter(c + 1);
    }
}

void MainWindow::onBtnPrevClicked()
{
    const int c = m_player->currentChapter();
    if (c < 0)
        return;
    m_player->setChapter(c == 0 ? 0 : c - 1);
}

void MainWindow::setCurTitle()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        m_player->setTitle(action->data().toInt());
    if (m_blurayMenuShown)
        m_player->pause();
}

void MainWindow::setCurChapter()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        m_player->setChapter(action->data().toInt());
    if (m_blurayMenuShown)
        m_player->pause();
}

void MainWindow::setCurTitleChapter()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action || !m_titleNames.contains(m_selectedTitle))
        return;
    m_player->setTitle(m_titleNames.value(m_selectedTitle));
    m_player->setChapter(action->data().toInt());
}

void MainWindow::setVideoTrack()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        m_player->setTrack(VlcVideoTrack, action->data().toInt());
}

void MainWindow::setAudioTrack()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        m_player->setTrack(VlcAudioTrack, action->data().toInt());
}

void MainWindow::setSubtitleTrack()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        m_player->setTrack(VlcSubtitleTrack, action->data().toInt());
}

void MainWindow::onSetDeinterlace()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        setDeinterlaceMode(action->data().toString());
}

void MainWindow::onSetAudioChannel()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        m_player->setAudioChannel(action->data().toInt());
}

void MainWindow::onSetAudioDevice()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    m_audioDevice = action->data().toString();
    m_player->setAudioDevice(m_audioDevice);
}

// --- Full screen and zoom ---------------------------------------------------

void MainWindow::setFullScreen()
{
    if (m_fullScreen) {
        OutFullScreen();
        return;
    }
    m_ui.videoWidget->toggleFullscreen();
    m_fullScreenTimer = startTimer(100);
    for (QToolButton* b : {m_ui.btnFullScreen, m_controlBar->btnFullScreen})
        b->hide();
    for (QToolButton* b : {m_ui.btnRestore, m_controlBar->btnRestore})
        b->show();
    m_fullScreen = true;
}

void MainWindow::OutFullScreen()
{
    if (!m_fullScreen)
        return;
    if (m_controlBar->isVisible())
        m_controlBar->hide();
    killTimer(m_fullScreenTimer);
    m_fullScreenTimer = 0;
    for (QToolButton* b : {m_ui.btnRestore, m_controlBar->btnRestore})
        b->hide();
    for (QToolButton* b : {m_ui.btnFullScreen, m_controlBar->btnFullScreen})
        b->show();
    m_ui.videoWidget->toggleFullscreen();
    m_fullScreen = false;
    // A pointer hidden over the full-screen picture comes back with the window.
    if (QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BlankCursor)
        QApplication::restoreOverrideCursor();
}

void MainWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_fullScreenTimer && m_fullScreenTimer != 0)
        fullScreenTick();
    else
        QMainWindow::timerEvent(event);
}

void MainWindow::fullScreenTick()
{
    const QPoint cursor = QCursor::pos();
    const QPoint inBar = m_controlBar->mapFromGlobal(cursor);
    const QPoint inVideo = m_ui.videoWidget->mapFromGlobal(cursor);
    const QRect video = m_ui.videoWidget->rect();
    if (!m_controlBar->isVisible()) {
        if (m_ui.videoWidget->isFullScreen() && video.contains(inVideo)
            && video.bottom() - inVideo.y() < 5)
            showControlBar();
    } else if (!m_controlBar->rect().contains(inBar)) {
        hideControlBar();
    }
}

void MainWindow::showControlBar()
{
    if (!m_controlBar || m_controlBar->isVisible())
        return;
    const QRect video(m_ui.videoWidget->mapToGlobal(QPoint(0, 0)), m_ui.videoWidget->size());
    const int height = m_controlBar->sizeHint().height();
    m_controlBar->setGeometry(video.left(), video.bottom() - height + 1, video.width(), height);
    m_controlBar->raise();
    m_controlBar->setFocus();
    m_controlBar->show();
}

void MainWindow::hideControlBar()
{
    if (m_controlBar && m_controlBar->isVisible())
        m_controlBar->hide();
}

void MainWindow::leaveFullScreenForZoom()
{
    QWidget* top = topLevel();
    if (top->isFullScreen())
        top->showNormal();
    OutFullScreen();
}

void MainWindow::applyZoom(const QSize& size, bool keepFramePosition)
{
    QWidget* top = topLevel();
    const QPoint corner = keepFramePosition ? top->frameGeometry().topLeft() : top->pos();
    const QRect target(corner, size);
    top->setGeometry(target);
    top->setGeometry(target);
}

void MainWindow::onActionHalfSize()
{
    leaveFullScreenForZoom();
    const QSize chrome = topLevel()->size() - m_ui.videoWidget->size();
    applyZoom(chrome + m_player->videoSize() / 2, false);
}

void MainWindow::onActionNormalSize()
{
    leaveFullScreenForZoom();
    const QSize chrome = topLevel()->size() - m_ui.videoWidget->size();
    const QSize available = topLevel()->screen()->availableGeometry().size();
    applyZoom((chrome + m_player->videoSize()).boundedTo(available), false);
}

void MainWindow::onActionDoubleSize()
{
    leaveFullScreenForZoom();
    const QSize chrome = topLevel()->size() - m_ui.videoWidget->size();
    const QSize available = topLevel()->screen()->availableGeometry().size();
    applyZoom((chrome + m_player->videoSize() * 2).boundedTo(available), true);
}

void MainWindow::onActionFittoScreen()
{
    leaveFullScreenForZoom();
    QWidget* top = topLevel();
    QRect area = top->screen()->availableGeometry();
    area.setTop(area.top() + (top->geometry().top() - top->frameGeometry().top()));
    top->setGeometry(area);
    top->setGeometry(area);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.videoWidget && event->type() == QEvent::Resize) {
        const QRect area = m_ui.videoWidget->rect();
        m_waitingLabel->setGeometry(area);
        if (m_waitingMovie)
            m_waitingMovie->setScaledSize(area.size());
        m_blurayMenu->setGeometry(area);
        m_audioPicture->setGeometry(area);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showWaiting()
{
    m_waitingLabel->show();
    m_waitingLabel->raise();
    if (!m_waitingMovie && !m_waitingGif.isEmpty()) {
        m_waitingMovie = new QMovie(m_waitingGif);
        m_waitingMovie->setScaledSize(m_ui.videoWidget->size());
        m_waitingLabel->setMovie(m_waitingMovie);
    }
    if (m_waitingMovie)
        m_waitingMovie->start();
}

void MainWindow::hideWaiting()
{
    m_waitingLabel->lower();
    m_waitingLabel->hide();
    if (m_waitingMovie)
        m_waitingMovie->stop();
}

// --- Menus rebuilt when they open -------------------------------------------

namespace {

QAction* addChoice(QMenu* menu, QActionGroup* group, const QString& text, const QVariant& data)
{
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setData(data);
    group->addAction(action);
    return action;
}

void checkData(QMenu* menu, const QVariant& data)
{
    for (QAction* action : menu->actions()) {
        if (action->isCheckable())
            action->setChecked(action->data() == data);
    }
}

} // namespace

void MainWindow::rebuildTitleMenu()
{
    m_ui.menuTitle->clear();
    m_titleNames.clear();
    m_titles.clear();
    m_player->titles(m_titles);
    auto* group = new QActionGroup(this);
    for (const VlcTitle& title : qAsConst(m_titles)) {
        QAction* action = addChoice(m_ui.menuTitle, group, title.name, title.id);
        connect(action, &QAction::triggered, this, &MainWindow::setCurTitle);
        m_titleNames.insert(title.name, title.id);
    }
    connect(m_ui.menuTitle, &QMenu::aboutToShow, this, &MainWindow::onMenuTitleAboutToShow,
            Qt::UniqueConnection);
}

void MainWindow::onMenuTitleAboutToShow()
{
    checkData(m_ui.menuTitle, m_player->currentTitle());
}

void MainWindow::onMenuControlsAboutToShow()
{
    m_ui.menuCharter->clear();
    const int t = m_player->currentTitle();
    auto* group = new QActionGroup(this);
    for (const VlcTitle& title : qAsConst(m_titles)) {
        if (title.id != t)
            continue;
        for (int c = 0; c < title.chapters.size(); ++c) {
            QAction* action = addChoice(m_ui.menuCharter, group, title.chapters.at(c).name, c);
            connect(action, &QAction::triggered, this, &MainWindow::setCurChapter);
        }
    }
    const int state = m_player->state();
    if (state == QVlcPlayer::Playing || state == QVlcPlayer::Paused)
        onMenuChapterAboutToShow();
}

void MainWindow::onMenuChapterAboutToShow()
{
    checkData(m_ui.menuCharter, m_player->currentChapter());
}

void MainWindow::setSelectTitle()
{
    auto* menu = qobject_cast<QMenu*>(sender());
    if (!menu)
        return;
    m_selectedTitle = menu->title();
    const int number = m_titleNames.value(m_selectedTitle, -1);
    menu->clear();
    auto* group = new QActionGroup(this);
    const bool current = number == m_player->currentTitle();
    for (const VlcTitle& title : qAsConst(m_titles)) {
        if (title.id != number)
            continue;
        for (int c = 0; c < title.chapters.size(); ++c) {
            QAction* action = addChoice(menu, group, title.chapters.at(c).name, c);
            action->setChecked(current && c == m_player->currentChapter());
            connect(action, &QAction::triggered, this, &MainWindow::setCurTitleChapter);
        }
    }
}

bool MainWindow::buildTrackMenu(QMenu* menu, int kind, const char* setter, const char* checker)
{
    QList<VlcTrack> tracks;
    m_player->tracks(kind, tracks);
    if (tracks.isEmpty())
        return false;
    auto* group = new QActionGroup(this);
    for (int i = 0; i < tracks.size(); ++i) {
        QString text = tracks.at(i).name;
        if (!m_isBluray) {
            const QStringList parts = text.split(QStringLiteral(" - "), Qt::KeepEmptyParts);
            if (i == 0)
                text = tr("Disable");
            else if (parts.size() < 2)
                text = tr("Track") + QStringLiteral(" %1").arg(i);
            else
                text = tr("Track") + QStringLiteral(" %1 - %2").arg(i).arg(parts.at(1));
        }
        QAction* action = addChoice(menu, group, text, tracks.at(i).id);
        connect(action, SIGNAL(triggered()), this, setter);
    }
    connect(menu, SIGNAL(aboutToShow()), this, checker, Qt::UniqueConnection);
    return true;
}

void MainWindow::checkTrack(QMenu* menu, int kind)
{
    checkData(menu, m_player->currentTrack(kind));
}

void MainWindow::onVideoTrackMenuAboutToShow()
{
    checkTrack(m_ui.menuVideo_Track, VlcVideoTrack);
}

void MainWindow::onAudioTrackMenuAboutToShow()
{
    checkTrack(m_ui.menuAudio_Track, VlcAudioTrack);
}

void MainWindow::onSubtitleTrackMenuAboutToShow()
{
    checkTrack(m_ui.menuSubtitle_Track, VlcSubtitleTrack);
}

void MainWindow::onmenuAudio_DeviceAboutToShow()
{
    QList<VlcAudioDevice> devices;
    if (!m_player->audioDevices(devices))
        return;
    m_ui.menuAudio_Device->clear();
    auto* group = new QActionGroup(this);
    for (int i = 0; i < devices.size(); ++i) {
        QAction* action =
            addChoice(m_ui.menuAudio_Device, group, devices.at(i).description, devices.at(i).id);
        action->setChecked((i == 0 && m_audioDevice.isEmpty())
                           || devices.at(i).id == m_audioDevice);
        connect(action, &QAction::triggered, this, &MainWindow::onSetAudioDevice);
    }
}

void MainWindow::onmenuAudio_ChannelAboutToShow()
{
    int channel = 0;
    if (m_player->audioChannel(channel))
        checkData(m_ui.menuAudio_Channel, channel);
}

void MainWindow::onmenuDeinterlace_ModeAboutToShow()
{
    bool enabled = false;
    QString mode;
    m_player->deinterlace(enabled, mode);
    if (!enabled)
        mode.clear();
    else if (mode.isEmpty())
        mode = QStringLiteral("-"); // an unnamed mode checks nothing
    checkData(m_ui.menuDeinterlace_Mode, mode);
}

// --- Opening ----------------------------------------------------------------

void MainWindow::openFile()
{
    const QString folder = QFileInfo(lastSelectedVideoFilePath()).path();
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open File"), folder, m_fileFilter);
    if (!path.trimmed().isEmpty())
        openFileByName(path);
}

void MainWindow::openFolder()
{
    const QString path = QFileDialog::getExistingDirectory(
        this, tr("Open Disc"), lastSelectedDiscFilePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!path.isEmpty())
        openFileByName(path);
}

void MainWindow::OpenDis()
{
    DlgOpenDisc dialog(topLevel());
    dialog.setMainWindow(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString value = dialog.selectedValue();
    if (value == DlgOpenDisc::OpenFolderValue)
        QTimer::singleShot(1, this, &MainWindow::openFolder);
    else if (!value.isEmpty())
        openFileByName(value);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!event->mimeData()->hasUrls())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!event->mimeData()->hasUrls())
        return;
    event->setDropAction(m_player->state() == QVlcPlayer::Opening ? Qt::IgnoreAction
                                                                   : Qt::CopyAction);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    event->setDropAction(m_player->state() == QVlcPlayer::Opening ? Qt::IgnoreAction
                                                                   : Qt::CopyAction);
    event->accept();
    m_dropList.clear();
    for (const QUrl& url : urls)
        m_dropList << url.toLocalFile();
    QTimer::singleShot(1, this, &MainWindow::acceptDropFile);
}

void MainWindow::acceptDropFile()
{
    if (!m_dropList.isEmpty())
        openFileByName(m_dropList.first());
}

void MainWindow::onPlayFromFile()
{
    // The slot hands over one path and is emptied, so each path opens once.
    const QString path = m_handover->takePath();
    if (!path.trimmed().isEmpty())
        openFileByName(path);
}

void MainWindow::storeCurrentResumePoint()
{
    m_resume.store(m_resumeKey,
                   ResumePoints::keptPosition(m_ui.playSeekingBar->value(), m_length));
}

void MainWindow::setNavPanelShown(bool shown)
{
    m_ui.btnNavPanel->setVisible(shown);
    m_controlBar->btnNavPanel->setVisible(shown);
}

void MainWindow::openFileByName(QString strPath)
{
    // A file plays as "started" until it is paused; both states are playing.
    if (isPlayingState(m_player->state()))
        storeCurrentResumePoint();
    const QString mode = currentDeinterlaceMode();
    const QFileInfo info(strPath);
    if (info.isFile()) {
        forgetMedia();
        setNavPanelShown(false);
        m_resumeKey = strPath;
        m_player->setKeepStartPosition(m_resume.lookup(m_resumeKey) > 0);
        m_player->openFile(strPath);
        setDeinterlaceMode(mode);
        setLastSelectedVideoFilePath(strPath);
        rememberRecent(strPath);
    } else if (info.isDir()) {
        const QString root = findBlurayRoot(strPath);
        if (findDvdRoot(strPath).isEmpty() && !root.isEmpty()) {
            forgetMedia();
            openBluray(root);
            setDeinterlaceMode(mode);
            return;
        }
        if (!findDvdRoot(strPath).isEmpty() || !findAudioCdRoot(strPath).isEmpty())
            setNavPanelShown(false);
        // What plays goes on, and keeps its resume key.
        showMessage(tr("Invalid Blu-ray file."));
    } else {
        openFile();
    }
}

void MainWindow::forgetMedia()
{
    m_isBluray = false;
    m_resumeKey.clear();
    m_blurayRoot.clear();
}

void MainWindow::rememberRecent(const QString& location)
{
    m_recent.insert(location);
    m_ui.menuRecent_File->setEnabled(true);
    m_ui.btnEject->hide();
}

void MainWindow::openBluray(const QString& root)
{
    auto* loading = new FfAddFileProcessingDlg(this);
    m_loadingDialog = loading;
    loading->setProgressAnimation(m_progressGif);
    loading->setModal(true);
    loading->adjustSize();
    loading->show();
    updateUiControl(QVlcPlayer::Opening);
    auto* worker = new ReportThread(root, m_player, this);
    connect(worker, &QThread::finished, this, &MainWindow::releaseReportThread);
    worker->start(QThread::InheritPriority);
    loading->exec();
    worker->wait();
    m_resumeKey = worker->indexHash();
    delete worker;
    setNavPanelShown(true);
    m_player->setKeepStartPosition(m_resume.lookup(m_resumeKey) > 0);
    m_player->openBD(root);
    uxSettings::instance()->setValue(kDiscKey, QDir::toNativeSeparators(root));
    m_isBluray = true;
    m_blurayRoot = root;
    delete loading;
    QString normal = QDir::fromNativeSeparators(root);
    if (!normal.endsWith(QLatin1Char('/')))
        normal += QLatin1Char('/');
    setLastSelectedDiscFilePath(normal);
    rememberRecent(normal);
}

void MainWindow::releaseReportThread()
{
    // The sequence that started the worker waits for it and deletes it.
    if (m_loadingDialog)
        m_loadingDialog->accept();
    m_loadingDialog.clear();
    if (auto* worker = qobject_cast<QThread*>(sender()))
        worker->quit();
}

// --- Play, pause, stop, eject -----------------------------------------------

void MainWindow::onBtnPlayClicked()
{
    const int state = m_player->state();
    if (state == QVlcPlayer::Paused) {
        m_ui.btnEject->hide();
        m_player->pause();
    } else if (state != QVlcPlayer::Idle) {
        m_ui.btnEject->hide();
        m_player->play();
    } else {
        m_ui.btnEject->show();
        if (!m_recent.first().isEmpty())
            openFileByName(m_recent.first());
        else if (productSwitch("enableVideoInput"))
            openFile();
        else if (productSwitch("enableBDInput") || productSwitch("enableDVDInput"))
            OpenDis();
    }
}

void MainWindow::onBtnPauseClicked()
{
    m_ui.btnEject->hide();
    m_player->pause();
}

void MainWindow::onBtnStopClicked()
{
    m_ui.btnEject->show();
    m_player->stop();
    m_ui.playSeekingBar->setValue(0);
    m_ui.lblPlayPosition->setText(kNoTime);
    m_ui.lblDuration->setText(kNoTime);
}

void MainWindow::onBtnEjectClicked()
{
    m_player->stop();
    const QString disc = cleanRoot(uxSettings::instance()->value(kDiscKey).toString());
    for (const QString& root : listOpticalDrives()) {
        if (cleanRoot(root) == disc)
            PlatformOpticalDrives::eject(root);
    }
}

void MainWindow::onDevicesChanged()
{
    emit onReloadDevice();
    // The disc that plays was taken out or unmounted.
    if (m_isBluray && m_player->state() != QVlcPlayer::Idle
        && !QFileInfo::exists(m_blurayRoot + QStringLiteral("BDMV")))
        onBtnStopClicked();
}

// --- Following the player ---------------------------------------------------

void MainWindow::onstateChanged(int state)
{
    updateUiControl(state);
}

void MainWindow::updateUiControl(int state)
{
    if (state < QVlcPlayer::Idle || state > QVlcPlayer::Started)
        return;
    if (state == QVlcPlayer::Idle)
        storeCurrentResumePoint();
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
}

bool MainWindow::isPlayingState(int state)
{
    return state == QVlcPlayer::Playing || state == QVlcPlayer::Started;
}

// The controls of the state table; opening leaves most of them as they are.
void MainWindow::applyState(int state)
{
    m_ui.btnEject->setVisible(state == QVlcPlayer::Idle);
    if (state != QVlcPlayer::Opening) {
        applyTransport(state);
        applyMediaMenus(state);
    }
    applyDiscControls(state);
    applySeekBars(state);
    applyOpenActions(state);
    applyPage(state);
}

void MainWindow::applyTransport(int state)
{
    const bool idle = state == QVlcPlayer::Idle;
    const bool playing = isPlayingState(state);
    const bool paused = state == QVlcPlayer::Paused;
    FormControlPanel* bar = m_controlBar;
    for (QToolButton* b : {m_ui.btnPlay, bar->btnPlay})
        b->setVisible(!playing);
    for (QToolButton* b : {m_ui.btnPause, bar->btnPause})
        b->setVisible(playing);
    m_ui.actionPlay->setVisible(!playing);
    m_ui.actionPause->setVisible(playing);
    m_ui.btnStop->setEnabled(!idle);
    bar->btnStop->setEnabled(!idle);
    m_ui.actionStop->setEnabled(!idle);
    m_ui.btnSnapshot->setEnabled(playing || (paused && !m_blurayMenuShown));
    bar->btnSnapshot->setEnabled(playing || (paused && bar->btnSnapshot->isEnabled()));
    m_ui.actionFull_Screen->setEnabled(!idle);
}

void MainWindow::applyMediaMenus(int state)
{
    const bool active = state != QVlcPlayer::Idle;
    int channel = 0;
    const bool channels = m_hasAudio && m_player->audioChannel(channel) && channel > 0;
    m_ui.menuAudio_Track->setEnabled(active && m_hasAudio);
    m_ui.menuAudio_Device->setEnabled(active && m_hasAudio);
    m_ui.menuAudio_Channel->setEnabled(active && channels);
    m_ui.menuSubtitle_Track->setEnabled(active && m_hasSubtitles);
    m_ui.menuVideo_Track->setEnabled(active && m_hasVideo);
    const bool video = active && m_hasVideo;
    for (QAction* a : {m_ui.actionHalf_Size, m_ui.actionNormal_Size, m_ui.actionDouble_Size,
                       m_ui.actionFit_to_Screen})
        a->setEnabled(video);
    m_ui.menuDeinterlace_Mode->setEnabled(video);
    m_ui.btnFullScreen->setEnabled(video);
    m_ui.btnRestore->setEnabled(video);
}

void MainWindow::applyDiscControls(int state)
{
    const bool settled = state == QVlcPlayer::Idle || isPlayingState(state);
    const bool disc = isPlayingState(state) && m_isBluray;
    for (QToolButton* b :
         {m_ui.btnNext, m_ui.btnPrev, m_controlBar->btnNext, m_controlBar->btnPrev}) {
        if (settled)
            b->setVisible(disc);
        else if (state == QVlcPlayer::Opening)
            b->setEnabled(false);
    }
    if (!settled)
        return;
    m_ui.actionNavigationPanel->setEnabled(disc);
    m_ui.menuTitle->setEnabled(disc);
    m_ui.menuCharter->setEnabled(disc);
}

void MainWindow::applySeekBars(int state)
{
    const bool playing = isPlayingState(state);
    KpPlaySeekingBar* barSlider = m_controlBar->playSeekingBar;
    if (state != QVlcPlayer::Paused)
        m_ui.playSeekingBar->setEnabled(playing);
    if (state == QVlcPlayer::Idle)
        barSlider->setEnabled(false);
    else if (playing)
        barSlider->setEnabled(true);
    else if (state == QVlcPlayer::Paused)
        barSlider->setEnabled(!m_blurayMenuShown);
}

void MainWindow::applyOpenActions(int state)
{
    const bool playing = isPlayingState(state);
    if (state != QVlcPlayer::Opening && !playing)
        return;
    m_ui.actionOpen->setEnabled(playing);
    m_ui.actionLode_Disc->setEnabled(playing);
    m_ui.menuRecent_File->setEnabled(playing);
}

void MainWindow::applyPage(int state)
{
    if (state == QVlcPlayer::Paused)
        return;
    // Closing shows the picture area and its busy animation until the end.
    const bool picture = state != QVlcPlayer::Idle || m_closing;
    m_ui.frm_Start->setVisible(!picture);
    m_ui.frmVideoPlayer->setVisible(picture);
    if (isPlayingState(state))
        hideWaiting();
    else if (picture)
        showWaiting();
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
    m_ui.btnPlay->setFocus();
    resetSeekBar();
    hideBlurayMenu();
    hideAudioPicture();
}

void MainWindow::resetSeekBar()
{
    m_ui.playSeekingBar->setRange(0, 1);
    m_ui.playSeekingBar->setTrimRange(0, 0);
    m_ui.playSeekingBar->setValue(0);
    m_ui.lblPlayPosition->setText(kNoTime);
    m_ui.lblDuration->setText(kNoTime);
}

void MainWindow::applyNav()
{
    FormControlPanel* bar = m_controlBar;
    const bool active = m_isBluray && m_player->state() != QVlcPlayer::Idle;
    const bool free = !m_blurayMenuShown;
    const int t = m_player->currentTitle();
    const int c = m_player->currentChapter();
    int chapters = 0;
    for (const VlcTitle& title : qAsConst(m_titles)) {
        if (title.id == t)
            chapters = title.chapters.size();
    }
    m_ui.actionPrevious_Title->setEnabled(active && t != 0 && free);
    m_ui.actionNext_Title->setEnabled(active && t + 1 != m_titles.size() && free);
    const bool previous = active && c != 0 && free;
    const bool next = active && c + 1 != chapters && free;
    m_ui.actionPrevious_Chapter->setEnabled(previous);
    m_ui.actionNext_Chapter->setEnabled(next);
    for (QToolButton* b : {m_ui.btnPrev, bar->btnPrev})
        b->setEnabled(previous);
    for (QToolButton* b : {m_ui.btnNext, bar->btnNext})
        b->setEnabled(next);
}

void MainWindow::updateMediaName()
{
    const QString media = m_player->currentMediaName();
    QString name = m_isBluray ? discVolumeLabel(m_blurayRoot) : media;
    if (name.isEmpty())
        name = media.mid(media.lastIndexOf(QLatin1Char('/')) + 1);
    const int width = int(uxSrcMgr::dpiScale() * 150);
    const QString shown = QFontMetrics(QFont()).elidedText(name, Qt::ElideMiddle, width);
    for (QLabel* label : {m_ui.lblMeidaName, m_controlBar->lblMeidaName}) {
        label->setText(shown);
        label->setToolTip(name);
    }
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
    const int n = int(length);
    if (n == m_ui.playSeekingBar->maximum())
        return;
    for (KpPlaySeekingBar* bar : {m_ui.playSeekingBar, m_controlBar->playSeekingBar}) {
        bar->setRange(0, n);
        bar->setTrimRange(0, n);
        bar->setEnabled(true);
    }
    m_length = length;
    const QString text = clockText(length);
    m_ui.lblDuration->setText(text);
    m_controlBar->lblDuration->setText(text);
}

void MainWindow::ontimeChanged(float time)
{
    if (!m_player || m_blurayMenuShown)
        return;
    const QString text = clockText(time);
    m_ui.playSeekingBar->setValue(int(time));
    m_ui.lblPlayPosition->setText(text);
    if (!m_userSeeking) {
        m_controlBar->playSeekingBar->setValue(int(time));
        m_controlBar->lblPlayPosition->setText(text);
    }
    applyNav();
}

void MainWindow::onPlaySeekingBarPlayPosPreChanged(int)
{
    if (m_player)
        m_userSeeking = true;
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
    for (QToolButton* b : {m_ui.btnSpeakerOn, m_controlBar->btnSpeakerOn})
        b->hide();
    for (QToolButton* b : {m_ui.btnSpeakerOff, m_controlBar->btnSpeakerOff})
        b->show();
    m_ui.previewVolume->setEnabled(false);
    m_controlBar->previewVolume->setEnabled(false);
    m_player->setMute(true);
}

void MainWindow::onBtnSpeakerOffClicked()
{
    for (QToolButton* b : {m_ui.btnSpeakerOff, m_controlBar->btnSpeakerOff})
        b->hide();
    for (QToolButton* b : {m_ui.btnSpeakerOn, m_controlBar->btnSpeakerOn})
        b->show();
    m_ui.previewVolume->setEnabled(true);
    m_controlBar->previewVolume->setEnabled(true);
    m_player->setMute(false);
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
    updateUiControl(m_player->state());
}

void MainWindow::onTitleInfoChanged()
{
    rebuildTitleMenu();
    onMenuControlsAboutToShow();
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
    showMessage(tr("File loading failed."));
}

// --- Recent files, resume points, snapshots ---------------------------------

void MainWindow::onMenuRecent_FileAboutToShow()
{
    if (!productSwitch("enableVideoInput"))
        return;
    QMenu* menu = m_ui.menuRecent_File;
    menu->clear();
    const int width = int(uxSrcMgr::dpiScale() * 250);
    for (const QString& entry : m_recent.shown()) {
        QAction* action =
            menu->addAction(QFontMetrics(QFont()).elidedText(entry, Qt::ElideLeft, width));
        action->setToolTip(entry);
        connect(action, &QAction::triggered, this, &MainWindow::actionOpenRecFile);
    }
    if (m_recent.first().isEmpty())
        return;
    menu->addSeparator();
    connect(menu->addAction(tr("Clear")), &QAction::triggered, this, &MainWindow::actionClear);
}

void MainWindow::actionOpenRecFile()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        openFileByName(action->toolTip());
}

void MainWindow::actionClear()
{
    m_ui.menuRecent_File->clear();
    m_recent.clear();
    m_ui.menuRecent_File->setEnabled(false);
}

QString MainWindow::lastSelectedVideoFilePath()
{
    const QString path =
        uxSettings::instance()->value(QStringLiteral("Edit/LastVideoFilePath")).toString();
    if (!path.isEmpty())
        return path;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
           + QLatin1Char('/');
}

void MainWindow::setLastSelectedVideoFilePath(QString strFilePath)
{
    uxSettings::instance()->setValue(QStringLiteral("Edit/LastVideoFilePath"), strFilePath);
}

QString MainWindow::lastSelectedDiscFilePath()
{
    const QString path =
        uxSettings::instance()->value(QStringLiteral("Edit/LastDiscFilePath")).toString();
    return !path.isEmpty() && QFileInfo::exists(path) ? path : QDir::rootPath();
}

void MainWindow::setLastSelectedDiscFilePath(QString strFilePath)
{
    uxSettings::instance()->setValue(QStringLiteral("Edit/LastDiscFilePath"), strFilePath);
}

void MainWindow::onInitStartPoint()
{
    float start = m_resume.lookup(m_resumeKey);
    if (start <= 0 || !m_player)
        return;
    m_resume.store(m_resumeKey, 0);
    const int position = m_ui.playSeekingBar->value();
    if (m_length - float(position) < 2.0f || m_length - start < 2.0f)
        start = 0;
    m_player->seek(start);
}

void MainWindow::snapshot()
{
    m_player->snapshot();
}

void MainWindow::onSnapshotTaken(QImage image)
{
    const QByteArray format = uxSettings::instance()->snapshotFormat().toLatin1();
    const QString name = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                         + QTime::currentTime().toString(QStringLiteral("hhmmsszzz."))
                         + QString::fromLatin1(format);
    image.save(uxSettings::instance()->snapshotDir() + QLatin1Char('/') + name, format.constData(),
               -1);
}

void MainWindow::onOpenSnapFolder()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(uxSettings::instance()->snapshotDir()));
}

// --- Language, closing ------------------------------------------------------

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    m_ui.retranslateUi();
    fillBanner();
    if (m_player->state() != QVlcPlayer::Idle) {
        updateMediaName();
        onTrackInfoChanged();
    } else {
        for (QLabel* label : {m_ui.lblMeidaName, m_controlBar->lblMeidaName}) {
            label->setText(QStringLiteral("_"));
            label->setToolTip(QStringLiteral("_"));
        }
    }
}

void MainWindow::runClosingSteps()
{
    if (m_player->state() != QVlcPlayer::Idle) {
        m_closing = true;
        m_player->stop();
        QCoreApplication::processEvents();
    }
    uxSettings* settings = uxSettings::instance();
    settings->setValue(QStringLiteral("Preview/enableVolume"), m_ui.previewVolume->isEnabled());
    settings->setValue(QStringLiteral("Preview/volume"), m_ui.previewVolume->value());
    m_recent.save();
    saveDeinterlace();
    OutFullScreen();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    runClosingSteps();
    QMainWindow::closeEvent(event);
}
