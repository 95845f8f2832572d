#include "player/ui/mainwindow.h"

#include "framework/core/uxproductinfo.h"
#include "platform/platformenvironment.h"
#include "platform/platformmprisservice.h"
#include "platform/platformwindow.h"
#include "player/engine/qvlcplayer.h"
#include "player/ui/mediafiletypes.h"
#include "player/ui/playbackspeed.h"
#include "widgets/kpplayseekingbar.h"

#include <QAction>
#include <QDBusObjectPath>
#include <QDir>
#include <QMimeDatabase>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>
#include <cmath>

namespace {

// Reports the player makes right after a jump may still come from before it.
const qint64 kJumpSettleMs = 300;

// Of the types a suffix may stand for (".ts" is also a translation source),
// the one that is media.
QString mediaMimeType(const QMimeDatabase& mimes, const QString& suffix)
{
    const QList<QMimeType> candidates = mimes.mimeTypesForFileName(QStringLiteral("media.") + suffix);
    for (const char* kind : {"video/", "audio/", "application/"}) {
        for (const QMimeType& type : candidates) {
            if (type.name().startsWith(QLatin1String(kind)))
                return type.name();
        }
    }
    return QString();
}

// The kinds of file the Open File dialog offers, as the desktop names them.
QStringList openableMimeTypes()
{
    QMimeDatabase mimes;
    QStringList types;
    for (const QString& suffix : MediaFileTypes::mediaSuffixes()) {
        const QString type = mediaMimeType(mimes, suffix);
        if (!type.isEmpty() && !types.contains(type))
            types << type;
    }
    // Blu-ray images open as files too.
    const QString image = QStringLiteral("application/x-cd-image");
    if (!types.contains(image))
        types << image;
    return types;
}

QString trackPathPrefix()
{
    QString name = uxProductInfo::instance()->programName();
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() || c.unicode() > 127)
            c = QLatin1Char('_');
    }
    return QLatin1Char('/') + name + QStringLiteral("/track/");
}

const char* loopStatusName(Playlist::Repeat repeat)
{
    switch (repeat) {
    case Playlist::RepeatOne:
        return "Track";
    case Playlist::RepeatAll:
        return "Playlist";
    case Playlist::RepeatOff:
        break;
    }
    return "None";
}

} // namespace

// --- Set-up -------------------------------------------------------------------

void MainWindow::setupRemoteControl()
{
    PlatformMprisService::Identity identity;
    identity.name = uxProductInfo::instance()->name();
    identity.busSuffix = uxProductInfo::instance()->programName();
    identity.desktopEntry = identity.busSuffix;
    identity.mimeTypes = openableMimeTypes();
    identity.minimumRate = PlaybackSpeed::steps().first();
    identity.maximumRate = PlaybackSpeed::steps().last();
    m_remote = new PlatformMprisService(identity, this);
    m_remote->setPositionReader([this] { return remotePosition() * 1000; });
    updateRemote();
    if (!m_remote->start())
        return;
    QVlcPlayer* p = m_player;
    connect(p, &QVlcPlayer::stateChanged, this, [this](int state) {
        if (state == QVlcPlayer::Opening) {
            ++m_remoteTrack;
            m_remoteJumpMs = -1;
        }
        updateRemote();
    });
    connect(p, &QVlcPlayer::timeChanged, this, [this] {
        if (m_remoteJumpMs >= 0 && m_remoteJumpAge.elapsed() > kJumpSettleMs)
            m_remoteJumpMs = -1;
        updateRemoteAbilities();
    });
    for (auto signal : {&QVlcPlayer::trackInfoChanged, &QVlcPlayer::titleInfoChanged,
                        &QVlcPlayer::mediaInfoChanged})
        connect(p, signal, this, &MainWindow::updateRemote);
    connect(p, &QVlcPlayer::lengthChanged, this, &MainWindow::updateRemote);
    connect(p, &QVlcPlayer::positionJumped, this, &MainWindow::onPositionJumped);
    connect(this, &MainWindow::mediaTitleChanged, this, &MainWindow::updateRemote);
    connect(m_ui.previewVolume, &QSlider::valueChanged, this, &MainWindow::updateRemote);
    connectRemoteRequests();
}

