#include "framework/ui/uxwidgetframe.h"

#include "framework/ui/uxwintitlebar.h"
#include "framework/ui/uxwintitlebarex.h"

#include <QBitmap>
#include <QCursor>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <qdrawutil.h>

namespace {

const int CursorIntervalMs = 200;

bool near(int a, int b, int margin)
{
    return b - margin <= a && a <= b + margin;
}

} // namespace

uxWidgetFrame::uxWidgetFrame(QWidget* parent) : QWidget(parent)
{
    m_cursorTimer = new QTimer(this);
    connect(m_cursorTimer, &QTimer::timeout, this, &uxWidgetFrame::detectAndSetMouseDragmode);
    setGeometry(QRect(0, 0, 0, 0));
}

uxWidgetFrame::~uxWidgetFrame()
{
    delete m_maskPixmap;
}

bool uxWidgetFrame::attachTo(QWidget* window, bool extended, QWidget* menuWidget)
{
    if (m_window || !window)
        return false;
    m_window = window;
    if (extended) {
        auto* bar = new uxWinTitleBarEx(window);
        bar->attachTo(window);
        bar->setMenuWidget(menuWidget);
        m_titleBar = bar;
    } else {
        auto* bar = new uxWinTitleBar(window);
        bar->attachTo(window);
        m_titleBar = bar;
    }
    m_titleBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    window->installEventFilter(this);
    if (!window->testAttribute(Qt::WA_MouseTracking))
        window->setAttribute(Qt::WA_MouseTracking);
    return true;
}

uxWidgetFrame* uxWidgetFrame::install(QWidget* window, const QString& clientName, bool showTitleBar,
                                      bool extendedTitleBar, QWidget* menuWidget)
{
    auto* frame = new uxWidgetFrame(window);
    frame->attachTo(window, extendedTitleBar, menuWidget);
    auto* client = window->findChild<QFrame*>(clientName);
    auto* layout = client ? qobject_cast<QVBoxLayout*>(client->layout()) : nullptr;
    if (showTitleBar && layout)
        layout->insertWidget(0, frame->titleBar());
    else
        frame->titleBar()->hide();
    return frame;
}

void uxWidgetFrame::setMaskImage(const QString& path)
{
    if (path.isEmpty())
        return;
    delete m_maskPixmap;
    m_maskImagePath = path;
    m_maskPixmap = new QPixmap(path);
}

bool uxWidgetFrame::setMarginText(uxMargins& margins, const QString& text)
{
    if (text.isEmpty() || text == margins.toText())
        return false;
    return margins.readText(text);
}

void uxWidgetFrame::setMaskMargin(const QString& text)
{
    setMarginText(m_maskMargins, text);
}

void uxWidgetFrame::setFrameResizeMargin(const QString& text)
{
    setMarginText(m_resizeMargins, text);
}

// A mask image that failed to load counts as none: a transparent shape would
// make the window vanish.
bool uxWidgetFrame::renderMask(QPixmap& target, const QSize& size) const
{
    target.fill(Qt::transparent);
    if (!m_maskPixmap || m_maskPixmap->isNull())
        return false;
    const QMargins margins(m_maskMargins.left, m_maskMargins.top, m_maskMargins.right,
                           m_maskMargins.bottom);
    // Slices that leave no middle would stretch nothing over the window.
    const QSize source = m_maskPixmap->size();
    if (margins.left() + margins.right() >= source.width() ||
        margins.top() + margins.bottom() >= source.height())
        return false;
    QPainter p(&target);
    qDrawBorderPixmap(&p, QRect(QPoint(0, 0), size), margins, *m_maskPixmap, m_maskPixmap->rect(),
                      margins);
    return true;
}

void uxWidgetFrame::updateWindowMask(QWidget* window, const uxWidgetFrame* frame)
{
    if (!window || !frame)
        return;
    // A full-screen picture reaches into the corners.
    if (window->isFullScreen()) {
        window->clearMask();
        return;
    }
    const QSize size = window->frameGeometry().size();
    if (size.isEmpty())
        return;
    QPixmap target(size);
    if (frame->renderMask(target, size))
        window->setMask(target.mask());
}

bool uxWidgetFrame::canResize() const
{
    return m_resizeEnabled && m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint) &&
           m_window->minimumSize() != m_window->maximumSize();
}

int uxWidgetFrame::hitTest(const QPoint& p) const
{
    if (!m_window)
        return DragNone;
    const QRect r = m_window->rect();
    if (canResize()) {
        const bool l = near(p.x(), r.left(), m_resizeMargins.left);
        const bool rt = near(p.x(), r.right(), m_resizeMargins.right);
        const bool top = near(p.y(), r.top(), m_resizeMargins.top);
        const bool bottom = near(p.y(), r.bottom(), m_resizeMargins.bottom);
        const bool insideX = r.left() < p.x() && p.x() < r.right();
        const bool insideY = r.top() < p.y() && p.y() < r.bottom();
        if (l && top)
            return DragLeft | DragTop;
        if (l && bottom)
            return DragLeft | DragBottom;
        if (rt && top)
            return DragRight | DragTop;
        if (rt && bottom)
            return DragRight | DragBottom;
        if (insideX && top)
            return DragTop;
        if (insideY && l)
            return DragLeft;
        if (insideX && bottom)
            return DragBottom;
        if (insideY && rt)
            return DragRight;
    }
    return r.contains(p) ? DragMove : DragNone;
}

