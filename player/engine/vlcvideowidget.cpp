#include "player/engine/vlcvideowidget.h"

#include "player/engine/qvlcplayer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

namespace {

const int kMouseHideDelay = 1000;
// Qt::Window plus the bits that make a child a plain top-level window and back.
const int kTopLevelBits = 0x12;

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
    if (!isFullScreen())
        return;
    emit mouseShow(event->globalPosition().toPoint());
    if (m_mouseHideEnabled) {
        QApplication::restoreOverrideCursor();
        m_mouseHideTimer->start(kMouseHideDelay);
    }
}

void VlcVideoWidget::mousePressEvent(QMouseEvent* event)
{
    event->ignore();
    if (event->button() != Qt::RightButton)
        return;
    QApplication::restoreOverrideCursor();
    emit rightClick(event->globalPosition().toPoint());
}

void VlcVideoWidget::wheelEvent(QWheelEvent* event)
{
    event->ignore();
    emit wheel(event->angleDelta().y() > 0);
}

void VlcVideoWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        event->accept();
        emit outFullscreen();
    } else if (event->key() == Qt::Key_F && event->modifiers() == Qt::NoModifier) {
        // The full-screen key libVLC would have handled.
        event->accept();
        emit fullscreen();
    } else {
        QFrame::keyPressEvent(event);
    }
}

void VlcVideoWidget::hideMouse()
{
    if (!isFullScreen() || !m_mouseHideEnabled)
        return;
    QApplication::setOverrideCursor(Qt::BlankCursor);
    m_mouseHideTimer->stop();
    emit mouseHide();
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
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    ensurePolished();
    const Qt::WindowStates plain =
        windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (!isFullScreen()) {
        setWindowFlags(Qt::WindowFlags(int(windowFlags() | Qt::Window) ^ kTopLevelBits));
        move(topLeft);
        setWindowState(plain | Qt::WindowFullScreen);
        show();
        activateWindow();
    } else {
        setWindowFlags(Qt::WindowFlags(int(windowFlags()) ^ (kTopLevelBits | Qt::Window)));
        setWindowState(plain);
        QApplication::restoreOverrideCursor();
        show();
    }
}
