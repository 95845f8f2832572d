#include "player/engine/qvlcplayer.h"

#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "player/engine/embeddedcover.h"
#include "player/engine/subtitlefiles.h"
#include "player/engine/vlcinstanceoptions.h"
#include "player/engine/vlclocation.h"
#include "player/engine/vlctitlerules.h"
#include "player/engine/vlctrackformats.h"
#include "player/engine/vlcvideowidget.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryFile>
#include <QThread>
#include <QTimerEvent>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Every libVLC event and state change the player acts on, for tracing faults
// that show only under load (QT_LOGGING_RULES="kestrel.engine.debug=true").
Q_LOGGING_CATEGORY(lcEngine, "kestrel.engine", QtWarningMsg)

namespace {

const libvlc_event_e kPlayerEvents[] = {
    libvlc_MediaPlayerOpening,     libvlc_MediaPlayerPlaying,
    libvlc_MediaPlayerPaused,      libvlc_MediaPlayerStopped,
    libvlc_MediaPlayerEndReached,  libvlc_MediaPlayerEncounteredError,
    libvlc_MediaPlayerTimeChanged, libvlc_MediaPlayerLengthChanged,
    libvlc_MediaPlayerVout,        libvlc_MediaPlayerESAdded,
    libvlc_MediaPlayerESDeleted,   libvlc_MediaPlayerTitleChanged};

const int kPollInterval = 200;
// Times are reported only this far past the known length.
const qint64 kTimeSlack = 5000;
// A Blu-ray title ends this close to its length.
const qint64 kTitleEndMargin = 500;
// libVLC's own end of a Blu-ray title counts as the title's end this close to
// its length; further away the disc is damaged.
const qint64 kDiscEndTolerance = 3000;
// A seek this close to a disc title's end makes its end expected.
const qint64 kLateSeekWindow = 10000;
// Playing this long without a time counts as started on a Blu-ray.
const qint64 kDiscStartDelay = 1000;
// Smaller changes of the length are libVLC's estimate wobbling, not new media.
const qint64 kLengthWobble = 1000;
// How long closing waits for Blu-ray players still stopping.
const int kTeardownWaitMs = 3000;

QVlcPlayer::FatalErrorHandler s_fatalErrorHandler = nullptr;

bool isKnownDeinterlaceMode(const QString& mode)
{
    static const QStringList modes = {"blend", "bob",   "discard", "linear",   "mean",
                                      "x",     "yadif", "yadif2x", "phosphor", "ivtc"};
    return modes.contains(mode);
}

void appendTracks(libvlc_track_description_t* descriptions, QList<VlcTrack>& out)
{
    const VlcTrackListHolder list(descriptions);
    for (const libvlc_track_description_t* d = list.get(); d; d = d->p_next)
        out.append({d->i_id, QString::fromUtf8(d->psz_name), QString()});
}

} // namespace

void QVlcPlayer::setFatalErrorHandler(FatalErrorHandler handler)
{
    s_fatalErrorHandler = handler;
}

void QVlcPlayer::fail(int exitCode, const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (s_fatalErrorHandler)
        s_fatalErrorHandler(exitCode, message);
    std::exit(exitCode);
}

QVlcPlayer::QVlcPlayer(QObject* parent, Creation creation)
    : QObject(parent), m_output(VlcInstanceOptions::environmentOptions())
{
    connect(this, &QVlcPlayer::stateChanged, this, &QVlcPlayer::onStateChanged);
    if (creation == CreateNow)
        startCreation();
}

// Loading libVLC's plug-ins and audio output takes tens of milliseconds: it
// runs on a thread of its own, and the first call that needs libVLC starts it
// (if nobody did) and waits for it.
void QVlcPlayer::startCreation()
{
    if (m_creationStarted)
        return;
    m_creationStarted = true;
    const QStringList options = instanceOptions();
    m_creation = std::async(std::launch::async, [this, options] {
        createLibVlc(options);
        // A refused option ends the process even when nothing asks for libVLC.
        QMetaObject::invokeMethod(this, [this] { ready(); }, Qt::QueuedConnection);
    });
}

bool QVlcPlayer::ready() const
{
    if (!m_creationStarted)
        const_cast<QVlcPlayer*>(this)->startCreation();
    if (m_creation.valid()) {
        m_creation.get();
        checkCreated();
    }
    return bool(m_player);
}

void QVlcPlayer::checkCreated() const
{
    if (!m_instance) {
        QString message =
            tr("Could not init libVLC with the options: %1").arg(m_instanceOptions.join(' '));
        if (!VlcInstanceOptions::environmentOptions().isEmpty())
            message +=
                QLatin1Char('\n') + tr("Check the options in %1.").arg("KESTREL_VLC_OPTIONS");
        fail(InstanceFailed, message);
    }
    if (!m_player)
        fail(PlayerFailed, tr("Could not create the libVLC media player."));
    qDebug() << "libVLC version:" << libvlc_get_version();
    qDebug() << "libVLC compiler:" << libvlc_get_compiler();
    qDebug() << "libVLC changeset:" << libvlc_get_changeset();
}

QVlcPlayer::~QVlcPlayer()
{
    if (m_videoWidget)
        m_videoWidget->setPlayer(nullptr);
    // Nothing to take down when libVLC was never asked for.
    if (!m_creationStarted)
        return;
    ready();
    if (m_pollTimer)
        killTimer(m_pollTimer);
    detachEvents();
    m_stopping = true;
    if (m_bluray)
        m_retirer.retire(std::move(m_player));
    else
        libvlc_media_player_stop(m_player.get());
    m_player.reset();
    watchMedia(false);
    m_media.reset();
    // A player whose stop never returns keeps the instance alive by itself.
    m_retirer.waitAll(kTeardownWaitMs);
    m_instance.reset();
}