Qt::CursorShape uxWidgetFrame::cursorShape(int mode)
{
    switch (mode) {
    case DragLeft:
    case DragRight:
        return Qt::SizeHorCursor;
    case DragTop:
    case DragBottom:
        return Qt::SizeVerCursor;
    case DragLeft | DragTop:
    case DragRight | DragBottom:
        return Qt::SizeFDiagCursor;
    case DragRight | DragTop:
    case DragLeft | DragBottom:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void uxWidgetFrame::setCursorForMode(int mode)
{
    if (!m_window)
        return;
    const Qt::CursorShape shape = cursorShape(mode);
    if (shape == Qt::ArrowCursor)
        m_window->unsetCursor();
    else
        m_window->setCursor(shape);
}

void uxWidgetFrame::detectAndSetMouseDragmode()
{
    if (!m_window || m_window->isMaximized() || m_window->isFullScreen())
        return;
    setCursorForMode(hitTest(m_window->mapFromGlobal(QCursor::pos())));
}

bool uxWidgetFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window || !m_window || m_window->isMaximized())
        return QWidget::eventFilter(watched, event);
    // A full-screen window stays where it is: a click or a double click on
    // the picture must not start moving it.
    if (m_window->isFullScreen()) {
        m_dragMode = DragNone;
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        onPress(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseButtonRelease:
        onRelease(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::MouseMove:
        onMove(static_cast<QMouseEvent*>(event));
        break;
    case QEvent::Enter:
        m_cursorTimer->start(CursorIntervalMs);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void uxWidgetFrame::onPress(const QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPos = event->globalPosition().toPoint();
    m_lastPos = m_pressPos;
    m_originAtPress = m_pressPos - event->position().toPoint();
    const int mode = hitTest(event->position().toPoint());
    if (mode == DragNone)
        return;
    m_dragMode = mode;
    m_sizeAtPress = m_window->geometry().size();
    setCursorForMode(mode);
}

void uxWidgetFrame::onRelease(const QMouseEvent* event)
{
    if (m_dragMode == DragNone)
        return;
    applyDrag(m_dragMode, event->globalPosition().toPoint());
    m_dragMode = DragNone;
    setCursorForMode(DragNone);
}

void uxWidgetFrame::onMove(const QMouseEvent* event)
{
    if (m_dragMode == DragNone) {
        detectAndSetMouseDragmode();
        return;
    }
    const QPoint g = keepCursorInWorkArea(event->globalPosition().toPoint());
    m_lastPos = g;
    applyDrag(m_dragMode, g);
    setCursorForMode(m_dragMode);
}

// While resizing, the cursor stays inside the screen's work area; a moved
// window may follow the cursor off the screen entirely.
QPoint uxWidgetFrame::keepCursorInWorkArea(QPoint g) const
{
    const QScreen* screen = window()->screen();
    if (!screen)
        return g;
    const QRect whole = screen->geometry();
    const QRect area = screen->availableGeometry();
    if ((m_dragMode != DragMove || whole.contains(g)) && !area.contains(g)) {
        g.setX(qBound(area.left(), g.x(), area.right()));
        g.setY(qBound(area.top(), g.y(), area.bottom()));
        QCursor::setPos(g);
    }
    return g;
}

void uxWidgetFrame::applyDrag(int mode, const QPoint& global)
{
    if (mode == DragMove) {
        m_window->move(m_originAtPress + m_lastPos - m_pressPos);
        return;
    }
    m_window->setGeometry(dragGeometry(mode, global));
}

QRect uxWidgetFrame::dragGeometry(int mode, const QPoint& g) const
{
    const int X = m_originAtPress.x(), Y = m_originAtPress.y();
    const int W = m_sizeAtPress.width(), H = m_sizeAtPress.height();
    const int dx = g.x() - m_pressPos.x(), dy = g.y() - m_pressPos.y();
    const QSize minSize = m_window->minimumSize(), maxSize = m_window->maximumSize();
    int x = X, y = Y, w = W, h = H;
    if (mode & DragRight)
        w = W + dx;
    if (mode & DragBottom)
        h = H + dy;
    if (mode & DragLeft) {
        x = g.x();
        w = W - dx;
        if (g.x() >= X + W - minSize.width()) {
            x = X + W - minSize.width();
            w = minSize.width();
        } else if (mode != (DragLeft | DragTop) && g.x() <= X + W - maxSize.width()) {
            x = X + W - maxSize.width();
            w = maxSize.width();
        }
    }
    if (mode & DragTop) {
        y = g.y();
        h = H - dy;
        if (g.y() >= Y + H - minSize.height()) {
            y = Y + H - minSize.height();
            h = minSize.height();
        } else if (mode != (DragLeft | DragTop) && g.y() <= Y + H - maxSize.height()) {
            y = Y + H - maxSize.height();
            h = maxSize.height();
        }
    }
    return QRect(x, y, w, h);
}
