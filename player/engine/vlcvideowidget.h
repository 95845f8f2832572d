#pragma once

#include <QFrame>
#include <QLayout>
#include <QList>
#include <QMargins>
#include <QPair>
#include <QPointer>

class QHBoxLayout;
class QTimer;
class QVlcPlayer;

// The surface libVLC draws into: a native child window, replaced for every
// play. The mouse is handled here, never by libVLC; keys are the window's.
//
// Full screen never moves the surface out of its window: the window that
// holds the picture goes full screen with everything around the picture
// hidden, and comes back with its own geometry. Moving a native window
// between X parents races with the window manager and with libVLC, which
// keeps drawing into it.
class VlcVideoWidget : public QFrame
{
    Q_OBJECT
public:
    explicit VlcVideoWidget(QWidget* parent = nullptr);
    ~VlcVideoWidget() override;

    void setPlayer(QVlcPlayer* player) { m_player = player; }
    QVlcPlayer* player() const { return m_player; }
    bool isMouseHideEnabled() const { return m_mouseHideEnabled; }
    // True while the picture fills the screen.
    bool isShownFullScreen() const { return m_fullScreen; }

    // Creates the native surface and returns its window id; 0 while one exists.
    WId videoSurfaceHandle();
    // The window id of the current surface, 0 when there is none.
    WId surfaceHandle() const;
    QWidget* videoSurface() const { return m_surface; }
    void releaseVideoSurface();

Q_SIGNALS:
    void fullscreen();
    void rightClick(QPoint pos);
    void wheel(bool up);
    void mouseShow(QPoint pos);
    void mouseHide();

public Q_SLOTS:
    void enableMouseHide();
    void disableMouseHide();
    void toggleFullscreen();

private Q_SLOTS:
    void hideMouse();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void enterFullScreen();
    void leaveFullScreen();
    void showMouse();

    QWidget* m_surface = nullptr;
    QHBoxLayout* m_layout = nullptr;
    QTimer* m_mouseHideTimer = nullptr;
    bool m_mouseHideEnabled = false;
    QVlcPlayer* m_player = nullptr;
    bool m_fullScreen = false;
    bool m_mouseHidden = false;
    // What full screen changed, to be put back exactly.
    QRect m_windowGeometry;
    Qt::WindowStates m_windowState;
    QList<QPointer<QWidget>> m_hiddenAround;
    QList<QPair<QPointer<QLayout>, QMargins>> m_margins;
};
