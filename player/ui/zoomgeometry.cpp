#include "player/ui/zoomgeometry.h"

#include <QtGlobal>

ZoomGeometry::ZoomGeometry(const QSize& chrome, const QSize& video, const QRect& available,
                           const QRect& geometry, const QRect& frame, const QSize& minimum)
    : m_chrome(chrome),
      m_video(video),
      m_available(available),
      m_geometry(geometry),
      m_frame(frame),
      m_minimum(minimum)
{
}

// Halving truncates: QSize's own division rounds, which would make an odd
// picture one pixel larger than half.
QRect ZoomGeometry::halfSize() const
{
    return around(QSize(m_video.width() / 2, m_video.height() / 2), m_geometry.topLeft());
}

QRect ZoomGeometry::normalSize() const
{
    return around(m_video, m_geometry.topLeft());
}

QRect ZoomGeometry::doubleSize() const
{
    return around(m_video * 2, m_frame.topLeft());
}

// The whole work area; the client starts below the window's frame edge, so
// the frame's top stays on the screen.
QRect ZoomGeometry::fitToScreen() const
{
    QRect area = m_available;
    area.setTop(area.top() + (m_geometry.top() - m_frame.top()));
    return area;
}

// Sized to the picture plus chrome, never beyond the work area nor below the
// window's least size, and moved back inside the work area when the kept
// corner would push the window over its right or bottom edge.
QRect ZoomGeometry::around(const QSize& picture, const QPoint& corner) const
{
    const QSize size = (m_chrome + picture).boundedTo(m_available.size()).expandedTo(m_minimum);
    QRect target(corner, size);
    if (target.right() > m_available.right())
        target.moveRight(m_available.right());
    if (target.bottom() > m_available.bottom())
        target.moveBottom(m_available.bottom());
    if (target.left() < m_available.left())
        target.moveLeft(m_available.left());
    if (target.top() < m_available.top())
        target.moveTop(m_available.top());
    return target;
}
