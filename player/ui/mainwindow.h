#pragma once

#include "player/engine/vlcrecords.h"
#include "player/ui/keyseek.h"
#include "player/ui/mainwindowform.h"
#include "player/ui/playercontrolstates.h"
#include "player/ui/playlist.h"
#include "player/ui/recentfiles.h"
#include "player/ui/resumepoints.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

class FfAddFileProcessingDlg;
class FormControlPanel;
class MainWindowBase;
class PlaylistMenu;
class OnScreenText;
class PlayerKeys;
class QActionGroup;
class QEventLoop;
class OpeningWatch;
class QBluRayMenu;
class QLabel;
class QMovie;
class QThread;
class QTimer;
class QVlcPlayer;
class PlatformDiscEjector;
class PlatformMprisService;
class PlatformScreenSaverInhibitor;
class VlcAudioWidget;
class ZoomGeometry;
class uxHandoverSlot;

// The player's content window: video surface, start page, control bar and
// menus. It owns the one player and turns every user command into player
// calls; the top-level window hosts it.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(QString waitingGif READ waitingGif WRITE setWaitingGif)
    Q_PROPERTY(QString progressGif READ progressGif WRITE setProgressGif)
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void setHost(MainWindowBase* host) { m_host = host; }
    QMenuBar* playerMenuBar() const { return m_ui.menuBar; }
    const MainWindowForm& ui() const { return m_ui; }
    FormControlPanel* controlBar() const { return m_controlBar; }
    QBluRayMenu* blurayMenu() const { return m_blurayMenu; }
    bool isFullScreen() const { return m_fullScreen; }
    QString resumeKey() const { return m_resumeKey; }
    // What the loaded media calls itself (its tagged title, else its name); empty at idle.
    QString mediaTitle() const;

    QString waitingGif() const { return m_waitingGif; }
    void setWaitingGif(const QString& path) { m_waitingGif = path; }
    QString progressGif() const { return m_progressGif; }
    void setProgressGif(const QString& path) { m_progressGif = path; }

    // Saves what the user chose and stops playback as the application closes.
    void runClosingSteps();
    // Drives or mounts changed: refresh disc lists and stop a disc that went away.
    void onDevicesChanged();
    const Playlist& playlist() const { return m_playlist; }
    PlaylistMenu* playlistMenu() const { return m_playlistMenu; }
    PlayerKeys* keys() const { return m_keys; }
    OnScreenText* onScreenText() const { return m_onScreenText; }
    // Help > Keyboard Shortcuts, which the top-level window puts in its Help menu.
    QAction* shortcutsAction() const { return m_shortcutsAction; }

Q_SIGNALS:
    void onReloadDevice();
    void mediaTitleChanged();

public Q_SLOTS:
    void onActionPreferencesClicked();
    QString lastSelectedVideoFilePath();
    void setLastSelectedVideoFilePath(QString strFilePath);
    QString lastSelectedDiscFilePath();
    void setLastSelectedDiscFilePath(QString strFilePath);
    QVlcPlayer* getVlcPlayer();
    void setFullScreen();
    void OutFullScreen();
    void onActionDoubleSize();
    void onActionHalfSize();
    void onActionNormalSize();
    void onActionFittoScreen();
    void onSetDeinterlace();
    void onMenuRecent_FileAboutToShow();
    void actionClear();
    void actionOpenRecFile();
    void openFileByName(QString strPath);
    void acceptDropFile();
    // Several paths play one after another; one path opens as openFileByName().
    void openFiles(const QStringList& paths);
    // A path handed over by a later start: added to the playlist, and played
    // when nothing plays.
    void enqueueMedia(const QStringList& paths);
    void enqueueMedia(const QString& path);
    void playEntry(int index);
    void playNextEntry();
    void playPreviousEntry();
    void setRepeatMode(int repeat);
    void clearPlaylist();
    void openMediaFolder();
    void addSubtitleFile();