void MainWindow::connectRemoteRequests()
{
    PlatformMprisService* r = m_remote;
    // Whatever may open a dialog or end the program runs once the bus has its answer.
    connect(r, &PlatformMprisService::raiseRequested, this,
            [this] { PlatformWindow::bringToFront(topLevel()); }, Qt::QueuedConnection);
    connect(r, &PlatformMprisService::quitRequested, this, [this] { topLevel()->close(); },
            Qt::QueuedConnection);
    connect(r, &PlatformMprisService::openRequested, this,
            [this](const QString& path) {
                if (!addSubtitles({path}))
                    openFileByName(path);
            },
            Qt::QueuedConnection);
    connect(r, &PlatformMprisService::playRequested, this, &MainWindow::remotePlay);
    connect(r, &PlatformMprisService::pauseRequested, this, [this] {
        if (isPlayingState(m_player->state()))
            onBtnPauseClicked();
    });
    connect(r, &PlatformMprisService::playPauseRequested, this, &MainWindow::remotePlayPause);
    connect(r, &PlatformMprisService::stopRequested, this, [this] {
        if (m_player->state() != QVlcPlayer::Idle)
            onBtnStopClicked();
    });
    connect(r, &PlatformMprisService::nextRequested, this, &MainWindow::remoteNext);
    connect(r, &PlatformMprisService::previousRequested, this, &MainWindow::remotePrevious);
    connect(r, &PlatformMprisService::positionRequested, this, &MainWindow::remoteSeek);
    connect(r, &PlatformMprisService::volumeRequested, this, &MainWindow::remoteVolume);
    connect(r, &PlatformMprisService::rateRequested, this, [this](double rate) {
        setSpeed(float(rate));
        updateRemote();
    });
    connect(r, &PlatformMprisService::loopStatusRequested, this, &MainWindow::remoteLoopStatus);
}

// --- What the remote sees -----------------------------------------------------

void MainWindow::updateRemote()
{
    if (!m_remote)
        return;
    const int state = m_player->state();
    const bool idle = state == QVlcPlayer::Idle;
    const char* status = idle ? "Stopped" : state == QVlcPlayer::Paused ? "Paused" : "Playing";
    PlatformMprisService* r = m_remote;
    r->setPlayerValue("PlaybackStatus", QLatin1String(status));
    r->setPlayerValue("LoopStatus", QLatin1String(loopStatusName(m_playlist.repeat())));
    // libVLC's own rate may differ from the chosen step in the last digits.
    const double rate = idle ? 1.0 : std::round(double(m_player->rate()) * 100.0) / 100.0;
    r->setPlayerValue("Rate", rate);
    r->setPlayerValue("Volume", m_ui.previewVolume->value() / 100.0);
    r->setPlayerValue("Metadata", remoteMetadata());
    r->setPlayerValue("CanPlay", !idle || !m_recent.first().isEmpty());
    r->setPlayerValue("CanPause", isPlayingState(state) || state == QVlcPlayer::Paused);
    updateRemoteAbilities();
}

// What may change as the time goes on: chapters are passed, seeking becomes possible.
void MainWindow::updateRemoteAbilities()
{
    if (!m_remote)
        return;
    PlatformMprisService* r = m_remote;
    // Several entries step through the playlist; a single one through its chapters.
    const bool entries = m_playlist.size() > 1;
    r->setPlayerValue("CanGoNext",
                      entries ? m_playlist.next() >= 0 : m_ui.actionNext_Chapter->isEnabled());
    r->setPlayerValue("CanGoPrevious", entries ? m_playlist.previous() >= 0
                                               : m_ui.actionPrevious_Chapter->isEnabled());
    r->setPlayerValue("CanSeek", canSeekByKey());
}

