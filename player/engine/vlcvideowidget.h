#pragma once

#include <QFrame>

class QHBoxLayout;
class QTimer;
class QVlcPlayer;

// The surface libVLC draws into: a native child window, replaced for every
// play. Mouse and keys are handled here, never by libVLC.
class VlcVideoWidget : public QFrame
{
    Q_OBJECT
public:
    explicit VlcVideoWidget(QWidget* parent = nullptr);
    ~VlcVideoWidget() override;

    void setPlayer(QVlcPlayer* player) { m_player = player; }
    QVlcPlayer* player() const { return m_player; }
    bool isMouseHideEnabled() const { return m_mouseHideEnabled; }

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
    void outFullscreen();

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
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* m_surface = nullptr;
    QHBoxLayout* m_layout = nullptr;
    QTimer* m_mouseHideTimer = nullptr;
    bool m_mouseHideEnabled = false;
    QVlcPlayer* m_player = nullptr;
};