private Q_SLOTS:
    void openFile();
    void OpenDis();
    void openFolder();
    void onBtnNavigationPanel();
    void onBtnPlayClicked();
    void onBtnStopClicked();
    void onBtnPauseClicked();
    void onBtnEjectClicked();
    void onEjectFinished(bool ejected, const QString& why);
    int changeVolume(int volume);
    void onPlaySeekingBarPlayPosPreChanged(int nAction);
    void onPlaySeekingBarPlayPosChanged(int nPlayPos);
    void updateUiControl(int state);
    void onlengthChanged(float length);
    void onstateChanged(int state);
    void ontimeChanged(float time);
    void onTrackInfoChanged();
    void onTitleInfoChanged();
    void snapshot();
    void onBtnSpeakerOnClicked();
    void onBtnSpeakerOffClicked();
    void setVideoTrack();
    void setAudioTrack();
    void setSubtitleTrack();
    void setCurTitleChapter();
    void setCurChapter();
    void setCurTitle();
    void setSelectTitle();
    void onMenuControlsAboutToShow();
    void onMenuTitleAboutToShow();
    void onMenuChapterAboutToShow();
    void onVideoTrackMenuAboutToShow();
    void onAudioTrackMenuAboutToShow();
    void onSubtitleTrackMenuAboutToShow();
    void onSnapshotTaken(QImage image);
    void onOpenSnapFolder();
    void showControlBar();
    void hideControlBar();
    void onBtnNextClicked();
    void onBtnPrevClicked();
    void setNextTitle();
    void setPrevTitle();
    void onmenuDeinterlace_ModeAboutToShow();
    void onContextMenu();
    void onPopupContextMenu(bool show);
    void onSetAudioDevice();
    void onmenuAudio_DeviceAboutToShow();
    void onSetAudioChannel();
    void onmenuAudio_ChannelAboutToShow();
    void onErrorOccurred();
    void onBlurayPrepareOK();
    void onBlurayTitleEnded();
    void onInitAdjustDlg();
    void onPlayFromFile();
    void onInitPreviewVolume();
    void onInitStartPoint();
    void showKeyboardShortcuts();
    void goToTime();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool productSwitch(const char* name) const;
    void connectActions();
    void connectBar();
    void connectPlayer();
    void addPlayerKeys();
    void setupControlBar();
    void setupGroups();
    void setInitialState();
    void applyInputSwitches();
    void restoreVolume();
    void restoreDeinterlace();
    void saveDeinterlace();
    void fillBanner();
    QWidget* topLevel() const;
    void showMessage(const QString& text);

    void openBluray(const QString& root);
    bool waitForDiscRead(QThread* worker);
    void abandonDiscRead(QThread* worker);
    bool openMedia(const QString& path);
    void setupPlaylist();
    void retranslatePlaylist();
    void onMediaEnded();
    void playlistChanged();
    void skipFailedEntry(const QString& path);
    bool canAddSubtitles() const;
    bool addSubtitles(const QStringList& paths);
    void addSubtitleFileEntry();
    void forgetMedia();
    void rememberRecent(const QString& location);
    void withdrawRecent();
    void openDeferredPath();
    void setDeinterlaceMode(const QString& mode);
    QString currentDeinterlaceMode() const;
    void storeCurrentResumePoint();
    void setNavPanelShown(bool shown);
    void applyNav();
    void showBlurayMenu();
    void hideBlurayMenu();
    void hideAudioPicture();
    void showWaiting();
    void hideWaiting();
    void applyIdle();
    static bool isPlayingState(int state);
    static bool isDiscImage(const QString& path);
    PlayerSituation situation(int state) const;
    void applyState(int state);
    void applyTransport(const PlayerControls& c);
    void applyMediaMenus(const PlayerControls& c);
    void applyDiscControls(const PlayerControls& c);
    void applySeekBars(const PlayerControls& c);
    void applyOpenActions(const PlayerControls& c);
    void applyPage(const PlayerControls& c);
    bool hasChapters() const;
    QString mediaName() const;
    void updateMediaName();
    void setMuted(bool muted);
    void resetSeekBar();
    static QString clockText(float seconds);

    bool buildTrackMenu(QMenu* menu, int kind, const char* setter, const char* checker);
    void checkTrack(QMenu* menu, int kind);
    void rebuildTitleMenu();
    QMenu* contextMenu();
    ZoomGeometry zoomGeometry();
    void applyZoom(const QRect& target);
    void fullScreenTick();

    // Keys (mainwindowkeys.cpp)
    void addKeys();
    void addTransportKeys();
    void addSoundKeys();
    void addSpeedKeys();
    void addDelayKeys();
    void addKeyMenus();
    void retranslateKeys();
    bool canSeekByKey() const;
    void seekByKey(qint64 stepMs);
    void seekToByKey(qint64 ms);
    void stepVolume(int delta);
    void toggleMute();
    void setSpeed(float rate);
    void showSpeed();
    void onSpeedMenuAboutToShow();
    void setDelay(bool subtitle, qint64 ms);
    void stepDelay(bool subtitle, qint64 stepMs);
    void showChapter();
    void enableKeyMenus();

    // Remote control over the session bus (mainwindowmpris.cpp)
    void setupRemoteControl();
    void connectRemoteRequests();
    void updateRemote();
    void updateRemoteAbilities();
    QVariantMap remoteMetadata();
    QString remoteCoverUrl();
    void remotePlay();
    void remotePlayPause();
    void remoteNext();
    void remotePrevious();
    void remoteSeek(qint64 positionUs);
    void remoteVolume(double volume);
    void remoteLoopStatus(const QString& status);
    void onPositionJumped(qint64 ms);
    qint64 remotePosition() const;

    MainWindowForm m_ui;
    QVlcPlayer* m_player = nullptr;
    QBluRayMenu* m_blurayMenu = nullptr;
    bool m_blurayMenuShown = false;
    VlcAudioWidget* m_audioPicture = nullptr;
    FormControlPanel* m_controlBar = nullptr;
    bool m_fullScreen = false;
    int m_fullScreenTimer = 0;
    QMenu* m_contextMenu = nullptr;
    QMovie* m_waitingMovie = nullptr;
    QLabel* m_waitingLabel = nullptr;
    MainWindowBase* m_host = nullptr;
    bool m_isBluray = false;
    bool m_hasVideo = false;
    bool m_hasAudio = false;
    bool m_hasSubtitles = false;
    QList<VlcTitle> m_titles;
    QMap<QString, int> m_titleNames;
    QString m_selectedTitle;
    QString m_audioDevice;
    bool m_closing = false;
    bool m_userSeeking = false;
    float m_length = 0;
    // The seek bar shows where the current media is (it has reported a time).
    bool m_positionKnown = false;
    // The media last added to the recent list has not started yet.
    bool m_recentUnconfirmed = false;
    bool m_loadingDisc = false;
    QString m_deferredPath;
    QString m_waitingGif;
    QString m_progressGif;
    QString m_fileFilter;
    QString m_resumeKey;
    QString m_blurayRoot;
    // The disc's own name (metadata, else volume label); empty for neither.
    QString m_discName;
    // The title a disc's resume point was sent to, until it plays there.
    int m_resumeTitleAsked = -1;
    // The disc title that last reported a time.
    int m_discTitle = 0;
    QStringList m_dropList;
    QTimer* m_handoverTimer = nullptr;
    uxHandoverSlot* m_handover = nullptr;
    // Runs while a disc's index is read; Stop ends it.
    QPointer<QEventLoop> m_discReading;
    OpeningWatch* m_openingWatch = nullptr;
    RecentFiles m_recent;
    ResumePoints m_resume;
    PlatformScreenSaverInhibitor* m_screenSaver = nullptr;
    PlatformDiscEjector* m_ejector = nullptr;
    Playlist m_playlist;
    PlaylistMenu* m_playlistMenu = nullptr;
    QAction* m_openFolderAction = nullptr;
    // The media played to its end and the next entry opens: the idle state in
    // between leaves the picture area (and full screen) as it is.
    bool m_advancing = false;
    // Entries that failed in a row; the playlist gives up once every entry has.
    int m_entryFailures = 0;
    PlayerKeys* m_keys = nullptr;
    OnScreenText* m_onScreenText = nullptr;
    KeySeek m_keySeek;
    QAction* m_shortcutsAction = nullptr;
    QMenu* m_menuSpeed = nullptr;
    QMenu* m_menuSubtitleDelay = nullptr;
    QMenu* m_menuAudioDelay = nullptr;
    QActionGroup* m_speedGroup = nullptr;
    PlatformMprisService* m_remote = nullptr;
    // Counts the media opened, so each one has a track id of its own.
    int m_remoteTrack = 0;
    // Where the last jump went, until the player reports a time from there.
    qint64 m_remoteJumpMs = -1;
    QElapsedTimer m_remoteJumpAge;
    QString m_remoteCover;
    int m_remoteCoverTrack = -1;
};
