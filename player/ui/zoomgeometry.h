#pragma once

#include <QRect>
#include <QSize>

// The zoom presets' arithmetic: where the top-level window goes for a video
// of a given size. Every preset keeps the window inside the screen's work area
// and no smaller than the window allows.
class ZoomGeometry
{
public:
    // chrome: the top-level window's size less the picture's (title bar, menus,
    // controls); video: the media's own picture size; available: the work area
    // of the screen that shows the window; geometry and frame: the window's
    // client and frame rectangles; minimum: the window's least size.
    ZoomGeometry(const QSize& chrome, const QSize& video, const QRect& available,
                 const QRect& geometry, const QRect& frame, const QSize& minimum = QSize(0, 0));

    QRect halfSize() const;
    QRect normalSize() const;
    QRect doubleSize() const;
    QRect fitToScreen() const;

private:
    // A window of the chrome around a picture of this size, kept at corner.
    QRect around(const QSize& picture, const QPoint& corner) const;

    QSize m_chrome;
    QSize m_video;
    QRect m_available;
    QRect m_geometry;
    QRect m_frame;
    QSize m_minimum;
};
