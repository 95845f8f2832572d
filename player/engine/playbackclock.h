#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Where the picture should be, from the last known position and the time
// spent playing since. libVLC's Blu-ray time follows the disc's read
// position and can run far ahead of the picture; this clock does not.
class PlaybackClock
{
public:
    void reset(qint64 positionMs);
    void run();
    void hold();
    // How fast the picture runs: 2 plays twice as fast.
    void setRate(double rate);
    bool isRunning() const { return m_running; }
    qint64 position() const;

private:
    QElapsedTimer m_timer;
    qint64 m_anchor = 0;
    double m_rate = 1.0;
    bool m_running = false;
};