QStringList QVlcPlayer::instanceOptions()
{
    const QString plugins = QCoreApplication::applicationDirPath() + QStringLiteral("/plugins");
    if (QDir(plugins).exists())
        qputenv("VLC_PLUGIN_PATH", QFile::encodeName(plugins));
    // This libVLC has no language option; it follows the environment.
    const QString language =
        uxSettings::instance()->language(uxProductInfo::instance()->defaultLanguage());
    if (!language.isEmpty())
        qputenv("LANGUAGE", language.toLatin1());

    uxSettings* settings = uxSettings::instance();
    const bool log = settings->value(QStringLiteral("Debug/OutputLog"), "0").toInt() != 0;
    const bool noHurryUp =
        settings->value(QStringLiteral("Play/NoFfmpegHurryUp"), "0").toInt() != 0;
    m_instanceOutput = m_output.choice();
    m_instanceOptions =
        VlcInstanceOptions::fixedOptions(log ? VlcInstanceOptions::logFilePath() : QString(),
                                         noHurryUp) +
        VlcInstanceOptions::deinterlaceOptions(m_instanceDeinterlace) +
        VlcVideoOutput::options(m_instanceOutput) + VlcInstanceOptions::environmentOptions();
    const uxProductInfo* product = uxProductInfo::instance();
    m_userAgent = {product->name().toLatin1(),
                   (product->name() + '/' + product->version()).toLatin1()};
    return m_instanceOptions;
}

// Touches nothing but the instance and the player: it may run on another thread.
void QVlcPlayer::createLibVlc(const QStringList& options)
{
    const QByteArrayList bytes = VlcInstanceOptions::toLocal8Bit(options);
    std::vector<const char*> argv;
    for (const QByteArray& option : bytes)
        argv.push_back(option.constData());
    m_instance.reset(libvlc_new(int(argv.size()), argv.data()));
    if (!m_instance)
        return;
    libvlc_set_user_agent(m_instance.get(), m_userAgent.at(0).constData(),
                          m_userAgent.at(1).constData());
    createPlayer();
}

void QVlcPlayer::createPlayer()
{
    m_player.reset(libvlc_media_player_new(m_instance.get()));
    if (!m_player)
        return;
    // The video surface handles mouse and keys itself.
    libvlc_video_set_mouse_input(m_player.get(), 0);
    libvlc_video_set_key_input(m_player.get(), 0);
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(m_player.get());
    for (libvlc_event_e type : kPlayerEvents)
        libvlc_event_attach(events, type, onVlcEvent, this);
}

void QVlcPlayer::detachEvents()
{
    if (!m_player)
        return;
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(m_player.get());
    for (libvlc_event_e type : kPlayerEvents)
        libvlc_event_detach(events, type, onVlcEvent, this);
}

void QVlcPlayer::replacePlayer()
{
    // Stopping a Blu-ray may never return (see VlcPlayerRetirer): the old
    // player stops on its own thread and the media continue on a new one.
    detachEvents();
    m_retirer.retire(std::move(m_player));
    createPlayer();
    if (!m_player)
        fail(PlayerFailed, tr("Could not create the libVLC media player."));
    applyToPlayer();
}

void QVlcPlayer::applyToPlayer()
{
    if (m_media)
        libvlc_media_player_set_media(m_player.get(), m_media.get());
    if (m_deinterlaceForced)
        libvlc_video_set_deinterlace(m_player.get(), m_deinterlaceEnabled
                                                         ? m_deinterlaceMode.toLatin1().constData()
                                                         : nullptr);
    if (m_adjustEnabled)
        setAdjust(m_adjust[0], m_adjust[1], int(m_adjust[2]), m_adjust[3], m_adjust[4]);
    if (!m_audioDevice.isEmpty())
        libvlc_audio_output_device_set(m_player.get(), nullptr, m_audioDevice.toUtf8().constData());
    libvlc_media_player_set_rate(m_player.get(), m_rate);
}

void QVlcPlayer::setVideoWidget(VlcVideoWidget* widget)
{
    if (m_videoWidget)
        disconnect(m_videoWidget, nullptr, this, nullptr);
    m_videoWidget = widget;
    if (!widget)
        return;
    widget->setPlayer(this);
    // The surface's own input stands in for libVLC's hotkeys and menu request.
    connect(widget, &VlcVideoWidget::fullscreen, this, &QVlcPlayer::toggleFullscreen);
    connect(widget, &VlcVideoWidget::rightClick, this, [this] { emit popupContextMenu(true); });
}

// --- Events -----------------------------------------------------------------

void QVlcPlayer::onVlcEvent(const libvlc_event_t* event, void* data)
{
    auto* self = static_cast<QVlcPlayer*>(data);
    const int generation = self->m_generation;
    if (self->m_stopping)
        return;
    switch (event->type) {
    case libvlc_MediaPlayerTimeChanged:
        self->m_eventTime = event->u.media_player_time_changed.new_time;
        if (!self->m_timeEventPosted.exchange(true))
            self->postEvent(event->type, generation, 0);
        break;
    case libvlc_MediaPlayerLengthChanged:
        self->postEvent(event->type, generation, event->u.media_player_length_changed.new_length);
        break;
    case libvlc_MediaPlayerVout:
        self->postEvent(event->type, generation, event->u.media_player_vout.new_count);
        break;
    case libvlc_MediaPlayerTitleChanged:
        self->postEvent(event->type, generation, event->u.media_player_title_changed.new_title);
        break;
    default:
        self->postEvent(event->type, generation, 0);
        break;
    }
}

