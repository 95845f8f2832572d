#include "player/ui/onscreentext.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTimer>

namespace {

const int kHoldMs = 1500;
const int kFadeStepMs = 40;
const double kFadeStep = 0.125;
const int kMargin = 16;

qreal outlineWidth(const QFont& font)
{
    return qMax<qreal>(2.0, font.pixelSize() / 8.0);
}

} // namespace

OnScreenText::OnScreenText(QWidget* video, const QFont& font) : QWidget(video), m_font(font)
{
    setObjectName(QStringLiteral("onScreenText"));
    // No X window of its own: one next to libVLC's takes the keyboard focus
    // away from the player's window after a click on the picture. Qt cuts
    // the video's window around a sibling raised over it instead.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_font.setBold(true);
    m_hold = new QTimer(this);
    m_hold->setSingleShot(true);
    connect(m_hold, &QTimer::timeout, this, [this] { m_fade->start(kFadeStepMs); });
    m_fade = new QTimer(this);
    connect(m_fade, &QTimer::timeout, this, &OnScreenText::fadeStep);
    hide();
}

void OnScreenText::showText(const QString& text)
{
    if (m_blocked || !parentWidget() || !parentWidget()->isVisible())
        return;
    m_text = text;
    m_brightness = 1.0;
    m_fade->stop();
    layoutText();
    show();
    // Each play makes a new video window, stacked over this one.
    raise();
    update();
    m_hold->start(kHoldMs);
}

void OnScreenText::setBlocked(bool blocked)
{
    m_blocked = blocked;
    if (blocked)
        finish();
}

// The letters grow with the picture: a twentieth of its height, within reason.
void OnScreenText::layoutText()
{
    const int height = parentWidget()->height();
    m_font.setPixelSize(qBound(14, height / 20, 48));
    QPainterPath path;
    path.addText(0, 0, m_font, m_text);
    const qreal pad = outlineWidth(m_font);
    path.translate(-path.boundingRect().topLeft() + QPointF(pad, pad));
    m_path = path;
    const QSize size = (m_path.boundingRect().size() + QSizeF(2 * pad, 2 * pad)).toSize()
                       + QSize(1, 1);
    setGeometry(QRect(QPoint(kMargin, kMargin), size));
    // Only the letters and their outline cover the picture.
    QBitmap shape(size);
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPainterPathStroker stroker;
    stroker.setWidth(2 * pad);
    stroker.setJoinStyle(Qt::RoundJoin);
    painter.fillPath(stroker.createStroke(m_path).united(m_path), Qt::color1);
    painter.end();
    setMask(shape);
}

void OnScreenText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::black);
    const int level = int(255 * m_brightness);
    painter.fillPath(m_path, QColor(level, level, level));
}

// Without a compositor a window cannot be see-through, so fading dims the
// letters into their outline, then the whole goes.
void OnScreenText::fadeStep()
{
    m_brightness -= kFadeStep;
    if (m_brightness <= 0.0) {
        finish();
        return;
    }
    update();
}

void OnScreenText::finish()
{
    m_hold->stop();
    m_fade->stop();
    m_brightness = 1.0;
    hide();
}
