#pragma once

#include <QCoreApplication>
#include <QList>

class KpPlaySeekingBar;
class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolButton;
class QWidget;
class VlcVideoWidget;

// The widget tree, actions and menus of the player window, built in code.
// Skins address the object names; the player window gives them behaviour.
class MainWindowForm
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    void setupUi(QMainWindow* window);
    void retranslateUi();

    QWidget* centralWidget = nullptr;
    QFrame* frmVideoPlayer = nullptr;
    VlcVideoWidget* videoWidget = nullptr;
    QFrame* frm_Start = nullptr;
    QLabel* lblBlu_Ray = nullptr;
    QToolButton* btnOpenFolder = nullptr;
    QToolButton* btnOpenDisc = nullptr;
    QFrame* frame = nullptr;
    QLabel* lblPlayPosition = nullptr;
    KpPlaySeekingBar* playSeekingBar = nullptr;
    QLabel* lblDuration = nullptr;
    QLabel* lblSpeed = nullptr;
    QLabel* lblMeidaName = nullptr;
    QToolButton* btnOpen = nullptr;
    QToolButton* btnLoadDis = nullptr;
    QToolButton* btnStop = nullptr;
    QToolButton* btnPlay = nullptr;
    QToolButton* btnPause = nullptr;
    QToolButton* btnPrev = nullptr;
    QToolButton* btnNext = nullptr;
    QToolButton* btnNavPanel = nullptr;
    QToolButton* btnSnapshot = nullptr;
    QToolButton* btnSnapFolOpen = nullptr;
    QToolButton* btnEject = nullptr;
    QToolButton* btnSpeakerOn = nullptr;
    QToolButton* btnSpeakerOff = nullptr;
    KpPlaySeekingBar* previewVolume = nullptr;
    QToolButton* btnFullScreen = nullptr;
    QToolButton* btnRestore = nullptr;

    QAction* actionOpen = nullptr;
    QAction* actionLode_Disc = nullptr;
    QAction* actionStereo = nullptr;
    QAction* actionPlay = nullptr;
    QAction* actionPause = nullptr;
    QAction* actionStop = nullptr;
    QAction* actionPreferences = nullptr;
    QAction* actionFull_Screen = nullptr;
    QAction* actionReverse_Stereo = nullptr;
    QAction* actionLeft = nullptr;
    QAction* actionRight = nullptr;
    QList<QAction*> deinterlaceActions; // Disable first, in menu order
    QAction* actionPrevious_Title = nullptr;
    QAction* actionPrevious_Chapter = nullptr;
    QAction* actionNext_Title = nullptr;
    QAction* actionNext_Chapter = nullptr;
    QAction* actionHalf_Size = nullptr;
    QAction* actionNormal_Size = nullptr;
    QAction* actionDouble_Size = nullptr;
    QAction* actionFit_to_Screen = nullptr;
    QAction* actionNavigationPanel = nullptr;
    QAction* actionEffects = nullptr;

    QMenuBar* menuBar = nullptr;
    QMenu* menuFile = nullptr;
    QMenu* menuRecent_File = nullptr;
    QMenu* menuControls = nullptr;
    QMenu* menuTitle = nullptr;
    QMenu* menuCharter = nullptr;
    QMenu* menuAudio = nullptr;
    QMenu* menuAudio_Track = nullptr;
    QMenu* menuAudio_Channel = nullptr;
    QMenu* menuAudio_Device = nullptr;
    QMenu* menuVideo = nullptr;
    QMenu* menuVideo_Track = nullptr;
    QMenu* menuSubtitle_Track = nullptr;
    QMenu* menuDeinterlace_Mode = nullptr;
    QMenu* menuTools = nullptr;

private:
    void buildStartPage();
    void buildControlBar();
    void buildSeekRow(QWidget* row);
    void buildButtonRow(QWidget* row);
    void buildActions();
    void buildMenus();
    QAction* addAction(const char* name);
    QMenu* addMenu(QWidget* parent, const char* name);

    QMainWindow* m_window = nullptr;
};