void QVlcPlayer::postEvent(int type, int generation, qint64 value)
{
    QMetaObject::invokeMethod(
        this, [this, type, generation, value] { handleEvent(type, generation, value); },
        Qt::QueuedConnection);
}

void QVlcPlayer::handleEvent(int type, int generation, qint64 value)
{
    if (type == libvlc_MediaPlayerTimeChanged)
        m_timeEventPosted = false;
    if (generation != m_generation || m_stopping)
        return;
    if (type != libvlc_MediaPlayerTimeChanged)
        qCDebug(lcEngine) << "event" << libvlc_event_type_name(type) << value;
    switch (type) {
    case libvlc_MediaPlayerOpening:
        setState(Opening);
        break;
    case libvlc_MediaPlayerPlaying:
        onPlayingEvent();
        break;
    case libvlc_MediaPlayerPaused:
        m_clock.hold();
        setState(Paused);
        break;
    case libvlc_MediaPlayerEncounteredError:
        if (m_opening)
            reportError();
        break;
    case libvlc_MediaPlayerTimeChanged:
        onTimeEvent();
        break;
    case libvlc_MediaPlayerLengthChanged:
        if (value != 0)
            onLengthEvent(value);
        break;
    case libvlc_MediaPlayerVout:
        if (value != 0)
            emit voutEstablished();
        break;
    case libvlc_MediaMetaChanged:
        readMediaInfo();
        break;
    case libvlc_MediaPlayerESAdded:
    case libvlc_MediaPlayerESDeleted:
        onTrackListEvent();
        break;
    case libvlc_MediaPlayerTitleChanged:
        emit titleChanged(int(value));
        break;
    default:
        break;
    }
}

void QVlcPlayer::onPlayingEvent()
{
    // libVLC forgets audio settings made while no audio output existed.
    applyAudio();
    applyDelays();
    m_clock.run();
    if (!m_opening)
        setState(Playing);
}

void QVlcPlayer::onTimeEvent()
{
    if (m_eventTime == 0)
        return;
    if (m_channelPending)
        applyChannel();
    readTrackInfo();
    if (m_hasVideo && m_videoSizePending)
        readVideoSize();
}

void QVlcPlayer::readTrackInfo()
{
    if (m_trackInfoRead)
        return;
    readTracks();
    m_trackInfoRead = true;
    emit trackInfoChanged();
}

void QVlcPlayer::onLengthEvent(qint64 length)
{
    const bool changed = m_length == 0 || qAbs(length - m_length) >= kLengthWobble;
    if (changed) {
        m_length = length;
        emit lengthChanged(float(length) / 1000.0f);
    }
    if (!m_titleInfoRead) {
        m_titleInfoRead = true;
        if (buildTitles())
            emit titleInfoChanged();
    }
    readMediaInfo();
    if (changed)
        clearTracks();
}

void QVlcPlayer::setState(int state)
{
    qCDebug(lcEngine) << "state" << state;
    m_state = state;
    emit stateChanged(state);
}

void QVlcPlayer::onStateChanged(int state)
{
    if (state == Idle && m_pollTimer) {
        killTimer(m_pollTimer);
        m_pollTimer = 0;
    } else if (state == Opening && !m_pollTimer) {
        m_pollTimer = startTimer(kPollInterval);
    }
}

void QVlcPlayer::reportError()
{
    if (m_errorReported)
        return;
    qCDebug(lcEngine) << "error: opening" << m_opening << "length" << m_length << "time"
                      << m_lastTime << qint64(m_eventTime) << m_clock.position();
    m_errorReported = true;
    emit errorOccurred();
}

void QVlcPlayer::applyAudio()
{
    if (m_volume >= 0)
        libvlc_audio_set_volume(m_player.get(), m_volume);
    libvlc_audio_set_mute(m_player.get(), m_opening || m_muteRequested);
    applyChannel();
}

// The audio output may come after Playing; until it exists libVLC refuses the
// channel, so the time events try again until it takes.
void QVlcPlayer::applyChannel()
{
    m_channelPending = m_channel > 0 && libvlc_audio_set_channel(m_player.get(), m_channel) != 0;
}

// --- Poll -------------------------------------------------------------------

void QVlcPlayer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_pollTimer) {
        QObject::timerEvent(event);
        return;
    }
    if (m_stopping)
        return;
    const qint64 time = libvlc_media_player_get_time(m_player.get());
    pollTime(time);
    const libvlc_state_t vlcState = libvlc_media_player_get_state(m_player.get());
    if (vlcState == libvlc_Ended || vlcState == libvlc_Error) {
        qCDebug(lcEngine) << "input ended, state" << vlcState << "title"
                          << libvlc_media_player_get_title(m_player.get()) << "length" << m_length
                          << "time" << time << qint64(m_eventTime) << m_clock.position();
        pollEnd();
        return;
    }
    pollFirstTime(time);
    pollTitleEnd();
}

void QVlcPlayer::pollTime(qint64 time)
{
    if (time < 0 || m_opening)
        return;
    // A Blu-ray's own time follows the read position: it runs seconds ahead
    // after a title or chapter change, may still hold the old title's time,
    // and may stand at any value for many seconds while the picture plays.
    // What is shown is the picture's clock.
    const bool byClock = m_bluray && m_clock.isRunning();
    if (time < m_length + kTimeSlack)
        m_lastTime = time;
    else if (!byClock)
        return;
    const qint64 shown = byClock ? m_clock.position() : time;
    if (shown == m_lastShown)
        return;
    m_lastShown = shown;
    emit timeChanged(float(shown) / 1000.0f);
}