QVariantMap MainWindow::remoteMetadata()
{
    QVariantMap metadata;
    if (m_player->state() == QVlcPlayer::Idle) {
        metadata.insert(QStringLiteral("mpris:trackid"),
                        QVariant::fromValue(QDBusObjectPath(
                            QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"))));
        return metadata;
    }
    metadata.insert(QStringLiteral("mpris:trackid"),
                    QVariant::fromValue(QDBusObjectPath(trackPathPrefix()
                                                        + QString::number(m_remoteTrack))));
    if (m_length > 0)
        metadata.insert(QStringLiteral("mpris:length"), qint64(double(m_length) * 1e6));
    const QString title = mediaTitle();
    if (!title.isEmpty())
        metadata.insert(QStringLiteral("xesam:title"), title);
    const QString location = m_isBluray ? m_blurayRoot : m_resumeKey;
    if (!location.isEmpty())
        metadata.insert(QStringLiteral("xesam:url"),
                        QUrl::fromLocalFile(location).toString(QUrl::FullyEncoded));
    const QString cover = remoteCoverUrl();
    if (!cover.isEmpty())
        metadata.insert(QStringLiteral("mpris:artUrl"), cover);
    return metadata;
}

// libVLC names the cover it keeps in its art cache; a cover only the player
// holds (embedded pictures libVLC did not store, a disc's own picture) is
// written to a private file that lives as long as the window.
QString MainWindow::remoteCoverUrl()
{
    const QString art = m_player->artworkUrl();
    if (!art.isEmpty())
        return art;
    const QImage cover = m_player->coverImage();
    if (cover.isNull())
        return QString();
    if (m_remoteCoverTrack != m_remoteTrack) {
        m_remoteCoverTrack = m_remoteTrack;
        m_remoteCover.clear();
        delete findChild<QTemporaryFile*>(QStringLiteral("remoteCover"));
        const QString folder = PlatformEnvironment::userRuntimeDir();
        if (folder.isEmpty())
            return QString();
        // A new name for each media: desktops keep pictures by their address.
        auto* file = new QTemporaryFile(folder + QStringLiteral("/cover-XXXXXX.png"), this);
        file->setObjectName(QStringLiteral("remoteCover"));
        if (file->open() && cover.save(file, "PNG")) {
            file->close();
            m_remoteCover = QUrl::fromLocalFile(file->fileName()).toString();
        }
    }
    return m_remoteCover;
}

qint64 MainWindow::remotePosition() const
{
    if (m_player->state() == QVlcPlayer::Idle)
        return 0;
    return m_remoteJumpMs >= 0 ? m_remoteJumpMs : m_player->position();
}

void MainWindow::onPositionJumped(qint64 ms)
{
    m_remoteJumpMs = ms;
    m_remoteJumpAge.start();
    if (m_remote)
        m_remote->announceSeek(ms * 1000);
}

// --- What the remote asks for -------------------------------------------------

void MainWindow::remotePlay()
{
    const int state = m_player->state();
    if (state == QVlcPlayer::Paused || state == QVlcPlayer::Idle)
        onBtnPlayClicked();
}

// As the space key does it.
void MainWindow::remotePlayPause()
{
    if (isPlayingState(m_player->state()))
        onBtnPauseClicked();
    else
        remotePlay();
}

void MainWindow::remoteNext()
{
    if (m_playlist.size() > 1)
        playNextEntry();
    else if (m_ui.actionNext_Chapter->isEnabled())
        m_ui.actionNext_Chapter->trigger();
}

void MainWindow::remotePrevious()
{
    if (m_playlist.size() > 1)
        playPreviousEntry();
    else if (m_ui.actionPrevious_Chapter->isEnabled())
        m_ui.actionPrevious_Chapter->trigger();
}

void MainWindow::remoteSeek(qint64 positionUs)
{
    seekToByKey(positionUs / 1000);
}

// Asking for a volume unmutes, as the volume keys do.
void MainWindow::remoteVolume(double volume)
{
    if (!m_ui.previewVolume->isEnabled())
        setMuted(false);
    m_ui.previewVolume->setValue(int(std::lround(volume * 100.0)));
    updateRemote();
}

void MainWindow::remoteLoopStatus(const QString& status)
{
    for (Playlist::Repeat repeat : {Playlist::RepeatOff, Playlist::RepeatOne, Playlist::RepeatAll}) {
        if (status == QLatin1String(loopStatusName(repeat)))
            setRepeatMode(repeat);
    }
    updateRemote();
}
