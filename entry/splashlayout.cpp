#include "entry/splashlayout.h"

#include <QDomDocument>
#include <QDomElement>

#include <cmath>
#include <limits>

namespace {

Qt::Alignment verticalAlignment(const QString& value)
{
    if (value == QLatin1String("top"))
        return Qt::AlignTop;
    if (value == QLatin1String("bottom"))
        return Qt::AlignBottom;
    return Qt::AlignVCenter;
}

Qt::Alignment horizontalAlignment(const QString& value)
{
    if (value == QLatin1String("center"))
        return Qt::AlignHCenter;
    if (value == QLatin1String("right"))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

// A product of two numbers from the file may lie outside what an int holds,
// or be no number at all.
int scaled(double scale, int value)
{
    const double product = scale * value;
    if (!std::isfinite(product))
        return 0;
    return int(qBound(double(std::numeric_limits<int>::min()), product,
                      double(std::numeric_limits<int>::max())));
}

SplashLayout::Line readLine(const QDomElement& e, double scale, const QSize& bounds)
{
    const auto number = [&](const char* name) { return scaled(scale, e.attribute(name).toInt()); };
    const int x = qBound(0, number("x"), bounds.width());
    const int y = qBound(0, number("y"), bounds.height());
    SplashLayout::Line line;
    line.geometry = QRect(x, y, qBound(0, number("width"), bounds.width() - x),
                          qBound(0, number("height"), bounds.height() - y));
    line.alignment = verticalAlignment(e.attribute("valign")) |
                     horizontalAlignment(e.attribute("halign"));
    line.color = e.attribute("color");
    return line;
}

} // namespace

bool SplashLayout::read(const QByteArray& xml, double scale, const QRect& screen)
{
    QDomDocument doc;
    if (!doc.setContent(xml))
        return false;
    const QDomElement root = doc.documentElement().firstChildElement();
    // The splash, and the picture scaled into it, never exceed the screen.
    const QRect g = screen.isValid() ? screen : QRect();
    const int width = qBound(0, scaled(scale, root.firstChildElement("Width").text().toInt()),
                             qMax(0, g.width()));
    const int height = qBound(0, scaled(scale, root.firstChildElement("Height").text().toInt()),
                              qMax(0, g.height()));
    const int cx = int((qint64(g.left()) + g.right()) / 2);
    const int cy = int((qint64(g.top()) + g.bottom()) / 2);
    geometry = QRect(qBound(g.left(), cx - width / 2, g.right() + 1 - width),
                     qBound(g.top(), cy - height / 2, g.bottom() + 1 - height), width, height);
    const QSize bounds(width, height);
    message = readLine(root.firstChildElement("Message"), scale, bounds);
    version = readLine(root.firstChildElement("Version"), scale, bounds);
    copyright = readLine(root.firstChildElement("CopyRight"), scale, bounds);
    return true;
}
