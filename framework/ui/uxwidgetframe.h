#pragma once

#include "framework/core/uxmargins.h"

#include <QPoint>
#include <QWidget>

class QMouseEvent;
class QPixmap;
class QTimer;

// Gives a frameless window back what a native frame would: a title bar, moving
// by any free area, resizing by thin bands along the edges, and a window shape
// cut from the skin's mask image. It works as an event filter on the window and
// is itself an invisible child of it.
class uxWidgetFrame : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString maskImage READ maskImage WRITE setMaskImage)
    Q_PROPERTY(QString maskMargin READ maskMargin WRITE setMaskMargin)
    Q_PROPERTY(bool resizeWidgetFrame READ resizeWidgetFrame WRITE setResizeWidgetFrame)
    Q_PROPERTY(QString frameResizeMargin READ frameResizeMargin WRITE setFrameResizeMargin)
public:
    // Edge bits of a drag; their sums name the corners, DragMove the whole window.
    enum DragMode
    {
        DragNone = 0,
        DragLeft = 1,
        DragTop = 2,
        DragRight = 4,
        DragBottom = 8,
        DragMove = 15
    };

    explicit uxWidgetFrame(QWidget* parent = nullptr);
    ~uxWidgetFrame() override;

    // Serves window once: creates its title bar (the two-row kind when extended)
    // and starts watching its mouse events. False when already attached or null.
    bool attachTo(QWidget* window, bool extended, QWidget* menuWidget = nullptr);
    QWidget* titleBar() const { return m_titleBar; }
    // Creates and attaches a frame for window and puts its title bar first in
    // the layout of the window's client frame (a QFrame named clientName with
    // a QVBoxLayout); without that frame, or when not wanted, the bar is hidden.
    static uxWidgetFrame* install(QWidget* window, const QString& clientName, bool showTitleBar,
                                  bool extendedTitleBar, QWidget* menuWidget);
    QWidget* servedWindow() const { return m_window; }

    // Draws the mask image sliced by the mask margins into target at size.
    // False, with target transparent, when no mask image is loaded.
    bool renderMask(QPixmap& target, const QSize& size) const;
    // Shapes window after the frame's mask; a window without a loaded mask
    // keeps the shape it has.
    static void updateWindowMask(QWidget* window, const uxWidgetFrame* frame);

    // The drag mode a left press at pos (window coordinates) would start.
    int hitTest(const QPoint& pos) const;
    int dragMode() const { return m_dragMode; }
    static Qt::CursorShape cursorShape(int mode);

    QString maskImage() const { return m_maskImagePath; }
    void setMaskImage(const QString& path);
    QString maskMargin() const { return m_maskMargins.toText(); }
    void setMaskMargin(const QString& text);
    bool resizeWidgetFrame() const { return m_resizeEnabled; }
    void setResizeWidgetFrame(bool enabled) { m_resizeEnabled = enabled; }
    QString frameResizeMargin() const { return m_resizeMargins.toText(); }
    void setFrameResizeMargin(const QString& text);

public Q_SLOTS:
    void detectAndSetMouseDragmode();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool setMarginText(uxMargins& margins, const QString& text);
    bool canResize() const;
    void onPress(const QMouseEvent* event);
    void onRelease(const QMouseEvent* event);
    void onMove(const QMouseEvent* event);
    QPoint keepCursorInWorkArea(QPoint global) const;
    void applyDrag(int mode, const QPoint& global);
    QRect dragGeometry(int mode, const QPoint& global) const;
    void setCursorForMode(int mode);

    QWidget* m_titleBar = nullptr;
    QWidget* m_window = nullptr;
    QString m_maskImagePath;
    QPixmap* m_maskPixmap = nullptr;
    uxMargins m_maskMargins{0, -1, -1, 0};
    bool m_resizeEnabled = true;
    uxMargins m_resizeMargins{2, 2, 2, 2};
    QTimer* m_cursorTimer = nullptr;
    int m_dragMode = DragNone;
    QSize m_sizeAtPress;
    QPoint m_pressPos;
    QPoint m_originAtPress;
    QPoint m_lastPos;
};
