#include "player/ui/mainwindowform.h"

#include "framework/ui/uxformparts.h"
#include "player/engine/vlcvideowidget.h"
#include "widgets/kpplayseekingbar.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kDeinterlaceNames[] = {
    "actionDisable", "actionDiscard", "actionBlend",   "actionMean",    "actionBob",
    "actionLinear",  "actionX",       "actionYadif",   "actionYadif_2X", "actionPhosphor",
    "actionFilm_NTSC_IVTC"};

QSpacerItem* expanding()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

} // namespace

void MainWindowForm::setupUi(QMainWindow* window)
{
    m_window = window;
    window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(660, 463);
    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    auto* column = uxFormParts::tightLayout<QVBoxLayout>(centralWidget, "verticalLayout_4");
    auto* middle = new QVBoxLayout();
    middle->setObjectName(QStringLiteral("mainVerticalLayout"));
    column->addLayout(middle, 1);
    frmVideoPlayer = uxFormParts::frame(centralWidget, "frmVideoPlayer");
    frmVideoPlayer->setMinimumSize(100, 0);
    auto* videoLayout = uxFormParts::tightLayout<QVBoxLayout>(frmVideoPlayer, "videoVerticalLayout");
    videoWidget = new VlcVideoWidget(frmVideoPlayer);
    videoWidget->setObjectName(QStringLiteral("videoWidget"));
    videoLayout->addWidget(videoWidget);
    middle->addWidget(frmVideoPlayer, 1);
    buildStartPage();
    middle->addWidget(frm_Start, 1);
    buildControlBar();
    column->addWidget(frame);
    window->setCentralWidget(centralWidget);
    buildActions();
    buildMenus();
    const QList<QWidget*> order = {btnPlay,        btnPause,     btnOpenFolder, btnOpenDisc,
                                   playSeekingBar, btnOpen,      btnLoadDis,    btnStop,
                                   btnNext,        btnSnapshot,  btnSnapFolOpen, btnSpeakerOn,
                                   btnSpeakerOff,  previewVolume, btnFullScreen, btnRestore};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    retranslateUi();
}

void MainWindowForm::buildStartPage()
{
    frm_Start = uxFormParts::frame(centralWidget, "frm_Start");
    frm_Start->setMinimumSize(0, 30);
    frm_Start->setFrameShape(QFrame::StyledPanel);
    frm_Start->setFrameShadow(QFrame::Raised);
    auto* grid = uxFormParts::layout<QGridLayout>(frm_Start, "gridLayout");
    grid->setSpacing(6);
    grid->setContentsMargins(11, 11, 11, 11);
    grid->addItem(expanding(), 0, 0);
    auto* centre = new QVBoxLayout();
    centre->setObjectName(QStringLiteral("verticalLayout_7"));
    centre->addItem(new QSpacerItem(20, 138, QSizePolicy::Minimum, QSizePolicy::Expanding));
    auto* items = new QVBoxLayout();
    items->setObjectName(QStringLiteral("verticalLayout_6"));
    lblBlu_Ray = uxFormParts::add<QLabel>(frm_Start, "lblBlu_Ray", items);
    lblBlu_Ray->setAlignment(Qt::AlignCenter);
    lblBlu_Ray->setOpenExternalLinks(true);
    btnOpenFolder = uxFormParts::add<QToolButton>(frm_Start, "btnOpenFolder", items);
    btnOpenDisc = uxFormParts::add<QToolButton>(frm_Start, "btnOpenDisc", items);
    for (QToolButton* button : {btnOpenFolder, btnOpenDisc}) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        items->setAlignment(button, Qt::AlignHCenter);
    }
    centre->addLayout(items);
    centre->addItem(new QSpacerItem(20, 137, QSizePolicy::Minimum, QSizePolicy::Expanding));
    grid->addLayout(centre, 0, 1);
    grid->addItem(expanding(), 0, 2);
}

void MainWindowForm::buildControlBar()
{
    frame = uxFormParts::frame(centralWidget, "frame");
    auto* layout = uxFormParts::layout<QVBoxLayout>(frame, "verticalLayout_2");
    buildSeekRow(uxFormParts::frame(frame, "frame_2", layout));
    buildButtonRow(uxFormParts::frame(frame, "frmControlPanel", layout));
}