void QVlcPlayer::pollEnd()
{
    // A file that is not media at all ends without ever having a length or a
    // time; a damaged disc ends long before its title does. libVLC's own time
    // follows the read position, so once the input has ended it tells how far
    // the stream could be read (the picture may lag it after a late seek).
    const bool discEnd = m_bluray && !m_opening && m_length > 0;
    // After a seek into the last seconds the rest may be read and played before
    // any time is reported; an end then is no sign of damage.
    const qint64 reached = qMax(qMax(m_lastTime, qint64(m_eventTime)), m_clock.position());
    const bool seekedNearEnd = m_seekTarget >= m_length - kLateSeekWindow;
    if (discEnd && (reached >= m_length - kDiscEndTolerance || seekedNearEnd)) {
        if (!m_titleEndReported) {
            m_titleEndReported = true;
            emit blurayTitleEnded();
        }
    } else if (m_opening && !m_bluray && m_length > 0 && m_eventTime > 0) {
        // A short or broken-off file may reach its end during the muted
        // opening, before any poll saw its time move: it did play, so it
        // starts as any other would and plays again from its beginning.
        markStarted(m_eventTime);
        if (!m_keepStartPosition) {
            play();
            return;
        }
    } else if ((m_opening && (m_length == 0 || m_bluray || m_eventTime == 0)) || discEnd) {
        reportError();
    }
    m_clock.hold();
    // Told before the idle state, so that a listener can tell an end from a stop.
    if (!m_bluray && !m_errorReported && m_state != Idle)
        emit mediaEnded();
    setState(Idle);
}

void QVlcPlayer::pollFirstTime(qint64 time)
{
    // A Blu-ray's time may stay at 0 while the picture runs; then the
    // picture's own clock marks the start.
    const bool discRunning =
        m_bluray && m_clock.isRunning() && m_clock.position() >= kDiscStartDelay;
    if (!m_opening || (time <= 0 && !discRunning))
        return;
    markStarted(time);
}

// The first time of a media: the opening's muted run ends, and the media
// plays from its beginning unless it resumes where it was left.
void QVlcPlayer::markStarted(qint64 time)
{
    setState(Started);
    if (!m_keepStartPosition) {
        if (m_bluray)
            libvlc_media_player_set_pause(m_player.get(), 1);
        else
            libvlc_media_player_set_time(m_player.get(), 1);
        m_clock.reset(0);
    } else {
        m_clock.reset(time);
    }
    libvlc_audio_set_mute(m_player.get(), m_muteRequested);
    m_opening = false;
    readMediaInfo();
    // Without a time event (a Blu-ray's time can stand still) the tracks are read here.
    readTrackInfo();
    if (!m_keepStartPosition && m_bluray)
        emit blurayPrepareOK();
}

void QVlcPlayer::pollTitleEnd()
{
    if (!m_bluray || m_opening || m_length <= 0)
        return;
    const qint64 remaining = m_length - picturePosition();
    if (remaining > 4 * kTitleEndMargin)
        m_titleEndReported = false;
    if (m_titleEndReported || remaining >= kTitleEndMargin)
        return;
    m_titleEndReported = true;
    libvlc_media_player_set_pause(m_player.get(), 1);
    libvlc_media_player_set_time(m_player.get(), 0);
    m_clock.reset(0);
    m_seekTarget = -1;
    emit blurayTitleEnded();
}

qint64 QVlcPlayer::picturePosition() const
{
    return m_bluray ? m_clock.position() : m_lastTime;
}

// --- Opening ----------------------------------------------------------------

void QVlcPlayer::openFile(QString strFilePath)
{
    openLocation(VlcLocation::build(QStringLiteral("file"), strFilePath), false);
}

void QVlcPlayer::openDVD(QString strDVDRoot, bool bSimpleMode)
{
    const QString scheme = bSimpleMode ? QStringLiteral("dvdsimple") : QStringLiteral("dvd");
    openLocation(VlcLocation::build(scheme, strDVDRoot), false);
}

void QVlcPlayer::openDVD(QString strDVDRoot)
{
    openDVD(strDVDRoot, false);
}

void QVlcPlayer::openBD(QString strBDRoot)
{
    if (strBDRoot.isEmpty())
        return;
    loadDiscCover(strBDRoot);
    openLocation(VlcLocation::build(QStringLiteral("bluray"), strBDRoot), true);
}

void QVlcPlayer::openCD(QString strCDRoot)
{
    openLocation(VlcLocation::build(QStringLiteral("cdda"), strCDRoot), false);
}

void QVlcPlayer::openVCD(QString strVCDRoot)
{
    openLocation(VlcLocation::build(QStringLiteral("vcd"), strVCDRoot), false);
}

void QVlcPlayer::openLocation(const QString& location, bool bluray)
{
    if (location.isEmpty() || !ready())
        return;
    if (m_media) {
        if (m_videoWidget)
            m_videoWidget->releaseVideoSurface();
        stopPlayer();
    }
    resetMedia(location, bluray);
    prepareOpen();
    VlcMediaHolder media(
        libvlc_media_new_location(m_instance.get(), VlcLocation::encode(location).constData()));
    if (!media)
        return;
    if (bluray) {
        // Disc menus would never let a title end.
        libvlc_media_add_option(media.get(), ":no-bluray-menu");
        const int caching =
            uxSettings::instance()->value(QStringLiteral("Play/DiscCaching"), 300).toInt();
        if (caching != 300)
            libvlc_media_add_option(
                media.get(),
                QByteArray(":disc-caching=" + QByteArray::number(caching)).constData());
    }
    addSubtitleSlaves(media.get(), location);
    m_media = std::move(media);
    watchMedia(true);
    m_opening = true;
    libvlc_audio_set_mute(m_player.get(), 1);
    libvlc_media_player_set_media(m_player.get(), m_media.get());
    handToSurface();
    libvlc_media_player_play(m_player.get());
}

