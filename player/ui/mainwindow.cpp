#include "player/ui/mainwindow.h"

#include "framework/core/uxhandoverslot.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxdialogbase.h"
#include "framework/ui/uxmessagebox.h"
#include "platform/platformdiscejector.h"
#include "platform/platformmprisservice.h"
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
#include "player/ui/firstpaintwatch.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/mainwindowbase.h"
#include "player/ui/mediafiletypes.h"
#include "player/ui/onscreentext.h"
#include "player/ui/openingwatch.h"
#include "player/ui/preferencesdialog.h"
#include "player/ui/reportthread.h"
#include "widgets/kpplayseekingbar.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
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

// --- Construction -----------------------------------------------------------

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    m_ui.setupUi(this);
    m_player = new QVlcPlayer(this, QVlcPlayer::CreateWhenAsked);
    FirstPaintWatch::call(this, [this] { m_player->startCreation(); });
    m_player->setVideoWidget(m_ui.videoWidget);
    m_screenSaver = new PlatformScreenSaverInhibitor(uxProductInfo::instance()->name(), this);
    m_ejector = new PlatformDiscEjector(this);
    connect(m_ejector, &PlatformDiscEjector::finished, this, &MainWindow::onEjectFinished);
    m_openingWatch = new OpeningWatch(this);
    connect(m_openingWatch, &OpeningWatch::cancelRequested, this, &MainWindow::onBtnStopClicked);
    m_blurayMenu = new QBluRayMenu(m_ui.videoWidget);
    m_blurayMenu->setPlayer(m_player);
    m_audioPicture = new VlcAudioWidget(m_ui.videoWidget);
    m_audioPicture->setPlayer(m_player);
    for (QWidget* overlay : {static_cast<QWidget*>(m_blurayMenu), static_cast<QWidget*>(m_audioPicture)}) {
        overlay->lower();
        overlay->hide();
    }
    m_ui.btnNavPanel->hide();
    // "*" rather than "*.*": files without an extension are files too.
    m_fileFilter = tr("Media Files") + MediaFileTypes::mediaPatterns() + QStringLiteral(";;")
                   + tr("All Files") + QStringLiteral(" (*)");
    m_waitingLabel = new QLabel(m_ui.videoWidget);
    m_waitingLabel->setObjectName(QStringLiteral("lblWaiting"));
    m_waitingLabel->setAlignment(Qt::AlignCenter);
    m_waitingLabel->hide();
    m_waitingLabel->lower();
    m_onScreenText = new OnScreenText(m_ui.videoWidget, m_ui.lblPlayPosition->font());
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
    setupPlaylist();
    restoreVolume();
    addPlayerKeys();
    addKeys();
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
    setupRemoteControl();
}

MainWindow::~MainWindow()
{
    // Off the bus first: nobody may read the player while it goes.
    delete m_remote;
    m_remote = nullptr;
    if (m_waitingMovie)
        m_waitingMovie->stop();
    delete m_waitingMovie;
    delete m_blurayMenu;
    delete m_audioPicture;
    delete m_player;
    delete m_controlBar;
}

// The wheel over the picture sets the volume, in the window as in full screen.
void MainWindow::addPlayerKeys()
{
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
    // A resume point in another title waits until that title plays.
    connect(p, &QVlcPlayer::titleChanged, this, [this] {
        if (isPlayingState(m_player->state()))
            QTimer::singleShot(0, this, &MainWindow::onInitStartPoint);
    });
    connect(p, &QVlcPlayer::mediaInfoChanged, this, &MainWindow::mediaTitleChanged);
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
    // A click anywhere on a volume bar jumps there: its whole range is open.
    for (KpPlaySeekingBar* bar : {m_ui.previewVolume, m_controlBar->previewVolume}) {
        bar->setRange(0, 125);
        bar->setTrimRange(0, 125);
    }
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
    m_openingWatch->noteMessage(text);
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
    m_onScreenText->setBlocked(true);
    m_blurayMenu->show();
    m_blurayMenu->raise();
    m_blurayMenuShown = true;
}

void MainWindow::hideBlurayMenu()
{
    m_blurayMenu->hide();
    m_blurayMenu->lower();
    m_blurayMenuShown = false;
    m_onScreenText->setBlocked(false);
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
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    // A chosen title plays from its start, also when the player stood paused
    // (toggling the pause would leave a paused new title, or pause a playing one).
    if (m_player->setTitle(action->data().toInt()))
        m_player->play();
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

// --- Language, closing ------------------------------------------------------

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    m_ui.retranslateUi();
    retranslatePlaylist();
    retranslateKeys();
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
    if (m_discReading)
        m_discReading->exit(1);
    if (m_player->state() != QVlcPlayer::Idle) {
        m_closing = true;
        m_player->stop();
        QCoreApplication::processEvents();
    }
    uxSettings* settings = uxSettings::instance();
    settings->setValue(QStringLiteral("Preview/enableVolume"), m_ui.previewVolume->isEnabled());
    settings->setValue(QStringLiteral("Preview/volume"), m_ui.previewVolume->value());
    // Media still opening at the end never opened: it is no recent entry.
    withdrawRecent();
    m_recent.save();
    saveDeinterlace();
    OutFullScreen();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    runClosingSteps();
    QMainWindow::closeEvent(event);
}
