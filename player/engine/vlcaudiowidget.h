#pragma once

#include <QFrame>

class QVlcPlayer;

// Shown instead of the video while audio-only media play: black, with the
// media's cover, or else the product's audio picture, fitted into the middle.
class VlcAudioWidget : public QFrame
{
    Q_OBJECT
public:
    explicit VlcAudioWidget(QWidget* parent = nullptr);

    void setPlayer(QVlcPlayer* player);
    QVlcPlayer* player() const { return m_player; }
    void setShowPicture(bool show);
    bool showPicture() const { return m_showPicture; }

    // The rectangle a picture of that size takes in area: as wide as the area
    // unless that makes it too tall, then as tall; centred either way.
    static QRect fitPicture(const QSize& picture, const QRect& area);

Q_SIGNALS:
    void fullscreen();
    void popupContextMenu(bool show);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QVlcPlayer* m_player = nullptr;
    bool m_showPicture = true;
};
