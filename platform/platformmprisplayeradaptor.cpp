#include "platform/platformmprisplayeradaptor.h"

#include "platform/platformmprisservice.h"


PlatformMprisPlayerAdaptor::PlatformMprisPlayerAdaptor(PlatformMprisService* service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

bool PlatformMprisPlayerAdaptor::flag(const char* name) const
{
    return m_service->playerValue(name).toBool();
}

QString PlatformMprisPlayerAdaptor::playbackStatus() const
{
    return m_service->playerValue("PlaybackStatus").toString();
}

QString PlatformMprisPlayerAdaptor::loopStatus() const
{
    return m_service->playerValue("LoopStatus").toString();
}

void PlatformMprisPlayerAdaptor::setLoopStatus(const QString& status)
{
    emit m_service->loopStatusRequested(status);
}

double PlatformMprisPlayerAdaptor::rate() const
{
    return m_service->playerValue("Rate").toDouble();
}

void PlatformMprisPlayerAdaptor::setRate(double rate)
{
    m_service->requestRate(rate);
}

QVariantMap PlatformMprisPlayerAdaptor::metadata() const
{
    return m_service->playerValue("Metadata").toMap();
}

double PlatformMprisPlayerAdaptor::volume() const
{
    return m_service->playerValue("Volume").toDouble();
}

void PlatformMprisPlayerAdaptor::setVolume(double volume)
{
    m_service->requestVolume(volume);
}

qlonglong PlatformMprisPlayerAdaptor::position() const
{
    return m_service->position();
}

double PlatformMprisPlayerAdaptor::minimumRate() const
{
    return m_service->identity().minimumRate;
}

double PlatformMprisPlayerAdaptor::maximumRate() const
{
    return m_service->identity().maximumRate;
}

bool PlatformMprisPlayerAdaptor::canGoNext() const
{
    return flag("CanGoNext");
}

bool PlatformMprisPlayerAdaptor::canGoPrevious() const
{
    return flag("CanGoPrevious");
}

bool PlatformMprisPlayerAdaptor::canPlay() const
{
    return flag("CanPlay");
}

bool PlatformMprisPlayerAdaptor::canPause() const
{
    return flag("CanPause");
}

bool PlatformMprisPlayerAdaptor::canSeek() const
{
    return flag("CanSeek");
}

void PlatformMprisPlayerAdaptor::Next()
{
    if (canGoNext())
        emit m_service->nextRequested();
}

void PlatformMprisPlayerAdaptor::Previous()
{
    if (canGoPrevious())
        emit m_service->previousRequested();
}

void PlatformMprisPlayerAdaptor::Pause()
{
    if (canPause())
        emit m_service->pauseRequested();
}

void PlatformMprisPlayerAdaptor::PlayPause()
{
    if (canPause() || canPlay())
        emit m_service->playPauseRequested();
}

void PlatformMprisPlayerAdaptor::Stop()
{
    emit m_service->stopRequested();
}

void PlatformMprisPlayerAdaptor::Play()
{
    if (canPlay())
        emit m_service->playRequested();
}

void PlatformMprisPlayerAdaptor::Seek(qlonglong offset)
{
    if (canSeek())
        m_service->requestSeek(offset);
}

void PlatformMprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position)
{
    if (canSeek())
        m_service->requestPosition(trackId.path(), position);
}

void PlatformMprisPlayerAdaptor::OpenUri(const QString& uri)
{
    m_service->requestOpen(uri);
}