// A file's subtitles follow the player's own rule (same name, beside it or
// in Subs/), and only that rule: libVLC's looser guessing is switched off.
void QVlcPlayer::addSubtitleSlaves(libvlc_media_t* media, const QString& location)
{
    if (!VlcLocation::isFile(location))
        return;
    libvlc_media_add_option(media, ":no-sub-autodetect-file");
    const QStringList files = SubtitleFiles::besideMedia(VlcLocation::filePath(location));
    for (const QString& file : files) {
        const QByteArray uri = VlcLocation::encode(VlcLocation::build(QStringLiteral("file"), file));
        libvlc_media_slaves_add(media, libvlc_media_slave_type_subtitle, 4, uri.constData());
    }
}

// Every new media starts on libVLC's automatic deinterlacing with the chosen
// mode, which filters interlaced pictures only, and on the cheapest output
// known by now. Both are fixed in the instance and inherited by each media
// player: a mode chosen while the last media played, or an output decided
// since, takes a new instance; a player forced for the last media, a new player.
void QVlcPlayer::prepareOpen()
{
    const QString mode = m_deinterlaceEnabled ? m_deinterlaceMode : m_instanceDeinterlace;
    const bool remake = mode != m_instanceDeinterlace || m_output.choice() != m_instanceOutput;
    if (remake || (m_deinterlaceForced && m_deinterlaceEnabled)) {
        m_deinterlaceForced = false;
        detachEvents();
        m_retirer.retire(std::move(m_player));
        if (remake) {
            m_instance.reset();
            m_instanceDeinterlace = mode;
            createLibVlc(instanceOptions());
            checkCreated();
        } else {
            createPlayer();
            checkCreated();
        }
        applyToPlayer();
    }
    if (!m_deinterlaceEnabled) {
        libvlc_video_set_deinterlace(m_player.get(), nullptr);
        m_deinterlaceForced = true;
    }
}

void QVlcPlayer::resetMedia(const QString& location, bool bluray)
{
    watchMedia(false);
    m_media.reset();
    m_mediaTitle.clear();
    m_artworkUrl.clear();
    m_embeddedCoverRead = false;
    // A disc's cover was read from its folder just before.
    if (!bluray)
        m_cover = QImage();
    ++m_generation;
    m_location = location;
    m_bluray = bluray;
    m_lastTime = 0;
    m_lastShown = 0;
    m_eventTime = 0;
    m_seekTarget = -1;
    m_length = 0;
    m_titleInfoRead = false;
    m_opening = false;
    m_errorReported = false;
    m_titleEndReported = false;
    m_titles.clear();
    clearTracks();
    m_clock.hold();
    m_clock.reset(0);
    // Speed and delays belong to the media they were set for.
    m_subtitleDelay = 0;
    m_audioDelay = 0;
    setRate(1.0f);
}

void QVlcPlayer::handToSurface()
{
    if (!m_videoWidget)
        return;
    m_videoWidget->videoSurfaceHandle();
    // A window id libVLC saw before may be gone: always hand over the current one.
    const WId id = m_videoWidget->surfaceHandle();
    if (id)
        libvlc_media_player_set_xwindow(m_player.get(), uint32_t(id));
}

// --- Transport --------------------------------------------------------------

void QVlcPlayer::play()
{
    if (!ready())
        return;
    // After its end libVLC only plays again once stopped.
    const libvlc_state_t vlcState = libvlc_media_player_get_state(m_player.get());
    if (vlcState == libvlc_Ended || vlcState == libvlc_Error)
        stopPlayer();
    handToSurface();
    libvlc_media_player_play(m_player.get());
}

void QVlcPlayer::pause()
{
    if (ready() && libvlc_media_player_can_pause(m_player.get()))
        libvlc_media_player_pause(m_player.get());
}

void QVlcPlayer::stop()
{
    if (!ready())
        return;
    if (m_videoWidget)
        m_videoWidget->releaseVideoSurface();
    stopPlayer();
    m_clock.hold();
    setState(Idle);
}

void QVlcPlayer::stopPlayer()
{
    m_stopping = true;
    ++m_generation;
    // A media still being probed may keep libVLC busy for minutes (a huge
    // file of zeros): its player stops away from this thread, like a disc's.
    if (m_bluray || m_opening)
        replacePlayer();
    else
        libvlc_media_player_stop(m_player.get());
    m_stopping = false;
}

void QVlcPlayer::stopQuietly()
{
    if (!ready())
        return;
    stopPlayer();
    m_state = Idle;
    auto finish = [this] {
        if (m_videoWidget)
            m_videoWidget->releaseVideoSurface();
        m_clock.hold();
        if (m_pollTimer) {
            killTimer(m_pollTimer);
            m_pollTimer = 0;
        }
    };
    if (QThread::currentThread() == thread())
        finish();
    else
        QMetaObject::invokeMethod(this, finish, Qt::QueuedConnection);
    emit timeChanged(0);
}

void QVlcPlayer::seek(float pos)
{
    if (!ready())
        return;
    const qint64 ms = qint64(pos * 1000.0f);
    libvlc_media_player_set_time(m_player.get(), ms);
    m_clock.reset(ms);
    m_seekTarget = ms;
    emit positionJumped(ms);
}

bool QVlcPlayer::setVolume(int volume)
{
    if (volume < 0)
        return false;
    m_volume = volume;
    // Without media there is nothing to set: every start of playing applies it.
    if (!m_media)
        return true;
    return ready() && libvlc_audio_set_volume(m_player.get(), volume) == 0;
}

void QVlcPlayer::setMute(bool mute)
{
    m_muteRequested = mute;
    if (m_media && !m_opening && ready())
        libvlc_audio_set_mute(m_player.get(), mute);
}