void MainWindowForm::buildSeekRow(QWidget* row)
{
    auto* layout = uxFormParts::layout<QHBoxLayout>(row, "horizontalLayout");
    lblPlayPosition = uxFormParts::add<QLabel>(row, "lblPlayPosition", layout);
    playSeekingBar = KpPlaySeekingBar::addHorizontal(row, "playSeekingBar", 99, layout);
    playSeekingBar->setTickPosition(QSlider::NoTicks);
    lblDuration = uxFormParts::add<QLabel>(row, "lblDuration", layout);
    lblSpeed = uxFormParts::add<QLabel>(row, "lblSpeed", layout);
    lblSpeed->hide();
    lblPlayPosition->setText(QStringLiteral("--:--:--"));
    lblDuration->setText(QStringLiteral("--:--:--"));
}

void MainWindowForm::buildButtonRow(QWidget* row)
{
    auto* layout = uxFormParts::layout<QHBoxLayout>(row, "horizontalLayout_8");
    QFrame* nowPlaying = uxFormParts::frame(row, "FrmNowPlayPanal", layout);
    auto* nowLayout = uxFormParts::layout<QVBoxLayout>(nowPlaying, "verticalLayout");
    lblMeidaName = uxFormParts::add<QLabel>(nowPlaying, "lblMeidaName", nowLayout);
    lblMeidaName->setText(QStringLiteral("-"));
    layout->addItem(expanding());
    QFrame* transport = uxFormParts::frame(row, "frame_5", layout);
    auto* outer = uxFormParts::tightLayout<QVBoxLayout>(transport, "verticalLayout_8");
    auto* buttons = new QHBoxLayout();
    buttons->setObjectName(QStringLiteral("horizontalLayout_2"));
    outer->addLayout(buttons);
    btnOpen = uxFormParts::add<QToolButton>(transport, "btnOpen", buttons);
    btnLoadDis = uxFormParts::add<QToolButton>(transport, "btnLoadDis", buttons);
    btnStop = uxFormParts::add<QToolButton>(transport, "btnStop", buttons);
    btnPlay = uxFormParts::add<QToolButton>(transport, "btnPlay", buttons);
    btnPause = uxFormParts::add<QToolButton>(transport, "btnPause", buttons);
    btnPrev = uxFormParts::add<QToolButton>(transport, "btnPrev", buttons);
    btnNext = uxFormParts::add<QToolButton>(transport, "btnNext", buttons);
    btnNavPanel = uxFormParts::add<QToolButton>(transport, "btnNavPanel", buttons);
    btnSnapshot = uxFormParts::add<QToolButton>(transport, "btnSnapshot", buttons);
    btnSnapFolOpen = uxFormParts::add<QToolButton>(transport, "btnSnapFolOpen", buttons);
    btnEject = uxFormParts::add<QToolButton>(transport, "btnEject", buttons);
    layout->addItem(expanding());
    QFrame* sound = uxFormParts::frame(row, "frame_6", layout);
    auto* soundLayout = uxFormParts::layout<QHBoxLayout>(sound, "horizontalLayout_3");
    btnSpeakerOn = uxFormParts::add<QToolButton>(sound, "btnSpeakerOn", soundLayout);
    btnSpeakerOff = uxFormParts::add<QToolButton>(sound, "btnSpeakerOff", soundLayout);
    previewVolume = KpPlaySeekingBar::addHorizontal(sound, "previewVolume", 125, soundLayout);
    previewVolume->setValue(100);
    btnFullScreen = uxFormParts::add<QToolButton>(sound, "btnFullScreen", soundLayout);
    btnRestore = uxFormParts::add<QToolButton>(sound, "btnRestore", soundLayout);
}

QAction* MainWindowForm::addAction(const char* name)
{
    auto* action = new QAction(m_window);
    action->setObjectName(QLatin1String(name));
    return action;
}

