#pragma once

#include <QtGlobal>

class QWidget;

// Operations on native top-level windows, including those of other processes,
// identified by their X11 window id. Without an X11 connection they do nothing.
class PlatformWindow
{
public:
    static bool isWindow(quint32 id);
    // Minimised (iconic state, or hidden by the window manager).
    static bool isIconic(quint32 id);
    // Restores the window when minimised, activates it and puts it on top.
    static void raise(quint32 id);
    // The same for a window of this process, told to Qt as well.
    static void bringToFront(QWidget* window);
};