void QVlcPlayer::setKeepStartPosition(bool keep)
{
    m_keepStartPosition = keep;
}

QString QVlcPlayer::currentMediaName() const
{
    return VlcLocation::mediaName(m_location);
}

QSize QVlcPlayer::videoSize() const
{
    unsigned width = 0;
    unsigned height = 0;
    if (!m_hasVideo || !ready() || libvlc_video_get_size(m_player.get(), 0, &width, &height) != 0)
        return QSize();
    return QSize(int(width), int(height));
}

void QVlcPlayer::snapshot()
{
    if (!ready())
        return;
    QTemporaryFile file(uxSettings::instance()->tempOutputDir() + QStringLiteral("/XXXXXX.png"));
    if (!file.open())
        return;
    file.close();
    const QByteArray path = QFile::encodeName(file.fileName());
    if (libvlc_video_take_snapshot(m_player.get(), 0, path.constData(), 0, 0) != 0)
        return;
    const QImage image(file.fileName());
    if (!image.isNull())
        emit snapshotTaken(image);
}

// --- Cover and title ---------------------------------------------------------

void QVlcPlayer::loadDiscCover(const QString& root)
{
    m_cover = QImage();
    QString folder = root;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QDir dl(folder + QStringLiteral("BDMV/META/DL/"));
    const QFileInfoList covers =
        dl.entryInfoList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Size);
    if (!covers.isEmpty())
        m_cover.load(covers.first().filePath());
}

void QVlcPlayer::watchMedia(bool watch)
{
    if (!m_media)
        return;
    libvlc_event_manager_t* events = libvlc_media_event_manager(m_media.get());
    if (watch)
        libvlc_event_attach(events, libvlc_MediaMetaChanged, onVlcEvent, this);
    else
        libvlc_event_detach(events, libvlc_MediaMetaChanged, onVlcEvent, this);
}

QString QVlcPlayer::mediaMeta(libvlc_meta_t meta) const
{
    char* text = m_media ? libvlc_media_get_meta(m_media.get(), meta) : nullptr;
    const QString value = QString::fromUtf8(text).trimmed();
    libvlc_free(text);
    return value;
}

// libVLC learns the tags while it plays; an embedded picture is written to its
// art cache and named by a file:// URL (a disc image's cover the same way).
void QVlcPlayer::readMediaInfo()
{
    bool changed = false;
    const QString title = mediaMeta(libvlc_meta_Title);
    if (title != m_mediaTitle) {
        m_mediaTitle = title;
        changed = true;
    }
    if (m_cover.isNull()) {
        const QUrl artwork(mediaMeta(libvlc_meta_ArtworkURL));
        if (artwork.isLocalFile()) {
            if (m_cover.load(artwork.toLocalFile()))
                m_artworkUrl = artwork.toString();
        } else if (!m_embeddedCoverRead && VlcLocation::isFile(m_location)) {
            // Without a writable art cache libVLC keeps the picture to itself.
            m_embeddedCoverRead = true;
            m_cover = EmbeddedCover::read(VlcLocation::filePath(m_location));
        }
        changed = changed || !m_cover.isNull();
    }
    if (changed)
        emit mediaInfoChanged();
}

// --- Tracks -------------------------------------------------------------------

void QVlcPlayer::clearTracks()
{
    m_trackInfoRead = false;
    m_hasVideo = false;
    m_videoSizePending = false;
    m_lastVideoSize = QSize(0, 0);
    for (QList<VlcTrack>& list : m_tracks)
        list.clear();
}

void QVlcPlayer::readTracks()
{
    libvlc_media_player_t* player = m_player.get();
    m_hasVideo = libvlc_video_get_track_count(player) > 1;
    m_videoSizePending = m_hasVideo;
    m_lastVideoSize = QSize(0, 0);
    readTrackLists();
}

void QVlcPlayer::readTrackLists()
{
    libvlc_media_player_t* player = m_player.get();
    for (QList<VlcTrack>& list : m_tracks)
        list.clear();
    appendTracks(libvlc_video_get_track_description(player), m_tracks[0]);
    appendTracks(libvlc_audio_get_track_description(player), m_tracks[1]);
    appendTracks(libvlc_video_get_spu_description(player), m_tracks[2]);
    VlcTrackFormats::describe(m_media.get(), m_tracks);
}

// A track added or removed while the media plays (a subtitle file added, a
// stream that starts late); the first list is read with the first time.
void QVlcPlayer::onTrackListEvent()
{
    if (!m_trackInfoRead)
        return;
    readTrackLists();
    emit trackInfoChanged();
}

bool QVlcPlayer::addSubtitleFile(const QString& path)
{
    if (!ready() || !m_media || m_state == Idle || !VlcLocation::isFile(m_location))
        return false;
    const QByteArray uri = VlcLocation::encode(
        VlcLocation::build(QStringLiteral("file"), SubtitleFiles::loadable(path)));
    return libvlc_media_player_add_slave(m_player.get(), libvlc_media_slave_type_subtitle,
                                         uri.constData(), true)
           == 0;
}

void QVlcPlayer::readVideoSize()
{
    unsigned width = 0;
    unsigned height = 0;
    if (libvlc_video_get_size(m_player.get(), 0, &width, &height) != 0 || width < 1 || height < 1)
        return;
    const QSize size(static_cast<int>(width), static_cast<int>(height));
    m_videoSizePending = false;
    if (size == m_lastVideoSize)
        return;
    m_lastVideoSize = size;
    emit videoSizeChanged(size);
}

void QVlcPlayer::tracks(int kind, QList<VlcTrack>& out) const
{
    if (kind >= VlcVideoTrack && kind <= VlcSubtitleTrack)
        out += m_tracks[kind - 1];
}

