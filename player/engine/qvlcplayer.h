#pragma once

#include "player/engine/playbackclock.h"
#include "player/engine/vlcholders.h"
#include "player/engine/vlcplayerretirer.h"
#include "player/engine/vlcrecords.h"
#include "player/engine/vlcvideooutput.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <atomic>
#include <future>

class VlcVideoWidget;

// The one object through which the application plays media on libVLC.
// libVLC's events arrive on its own threads (and, inside some calls, on the
// caller's); they only record values and post themselves to the GUI thread,
// where all the work and every signal happens. No lock is held across a
// libVLC call.
class QVlcPlayer : public QObject
{
    Q_OBJECT
public:
    enum State
    {
        Idle = 0,
        Opening = 1,
        Playing = 2,
        Paused = 3,
        Started = 4
    };
    enum FatalError
    {
        InstanceFailed = -101,
        PlayerFailed = -102
    };
    // Shows a fatal error to the user before the process ends; the message
    // always reaches standard error as well.
    using FatalErrorHandler = void (*)(int exitCode, const QString& message);
    static void setFatalErrorHandler(FatalErrorHandler handler);

    // When libVLC is made: at once, or when startCreation() or the first call
    // that needs it asks (a player never asked makes none).
    enum Creation { CreateNow, CreateWhenAsked };

    explicit QVlcPlayer(QObject* parent = nullptr, Creation creation = CreateNow);
    ~QVlcPlayer() override;

    // Starts making libVLC in the background; calls that need it wait for it.
    void startCreation();

    void setVideoWidget(VlcVideoWidget* widget);
    bool setVolume(int volume);
    void setMute(bool mute);
    void setKeepStartPosition(bool keep);
    // The volume and mute last asked for; libVLC takes them on every play.
    int volume() const { return m_volume; }
    bool isMuted() const { return m_muteRequested; }
    int state() const { return m_state; }
    QString currentMediaName() const;
    QSize videoSize() const;
    // The media's cover: a disc's own picture, or the art embedded in a file.
    QImage coverImage() const { return m_cover; }
    // The title from the media's tags; libVLC falls back to the file name.
    QString mediaTitle() const { return m_mediaTitle; }
    // Where libVLC keeps the media's cover as a file:// URL; empty when it has none.
    // libVLC's own file of the cover, once it was read; empty otherwise.
    QString artworkUrl() const { return m_artworkUrl; }

    void tracks(int kind, QList<VlcTrack>& out) const;
    int currentTrack(int kind) const;
    bool setTrack(int kind, int id);
    void titles(QList<VlcTitle>& out) const;
    int currentTitle() const;
    bool setTitle(int title);
    int currentChapter() const;
    bool setChapter(int index);
    bool audioChannel(int& out) const;
    void setAudioChannel(int channel);
    bool audioDevices(QList<VlcAudioDevice>& out);
    void setAudioDevice(const QString& id);
    bool deinterlace(bool& enabled, QString& mode) const;
    void setDeinterlace(bool enabled, const QString& mode);
    bool setAdjust(float contrast, float brightness, int hue, float saturation, float gamma);
    // Adds a subtitle file to the file that plays and shows it; false when
    // nothing plays or libVLC refuses it.
    bool addSubtitleFile(const QString& path);
    // Playback speed (1 is normal), as libVLC plays it; kept until other media open.
    float rate() const;
    bool setRate(float rate);
    // Subtitle and audio delays in ms (positive: later), as libVLC applies
    // them; kept until other media open.
    qint64 subtitleDelay() const;
    qint64 audioDelay() const;
    bool setSubtitleDelay(qint64 ms);
    bool setAudioDelay(qint64 ms);
    // Shows the next picture of paused media.
    void nextFrame();
    // Where the picture is, in ms, as last reported.
    qint64 position() const { return picturePosition(); }
    qint64 length() const { return m_length; }

