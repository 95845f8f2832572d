#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Pictures for windows that may be shown at any device pixel ratio: each is
// made at the screen's pixels from the best source there is, so it stays
// crisp where Qt scales the window (a picture made at the window's logical
// size would be stretched by the ratio and look blurred).
class uxPicture
{
public:
    // The picture at path fitted into box (logical pixels) by mode; vector
    // pictures are rendered at the size needed. Null when it does not load.
    static QPixmap fitted(const QString& path, const QSize& box, qreal ratio,
                          Qt::AspectRatioMode mode);
    // icon as a square of side logical pixels, whatever sizes its pictures have.
    static QPixmap square(const QIcon& icon, int side, qreal ratio);
};
