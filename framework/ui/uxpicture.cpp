#include "framework/ui/uxpicture.h"

#include <QImageReader>

namespace {

QPixmap atRatio(const QImage& image, const QSize& pixels, qreal ratio)
{
    QPixmap pixmap = QPixmap::fromImage(
        image.size() == pixels
            ? image
            : image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QSize devicePixels(const QSize& logical, qreal ratio)
{
    return QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
}

} // namespace

QPixmap uxPicture::fitted(const QString& path, const QSize& box, qreal ratio,
                          Qt::AspectRatioMode mode)
{
    QImageReader reader(path);
    const QSize natural = reader.size();
    if (!natural.isValid() || box.isEmpty())
        return QPixmap();
    const QSize pixels = natural.scaled(devicePixels(box, ratio), mode);
    // Only scalable sources are read at the target size; bitmaps are read
    // whole and scaled smoothly.
    if ((pixels.width() > natural.width() || pixels.height() > natural.height()) &&
        reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(pixels);
    const QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    return atRatio(image, pixels, ratio);
}

QPixmap uxPicture::square(const QIcon& icon, int side, qreal ratio)
{
    const QPixmap best = icon.pixmap(QSize(side, side), ratio, QIcon::Normal, QIcon::Off);
    if (best.isNull())
        return best;
    return atRatio(best.toImage(), devicePixels(QSize(side, side), ratio), ratio);
}