int QVlcPlayer::currentTrack(int kind) const
{
    if (!ready())
        return -1;
    switch (kind) {
    case VlcVideoTrack:
        return libvlc_video_get_track(m_player.get());
    case VlcAudioTrack:
        return libvlc_audio_get_track(m_player.get());
    case VlcSubtitleTrack:
        return libvlc_video_get_spu(m_player.get());
    default:
        return -1;
    }
}

bool QVlcPlayer::setTrack(int kind, int id)
{
    if (!ready())
        return false;
    int result = -1;
    switch (kind) {
    case VlcVideoTrack:
        result = libvlc_video_set_track(m_player.get(), id);
        break;
    case VlcAudioTrack:
        result = libvlc_audio_set_track(m_player.get(), id);
        break;
    case VlcSubtitleTrack:
        result = libvlc_video_set_spu(m_player.get(), id);
        break;
    default:
        return false;
    }
    if (result != 0)
        return false;
    // A disc is read far ahead of the picture, and what was read before a
    // stream was chosen never reaches its decoder: the new sound or captions
    // would be missing for as long. Reading again from the picture brings them.
    if (m_bluray && kind != VlcVideoTrack && !m_opening && m_state != Idle)
        seek(float(picturePosition()) / 1000.0f);
    if (kind == VlcVideoTrack && m_hasVideo) {
        m_lastVideoSize = QSize(0, 0);
        m_videoSizePending = id >= 0;
    }
    return true;
}

// --- Titles and chapters ------------------------------------------------------

bool QVlcPlayer::buildTitles()
{
    if (!VlcLocation::hasTitles(m_location))
        return false;
    libvlc_title_description_t** descriptions = nullptr;
    VlcTitleArrayHolder list;
    list.take(descriptions,
              libvlc_media_player_get_full_title_descriptions(m_player.get(), &descriptions));
    m_titles.clear();
    for (int t = 0; t < list.count(); ++t)
        m_titles.append(readTitle(t, list.at(t)));
    return true;
}

VlcTitle QVlcPlayer::readTitle(int index, const libvlc_title_description_t* description)
{
    VlcTitle title;
    title.id = index;
    title.menu = (description->i_flags & libvlc_title_menu) != 0;
    title.length = qMax<qint64>(description->i_duration, 0);
    const QString fallback = QStringLiteral("Title %1").arg(index + 1);
    const QString text =
        description->psz_name ? QString::fromUtf8(description->psz_name) : fallback;
    title.name = VlcTitleRules::titleName(index, title.length, text);

    const bool file = VlcLocation::isFile(m_location);
    libvlc_chapter_description_t** chapters = nullptr;
    VlcChapterArrayHolder list;
    list.take(chapters,
              libvlc_media_player_get_full_chapter_descriptions(m_player.get(), index, &chapters));
    for (int c = 0; c < list.count(); ++c) {
        const libvlc_chapter_description_t* d = list.at(c);
        VlcChapter chapter;
        chapter.id = c;
        chapter.start = d->i_time_offset >= 0 ? d->i_time_offset : -1;
        const QString text = QString::fromUtf8(d->psz_name);
        chapter.name = file ? VlcTitleRules::fileChapterName(c, chapter.start, text)
                            : VlcTitleRules::chapterName(c, chapter.start, text);
        title.chapters.append(chapter);
    }
    // A disc's titles have no names of their own; length and chapters tell
    // an episode from a trailer.
    if (m_bluray && title.length > 0)
        title.name = VlcTitleRules::discTitleName(index, title.length, int(title.chapters.size()));
    return title;
}

void QVlcPlayer::titles(QList<VlcTitle>& out) const
{
    out += m_titles;
}

int QVlcPlayer::currentTitle() const
{
    return m_player ? libvlc_media_player_get_title(m_player.get()) : -1;
}

bool QVlcPlayer::setTitle(int title)
{
    if (!ready())
        return false;
    qCDebug(lcEngine) << "title" << currentTitle() << "->" << title;
    // libVLC keeps the end of input it met reading the old title (on a small
    // disc that may be the whole title, read before its first picture) and
    // would end the new one at once; a seek first clears it.
    libvlc_media_player_set_time(m_player.get(), 0);
    libvlc_media_player_set_title(m_player.get(), title);
    m_seekTarget = -1;
    m_lastTime = -1;
    m_lastShown = -1;
    m_titleEndReported = false;
    m_clock.reset(0);
    // libVLC may never announce the new title's length; without it every time
    // would count as past the end and the position would stand still.
    m_length = 0;
    for (const VlcTitle& known : std::as_const(m_titles)) {
        if (known.id == title && known.length > 0) {
            m_length = known.length;
            emit lengthChanged(float(m_length) / 1000.0f);
        }
    }
    emit positionJumped(0);
    return true;
}

int QVlcPlayer::currentChapter() const
{
    const int t = currentTitle();
    if (t < 0 || t >= m_titles.size())
        return -1;
    // A Blu-ray's own time runs ahead of the picture.
    const qint64 time =
        m_bluray ? m_clock.position() : libvlc_media_player_get_time(m_player.get());
    return VlcTitleRules::chapterAt(m_titles.at(t), time);
}

bool QVlcPlayer::setChapter(int index)
{
    const int t = currentTitle();
    if (t < 0 || t >= m_titles.size() || index < 0 || index >= m_titles.at(t).chapters.size())
        return false;
    const qint64 start = m_titles.at(t).chapters.at(index).start;
    if (start < 0)
        return false;
    libvlc_media_player_set_time(m_player.get(), start);
    m_clock.reset(start);
    emit positionJumped(start);
    return true;
}

// --- Output options -----------------------------------------------------------

