#include "player/engine/vlcvideowidget.h"

#include "player/engine/qvlcplayer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

namespace {

const int kMouseHideDelay = 1000;

void paintBlack(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

VlcVideoWidget::VlcVideoWidget(QWidget* parent) : QFrame(parent, Qt::WindowFlags())
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    paintBlack(this);
    m_mouseHideTimer = new QTimer(this);
    connect(m_mouseHideTimer, &QTimer::timeout, this, &VlcVideoWidget::hideMouse);
}

VlcVideoWidget::~VlcVideoWidget()
{
    if (m_player)
        m_player->setVideoWidget(nullptr);
}

WId VlcVideoWidget::videoSurfaceHandle()
{
    if (m_surface)
        return 0;
    m_surface = new QWidget;
    paintBlack(m_surface);
    m_surface->setMouseTracking(true);
    m_surface->setAttribute(Qt::WA_NativeWindow);
    m_surface->setAttribute(Qt::WA_DontCreateNativeAncestors);
    m_surface->setAttribute(Qt::WA_NoSystemBackground);
    m_layout->addWidget(m_surface);
    return m_surface->winId();
}

WId VlcVideoWidget::surfaceHandle() const
{
    return m_surface ? m_surface->winId() : 0;
}

void VlcVideoWidget::releaseVideoSurface()
{
    if (m_surface) {
        m_layout->removeWidget(m_surface);
        m_surface->hide();
        m_surface->deleteLater();
        m_surface = nullptr;
    }
    updateGeometry();
}

void VlcVideoWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->ignore();
    emit fullscreen();
}

void VlcVideoWidget::mouseMoveEvent(QMouseEvent* event)
{
    event->ignore();
    if (!m_fullScreen)
        return;
    emit mouseShow(event->globalPosition().toPoint());
    if (m_mouseHideEnabled) {
        showMouse();
        m_mouseHideTimer->start(kMouseHideDelay);
    }
}

void VlcVideoWidget::mousePressEvent(QMouseEvent* event)
{
    event->ignore();
    if (event->button() != Qt::RightButton)
        return;
    showMouse();
    emit rightClick(event->globalPosition().toPoint());
}

void VlcVideoWidget::wheelEvent(QWheelEvent* event)
{
    event->ignore();
    emit wheel(event->angleDelta().y() > 0);
}

void VlcVideoWidget::hideMouse()
{
    if (!m_fullScreen || !m_mouseHideEnabled)
        return;
    if (!m_mouseHidden) {
        QApplication::setOverrideCursor(Qt::BlankCursor);
        m_mouseHidden = true;
    }
    m_mouseHideTimer->stop();
    emit mouseHide();
}

// Only the blank pointer this widget set is taken back: another override
// (a busy pointer, say) stays where its owner put it.
void VlcVideoWidget::showMouse()
{
    if (!m_mouseHidden)
        return;
    m_mouseHidden = false;
    const QCursor* cursor = QApplication::overrideCursor();
    if (cursor && cursor->shape() == Qt::BlankCursor)
        QApplication::restoreOverrideCursor();
}

void VlcVideoWidget::enableMouseHide()
{
    m_mouseHideEnabled = true;
}

void VlcVideoWidget::disableMouseHide()
{
    m_mouseHideEnabled = false;
}

void VlcVideoWidget::toggleFullscreen()
{
    if (m_fullScreen)
        leaveFullScreen();
    else
        enterFullScreen();
}

// Everything beside the picture, at every level up to the window, is hidden
// and the layouts on the way lose their margins, so the picture alone fills
// the window; the window then fills the screen.
void VlcVideoWidget::enterFullScreen()
{
    QWidget* top = window();
    m_windowState = top->windowState() & ~(Qt::WindowFullScreen | Qt::WindowMinimized);
    m_windowGeometry = top->isMaximized() ? top->normalGeometry() : top->geometry();
    m_hiddenAround.clear();
    m_margins.clear();
    for (QWidget* w = this; !w->isWindow(); w = w->parentWidget()) {
        if (QLayout* layout = w->parentWidget()->layout()) {
            m_margins.append({layout, layout->contentsMargins()});
            layout->setContentsMargins(0, 0, 0, 0);
        }
        for (QObject* child : w->parentWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(child);
            if (!sibling || sibling == w || sibling->isWindow() || sibling->isHidden())
                continue;
            sibling->hide();
            m_hiddenAround << sibling;
        }
    }
    m_fullScreen = true;
    top->setWindowState(Qt::WindowFullScreen);
    top->show();
    top->raise();
    top->activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void VlcVideoWidget::leaveFullScreen()
{
    m_fullScreen = false;
    m_mouseHideTimer->stop();
    showMouse();
    QWidget* top = window();
    top->setWindowState(m_windowState);
    if (!(m_windowState & Qt::WindowMaximized))
        top->setGeometry(m_windowGeometry);
    for (const QPointer<QWidget>& w : std::as_const(m_hiddenAround)) {
        if (w)
            w->show();
    }
    m_hiddenAround.clear();
    for (const auto& [layout, margins] : std::as_const(m_margins)) {
        if (layout)
            layout->setContentsMargins(margins);
    }
    m_margins.clear();
}
