#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Where a seek key goes. The reported position lags a seek by a poll or
// more, so presses that follow one another quickly (a held key) add up from
// the last target instead; counting from the stale position would keep
// landing on the same place, or behind the last one.
class KeySeek
{
public:
    // The target in ms of a step from position (both ms) in media of length
    // ms (0 when unknown). A step forward never lands behind where the last
    // one went, and no step reaches the end.
    qint64 target(qint64 position, qint64 length, qint64 step);
    // The place to show instead of a reported position, or -1: while keys
    // seek, a report from before the seek is no news.
    qint64 shownInstead(qint64 reported) const;
    void forget();

private:
    bool pending() const;

    qint64 m_target = -1;
    QElapsedTimer m_since;
};