bool QVlcPlayer::audioChannel(int& out) const
{
    if (!ready())
        return false;
    out = libvlc_audio_get_channel(m_player.get());
    return true;
}

void QVlcPlayer::setAudioChannel(int channel)
{
    if (!ready())
        return;
    m_channel = channel;
    applyChannel();
}

bool QVlcPlayer::audioDevices(QList<VlcAudioDevice>& out)
{
    if (!ready())
        return false;
    m_audioDevices.clear();
    const VlcDeviceListHolder list(libvlc_audio_output_device_enum(m_player.get()));
    for (const libvlc_audio_output_device_t* d = list.get(); d; d = d->p_next)
        m_audioDevices.append(
            {QString::fromUtf8(d->psz_device), QString::fromUtf8(d->psz_description)});
    out += m_audioDevices;
    return true;
}

void QVlcPlayer::setAudioDevice(const QString& id)
{
    if (!ready())
        return;
    for (const VlcAudioDevice& device : std::as_const(m_audioDevices)) {
        if (device.id == id) {
            m_audioDevice = id;
            libvlc_audio_output_device_set(m_player.get(), nullptr, id.toUtf8().constData());
            return;
        }
    }
}

bool QVlcPlayer::deinterlace(bool& enabled, QString& mode) const
{
    if (!ready())
        return false;
    // libVLC cannot report it: this is what the player last set.
    enabled = m_deinterlaceEnabled;
    mode = m_deinterlaceMode;
    return true;
}

void QVlcPlayer::setDeinterlace(bool enabled, const QString& mode)
{
    // libVLC silently ignores a mode it does not know; so does the player.
    if (enabled && !isKnownDeinterlaceMode(mode))
        return;
    const QString chosen = enabled ? mode : QString();
    // The window sets the remembered mode again after each open: that is no new choice.
    if (enabled == m_deinterlaceEnabled && chosen == m_deinterlaceMode)
        return;
    m_deinterlaceEnabled = enabled;
    m_deinterlaceMode = chosen;
    // libVLC cannot switch a playing media to automatic: the choice is forced
    // on it, and the next media gets the automatic mode (see prepareOpen()).
    if (m_media && ready()) {
        m_deinterlaceForced = true;
        libvlc_video_set_deinterlace(m_player.get(), enabled ? mode.toLatin1().constData() : nullptr);
    }
}

bool QVlcPlayer::setAdjust(float contrast, float brightness, int hue, float saturation, float gamma)
{
    if (!ready())
        return false;
    libvlc_media_player_t* player = m_player.get();
    m_adjustEnabled = true;
    m_adjust[0] = contrast;
    m_adjust[1] = brightness;
    m_adjust[2] = float(hue);
    m_adjust[3] = saturation;
    m_adjust[4] = gamma;
    // libVLC takes any value; the filter's ranges are these.
    libvlc_video_set_adjust_int(player, libvlc_adjust_Enable, 1);
    libvlc_video_set_adjust_float(player, libvlc_adjust_Contrast, qBound(0.0f, contrast, 2.0f));
    libvlc_video_set_adjust_float(player, libvlc_adjust_Brightness, qBound(0.0f, brightness, 2.0f));
    // Hue is an angle: callers send 0..360, the filter takes -180..180.
    const int turn = ((hue % 360) + 540) % 360 - 180;
    libvlc_video_set_adjust_float(player, libvlc_adjust_Hue, float(turn));
    libvlc_video_set_adjust_float(player, libvlc_adjust_Saturation, qBound(0.0f, saturation, 3.0f));
    libvlc_video_set_adjust_float(player, libvlc_adjust_Gamma, qBound(0.01f, gamma, 10.0f));
    return true;
}

// --- Speed and delays --------------------------------------------------------

// Delays live in libVLC's input, which each play makes anew: they are only
// set while one exists, and given again on every Playing.
bool QVlcPlayer::hasInput() const
{
    if (!m_media || !ready())
        return false;
    const libvlc_state_t state = libvlc_media_player_get_state(m_player.get());
    return state == libvlc_Opening || state == libvlc_Buffering || state == libvlc_Playing
           || state == libvlc_Paused;
}

void QVlcPlayer::applyDelays()
{
    libvlc_video_set_spu_delay(m_player.get(), m_subtitleDelay * 1000);
    libvlc_audio_set_delay(m_player.get(), m_audioDelay * 1000);
}

float QVlcPlayer::rate() const
{
    return ready() ? libvlc_media_player_get_rate(m_player.get()) : m_rate;
}

bool QVlcPlayer::setRate(float rate)
{
    if (rate <= 0.0f)
        return false;
    m_rate = rate;
    m_clock.setRate(rate);
    // libVLC keeps the rate on the media player, for every media it plays;
    // with the default audio time stretching the pitch stays.
    return ready() && libvlc_media_player_set_rate(m_player.get(), rate) == 0;
}

qint64 QVlcPlayer::subtitleDelay() const
{
    return hasInput() ? libvlc_video_get_spu_delay(m_player.get()) / 1000 : m_subtitleDelay;
}

qint64 QVlcPlayer::audioDelay() const
{
    return hasInput() ? libvlc_audio_get_delay(m_player.get()) / 1000 : m_audioDelay;
}

bool QVlcPlayer::setSubtitleDelay(qint64 ms)
{
    m_subtitleDelay = ms;
    return !hasInput() || libvlc_video_set_spu_delay(m_player.get(), ms * 1000) == 0;
}

bool QVlcPlayer::setAudioDelay(qint64 ms)
{
    m_audioDelay = ms;
    return !hasInput() || libvlc_audio_set_delay(m_player.get(), ms * 1000) == 0;
}

void QVlcPlayer::nextFrame()
{
    if (hasInput())
        libvlc_media_player_next_frame(m_player.get());
}
