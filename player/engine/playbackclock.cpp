#include "player/engine/playbackclock.h"

void PlaybackClock::reset(qint64 positionMs)
{
    m_anchor = positionMs;
    if (m_running)
        m_timer.start();
}

void PlaybackClock::run()
{
    if (m_running)
        return;
    m_running = true;
    m_timer.start();
}

void PlaybackClock::hold()
{
    if (!m_running)
        return;
    m_anchor = position();
    m_running = false;
}

qint64 PlaybackClock::position() const
{
    return m_anchor + (m_running ? qint64(double(m_timer.elapsed()) * m_rate) : 0);
}

void PlaybackClock::setRate(double rate)
{
    if (m_running) {
        m_anchor = position();
        m_timer.start();
    }
    m_rate = rate;
}
