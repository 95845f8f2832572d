#include "tst_frameworkfixture.h"

#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace FrameworkFixture {

void loadProduct()
{
    uxSrcMgr* resources = uxSrcMgr::instance();
    uxProductInfo::instance()->loadConfig(resources->readProductConfig());
    uxProductInfo::instance()->loadExtend(resources->readProductExtend());
    resources->filterSkins();
    resources->filterLanguages();
    uxSettings::instance();
    resources->setCurrentLanguage(QStringLiteral("en"));
}

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& local, const QPoint& global,
               Qt::MouseButton button)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(local), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void writePng(const QString& path, const QSize& size, const QColor& colour, int cornerSide)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    if (cornerSide > 0) {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        const int w = size.width(), h = size.height(), c = cornerSide;
        for (const QRect& r : {QRect(0, 0, c, c), QRect(w - c, 0, c, c), QRect(0, h - c, c, c),
                               QRect(w - c, h - c, c, c)})
            p.fillRect(r, Qt::transparent);
    }
    image.save(path, "PNG");
}

} // namespace FrameworkFixture

UrlCatcher::UrlCatcher()
{
    for (const char* scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    for (const char* scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}
