#pragma once

#include <QList>
#include <QString>

// The speeds offered by the menu and the speed keys, from a quarter to four
// times normal.
class PlaybackSpeed
{
public:
    static const QList<float>& steps();
    // The next step above rate, or the fastest one.
    static float faster(float rate);
    // The next step below rate, or the slowest one.
    static float slower(float rate);
    static bool isNormal(float rate);
    // "1.5×", as the control bar and the menu show it.
    static QString text(float rate);
};