void MainWindowForm::buildActions()
{
    actionOpen = addAction("actionOpen");
    actionLode_Disc = addAction("actionLode_Disc");
    actionStereo = addAction("actionStereo");
    actionPlay = addAction("actionPlay");
    actionPause = addAction("actionPause");
    actionStop = addAction("actionStop");
    actionPreferences = addAction("actionPreferences");
    actionFull_Screen = addAction("actionFull_Screen");
    actionReverse_Stereo = addAction("actionReverse_Stereo");
    actionLeft = addAction("actionLeft");
    actionRight = addAction("actionRight");
    for (const char* name : kDeinterlaceNames)
        deinterlaceActions << addAction(name);
    actionPrevious_Title = addAction("actionPrevious_Title");
    actionPrevious_Chapter = addAction("actionPrevious_Chapter");
    actionNext_Title = addAction("actionNext_Title");
    actionNext_Chapter = addAction("actionNext_Chapter");
    actionHalf_Size = addAction("actionHalf_Size");
    actionNormal_Size = addAction("actionNormal_Size");
    actionDouble_Size = addAction("actionDouble_Size");
    actionFit_to_Screen = addAction("actionFit_to_Screen");
    actionNavigationPanel = addAction("actionNavigationPanel");
    actionEffects = addAction("actionEffects");
}

