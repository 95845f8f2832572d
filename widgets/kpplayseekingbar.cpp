#include "widgets/kpplayseekingbar.h"

#include "framework/core/uxmargins.h"

#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <qdrawutil.h>

KpPlaySeekingBar::KpPlaySeekingBar(QWidget* parent) : QSlider(parent)
{
}

KpPlaySeekingBar* KpPlaySeekingBar::addHorizontal(QWidget* parent, const char* name, int maximum,
                                                  QLayout* into)
{
    auto* bar = new KpPlaySeekingBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setOrientation(Qt::Horizontal);
    bar->setMaximum(maximum);
    into->addWidget(bar);
    return bar;
}

void KpPlaySeekingBar::setTrimRangeImage(const QString& path)
{
    m_trimImagePath = path;
    m_trimImage = QPixmap(path);
}

QString KpPlaySeekingBar::trimRangeMargin() const
{
    return uxMargins{m_marginTop, m_marginRight, m_marginBottom, m_marginLeft}.toText();
}

void KpPlaySeekingBar::setTrimRangeMargin(const QString& text)
{
    uxMargins margins;
    if (text.isEmpty() || text == trimRangeMargin() || !margins.readText(text))
        return;
    m_marginTop = margins.top;
    m_marginRight = margins.right;
    m_marginBottom = margins.bottom;
    m_marginLeft = margins.left;
}

QString KpPlaySeekingBar::grooveOutterSpace() const
{
    return QStringLiteral("%1,%2").arg(m_outerStart).arg(m_outerEnd);
}

void KpPlaySeekingBar::setGrooveOutterSpace(const QString& text)
{
    if (text.isEmpty() || text == grooveOutterSpace())
        return;
    const QList<int> numbers = uxMargins::readNumbers(text, 2);
    if (numbers.isEmpty())
        return;
    m_outerStart = numbers.at(0);
    m_outerEnd = numbers.at(1);
}

void KpPlaySeekingBar::setTrimRange(int start, int end)
{
    m_trimStart = start;
    m_trimEnd = end;
    update();
}

QRect KpPlaySeekingBar::grooveRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
}

KpPlaySeekingBar::Mapping KpPlaySeekingBar::mapping() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect g =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const bool horizontal = orientation() == Qt::Horizontal;
    Mapping m;
    m.origin = (horizontal ? g.left() : g.top()) + m_outerStart;
    m.span = qMax(0, (horizontal ? g.right() : g.bottom()) - m_outerEnd + 1 - m.origin);
    m.upsideDown = option.upsideDown;
    return m;
}

int KpPlaySeekingBar::pixelOfValue(int value) const
{
    const Mapping m = mapping();
    return m.origin
           + QStyle::sliderPositionFromValue(minimum(), maximum(), value, m.span, m.upsideDown);
}

int KpPlaySeekingBar::valueOfPixel(int pixel) const
{
    const Mapping m = mapping();
    return QStyle::sliderValueFromPosition(minimum(), maximum(), pixel - m.origin, m.span,
                                           m.upsideDown);
}

void KpPlaySeekingBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QSlider::mousePressEvent(event);
        return;
    }
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QPoint at = event->position().toPoint();
    if (handle.contains(at)) {
        QSlider::mousePressEvent(event);
        return;
    }
    event->accept();
    const int v = valueOfPixel(orientation() == Qt::Horizontal ? at.x() : at.y());
    const int low = qMin(m_trimStart, m_trimEnd);
    const int high = qMax(m_trimStart, m_trimEnd);
    if (v == value() || v < low || v > high)
        return;
    triggerAction(QAbstractSlider::SliderMove);
    setValue(v);
}

void KpPlaySeekingBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove;
    if (tickPosition() != QSlider::NoTicks)
        option.subControls |= QStyle::SC_SliderTickmarks;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    if (!m_trimImage.isNull())
        paintTrimRange(painter, grooveRect());
    option.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

void KpPlaySeekingBar::paintTrimRange(QPainter& painter, const QRect& groove)
{
    if (groove.isEmpty())
        return;
    const int from = pixelOfValue(m_trimStart);
    const int to = pixelOfValue(m_trimEnd);
    QRect clip = groove;
    if (orientation() == Qt::Horizontal) {
        clip.setLeft(from + 1);
        clip.setRight(to - 1);
    } else {
        clip.setTop(to + 1);
        clip.setBottom(from - 1);
    }
    painter.setClipRect(clip, Qt::ReplaceClip);
    painter.drawPixmap(groove.topLeft(), trimPixmap(groove.size()));
    painter.setClipRect(rect(), Qt::ReplaceClip);
}

QPixmap KpPlaySeekingBar::trimPixmap(const QSize& size) const
{
    QPixmap out(size);
    out.fill(Qt::transparent);
    // Skins may leave margins unset (negative) or wider than the image.
    const int w = m_trimImage.width();
    const int h = m_trimImage.height();
    const int l = qBound(0, m_marginLeft, w);
    const int r = qBound(0, m_marginRight, w - l);
    const int t = qBound(0, m_marginTop, h);
    const int b = qBound(0, m_marginBottom, h - t);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QMargins margins(l, t, r, b);
    qDrawBorderPixmap(&painter, out.rect(), margins, m_trimImage, m_trimImage.rect(), margins);
    return out;
}