    // Stops without announcing state 0; safe to call from a worker thread.
    void stopQuietly();

Q_SIGNALS:
    void lengthChanged(float length);
    void timeChanged(float time);
    void stateChanged(int state);
    void snapshotTaken(QImage imgSnapshot);
    void titleInfoChanged();
    void trackInfoChanged();
    void popupContextMenu(bool bShow);
    void toggleFullscreen();
    void videoSizeChanged(QSize szNew);
    void voutEstablished();
    void errorOccurred();
    // A file played to its end (not stopped, not failed, not a disc).
    void mediaEnded();
    void blurayPrepareOK();
    void blurayTitleEnded();
    // libVLC plays title now: its chapters, tracks and times are the ones read.
    void titleChanged(int title);
    // The title or the cover became known or changed.
    void mediaInfoChanged();
    // The picture was sent elsewhere in the media (a seek or a chapter), to ms.
    void positionJumped(qint64 ms);

public Q_SLOTS:
    void openFile(QString strFilePath);
    void openDVD(QString strDVDRoot, bool bSimpleMode);
    void openDVD(QString strDVDRoot);
    void openBD(QString strBDRoot);
    void openCD(QString strCDRoot);
    void openVCD(QString strVCDRoot);
    void play();
    void pause();
    void stop();
    void seek(float pos);
    void snapshot();

protected Q_SLOTS:
    void onStateChanged(int state);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    static void onVlcEvent(const libvlc_event_t* event, void* data);
    static void fail(int exitCode, const QString& message);
    QStringList instanceOptions();
    void createLibVlc(const QStringList& options);
    void createPlayer();
    // Waits until libVLC is there; ends the process when it could not be made.
    bool ready() const;
    void checkCreated() const;
    void detachEvents();
    void replacePlayer();
    void applyToPlayer();
    void prepareOpen();
    void postEvent(int type, int generation, qint64 value);
    void handleEvent(int type, int generation, qint64 value);
    void onPlayingEvent();
    void onTimeEvent();
    void onLengthEvent(qint64 length);
    void openLocation(const QString& location, bool bluray);
    void addSubtitleSlaves(libvlc_media_t* media, const QString& location);
    void onTrackListEvent();
    void resetMedia(const QString& location, bool bluray);
    void stopPlayer();
    void handToSurface();
    void setState(int state);
    void pollTime(qint64 time);
    void pollEnd();
    void pollFirstTime(qint64 time);
    void markStarted(qint64 time);
    void pollTitleEnd();
    void reportError();
    void applyAudio();
    void applyChannel();
    void applyDelays();
    bool hasInput() const;
    void readTracks();
    void readTrackLists();
    void readTrackInfo();
    void readVideoSize();
    void clearTracks();
    bool buildTitles();
    VlcTitle readTitle(int index, const libvlc_title_description_t* description);
    void loadDiscCover(const QString& root);
    void watchMedia(bool watch);
    QString mediaMeta(libvlc_meta_t meta) const;
    void readMediaInfo();
    qint64 picturePosition() const;

    VlcVideoOutput m_output;
    // What the instance was made with: libVLC fixes both when it is created.
    VlcVideoOutput::Choice m_instanceOutput = VlcVideoOutput::LibVlcDefault;
    QString m_instanceDeinterlace = QStringLiteral("blend");
    QStringList m_instanceOptions;
    QByteArrayList m_userAgent;
    VlcInstanceHolder m_instance;
    VlcPlayerRetirer m_retirer;
    VlcPlayerHolder m_player;
    VlcMediaHolder m_media;
    VlcVideoWidget* m_videoWidget = nullptr;
    std::atomic<int> m_state{Idle};
    int m_pollTimer = 0;
    QString m_location;
    qint64 m_lastTime = 0;
    qint64 m_lastShown = -1;
    qint64 m_length = 0;
    bool m_titleInfoRead = false;
    bool m_trackInfoRead = false;
    std::atomic<bool> m_stopping{false};
    bool m_bluray = false;
    QImage m_cover;
    QString m_mediaTitle;
    QString m_artworkUrl;
    bool m_embeddedCoverRead = false;
    bool m_opening = false;
    bool m_muteRequested = false;
    bool m_hasVideo = false;
    bool m_videoSizePending = false;
    QSize m_lastVideoSize{-1, -1};
    QList<VlcTrack> m_tracks[3];
    QList<VlcTitle> m_titles;
    QList<VlcAudioDevice> m_audioDevices;
    bool m_keepStartPosition = false;
    // Creates the instance and the player; valid until ready() has waited for it.
    mutable std::future<void> m_creation;
    bool m_creationStarted = false;

    // Events posted for an earlier media or before a stop carry an older generation.
    std::atomic<int> m_generation{0};
    std::atomic<qint64> m_eventTime{0};
    qint64 m_seekTarget = -1;
    std::atomic<bool> m_timeEventPosted{false};
    int m_volume = -1;
    int m_channel = 0;
    bool m_channelPending = false;
    bool m_deinterlaceEnabled = false;
    // The media player filters (or not) whatever the picture, not just interlaced ones.
    bool m_deinterlaceForced = false;
    // What a fresh media player must be given again.
    bool m_adjustEnabled = false;
    float m_adjust[5] = {1.0f, 1.0f, 0.0f, 1.0f, 1.0f};
    QString m_audioDevice;
    QString m_deinterlaceMode;
    float m_rate = 1.0f;
    qint64 m_subtitleDelay = 0;
    qint64 m_audioDelay = 0;
    bool m_errorReported = false;
    bool m_titleEndReported = false;
    PlaybackClock m_clock;
};