QMenu* MainWindowForm::addMenu(QWidget* parent, const char* name)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void MainWindowForm::buildMenus()
{
    menuBar = new QMenuBar(m_window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuFile = addMenu(menuBar, "menuFile");
    menuRecent_File = addMenu(menuFile, "menuRecent_File");
    menuFile->addActions({actionOpen, actionLode_Disc});
    menuFile->addSeparator();
    menuFile->addMenu(menuRecent_File);

    menuControls = addMenu(menuBar, "menuControls");
    menuTitle = addMenu(menuControls, "menuTitle");
    menuCharter = addMenu(menuControls, "menuCharter");
    menuControls->addMenu(menuTitle);
    menuControls->addMenu(menuCharter);
    menuControls->addAction(actionNavigationPanel);
    menuControls->addSeparator();
    menuControls->addActions({actionPlay, actionPause, actionStop});
    menuControls->addSeparator();
    menuControls->addActions(
        {actionPrevious_Title, actionNext_Title, actionPrevious_Chapter, actionNext_Chapter});

    menuAudio = addMenu(menuBar, "menuAudio");
    menuAudio_Track = addMenu(menuAudio, "menuAudio_Track");
    menuAudio_Channel = addMenu(menuAudio, "menuAudio_Channel");
    menuAudio_Device = addMenu(menuAudio, "menuAudio_Device");
    menuAudio->addMenu(menuAudio_Track);
    menuAudio_Channel->addActions({actionStereo, actionReverse_Stereo, actionLeft, actionRight});
    menuAudio->addMenu(menuAudio_Channel);
    menuAudio->addSeparator();
    menuAudio->addMenu(menuAudio_Device);

    menuVideo = addMenu(menuBar, "menuVideo");
    menuVideo_Track = addMenu(menuVideo, "menuVideo_Track");
    menuSubtitle_Track = addMenu(menuVideo, "menuSubtitle_Track");
    menuDeinterlace_Mode = addMenu(menuVideo, "menuDeinterlace_Mode");
    menuVideo->addMenu(menuVideo_Track);
    menuVideo->addMenu(menuSubtitle_Track);
    menuVideo->addSeparator();
    menuVideo->addAction(actionFull_Screen);
    menuVideo->addSeparator();
    menuVideo->addActions(
        {actionHalf_Size, actionNormal_Size, actionDouble_Size, actionFit_to_Screen});
    menuVideo->addSeparator();
    menuDeinterlace_Mode->addActions(deinterlaceActions);
    menuVideo->addMenu(menuDeinterlace_Mode);

    menuTools = addMenu(menuBar, "menuTools");
    menuTools->addAction(actionPreferences);
    menuTools->addSeparator();
    menuTools->addAction(actionEffects);
    for (QMenu* menu : {menuFile, menuControls, menuAudio, menuVideo, menuTools})
        menuBar->addMenu(menu);
    m_window->setMenuBar(menuBar);
}

void MainWindowForm::retranslateUi()
{
    btnOpenFolder->setText(tr("Open File"));
    btnOpenDisc->setText(tr("Open Disc"));
    playSeekingBar->setToolTip(tr("Navigational slider"));
    btnStop->setToolTip(tr("Stop"));
    btnPlay->setToolTip(tr("Play"));
    btnPause->setToolTip(tr("Pause"));
    btnPrev->setToolTip(tr("Previous"));
    btnNext->setToolTip(tr("Next"));
    btnNavPanel->setToolTip(tr("Navigation panel "));
    btnSnapshot->setToolTip(tr("Snapshot"));
    btnSnapFolOpen->setToolTip(tr("Open snapshot folder"));
    btnSpeakerOn->setToolTip(tr("Mute"));
    btnSpeakerOff->setToolTip(tr("Mute off"));
    previewVolume->setToolTip(tr("Adjust volume"));
    btnFullScreen->setToolTip(tr("Full screen"));
    btnRestore->setToolTip(tr("Restore"));

    actionOpen->setText(tr("&Open File..."));
    actionOpen->setToolTip(tr("Open File..."));
    actionLode_Disc->setText(tr("Open Disc..."));
    actionLode_Disc->setToolTip(tr("Open Disc..."));
    actionStereo->setText(tr("Stereo"));
    actionPlay->setText(tr("Play"));
    actionPlay->setToolTip(tr("Play/Pause"));
    actionPause->setText(tr("Pause"));
    actionPause->setToolTip(tr("Play/Pause"));
    actionStop->setText(tr("Stop"));
    actionPreferences->setText(tr("&Preferences"));
    actionFull_Screen->setText(tr("Full Screen/Restore"));
    actionFull_Screen->setToolTip(tr("Full Screen/Restore"));
    actionReverse_Stereo->setText(tr("Reverse Stereo"));
    actionLeft->setText(tr("Left"));
    actionRight->setText(tr("Right"));
    static const char* const deinterlaceTexts[] = {
        QT_TRANSLATE_NOOP("MainWindow", "Disable"),    QT_TRANSLATE_NOOP("MainWindow", "Discard"),
        QT_TRANSLATE_NOOP("MainWindow", "Blend"),      QT_TRANSLATE_NOOP("MainWindow", "Mean"),
        QT_TRANSLATE_NOOP("MainWindow", "Bob"),        QT_TRANSLATE_NOOP("MainWindow", "Linear"),
        QT_TRANSLATE_NOOP("MainWindow", "X"),          QT_TRANSLATE_NOOP("MainWindow", "Yadif"),
        QT_TRANSLATE_NOOP("MainWindow", "Yadif (2X)"), QT_TRANSLATE_NOOP("MainWindow", "Phosphor"),
        QT_TRANSLATE_NOOP("MainWindow", "Film NTSC (IVTC)")};
    for (int i = 0; i < deinterlaceActions.size(); ++i)
        deinterlaceActions.at(i)->setText(tr(deinterlaceTexts[i]));
    actionPrevious_Title->setText(tr("Previous Title"));
    actionPrevious_Chapter->setText(tr("Previous Chapter"));
    actionNext_Title->setText(tr("Next Title"));
    actionNext_Chapter->setText(tr("Next Chapter"));
    actionHalf_Size->setText(tr("Half Size"));
    actionNormal_Size->setText(tr("Normal Size"));
    actionDouble_Size->setText(tr("Double Size"));
    actionFit_to_Screen->setText(tr("Fit to Screen"));
    actionNavigationPanel->setText(tr("Navigation Panel"));
    actionEffects->setText(tr("Effects"));

    // Once hosted, the framework titles and extends File and Tools.
    if (menuFile->title().isEmpty())
        menuFile->setTitle(tr("File"));
    menuRecent_File->setTitle(tr("Open Recent File"));
    menuControls->setTitle(tr("Controls"));
    menuTitle->setTitle(tr("Title"));
    menuCharter->setTitle(tr("Chapter"));
    menuAudio->setTitle(tr("Audio"));
    menuAudio_Track->setTitle(tr("Audio Track"));
    menuAudio_Channel->setTitle(tr("Audio Channel"));
    menuAudio_Device->setTitle(tr("Audio Device"));
    menuVideo->setTitle(tr("Video"));
    menuVideo_Track->setTitle(tr("Video Track"));
    menuSubtitle_Track->setTitle(tr("Subtitle Track"));
    menuDeinterlace_Mode->setTitle(tr("Deinterlace"));
    if (menuTools->title().isEmpty())
        menuTools->setTitle(tr("Tools"));
}
