#include "player/engine/vlcaudiowidget.h"

#include "framework/core/uxsrcmgr.h"
#include "player/engine/qvlcplayer.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

VlcAudioWidget::VlcAudioWidget(QWidget* parent) : QFrame(parent) {}

void VlcAudioWidget::setPlayer(QVlcPlayer* player)
{
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = player;
    if (player)
        connect(player, &QVlcPlayer::mediaInfoChanged, this, qOverload<>(&QWidget::update));
    update();
}

void VlcAudioWidget::setShowPicture(bool show)
{
    m_showPicture = show;
    update();
}

QRect VlcAudioWidget::fitPicture(const QSize& picture, const QRect& area)
{
    if (picture.isEmpty() || area.isEmpty())
        return QRect();
    QSize size(area.width(), picture.height() * area.width() / picture.width());
    if (size.height() > area.height())
        size = QSize(picture.width() * area.height() / picture.height(), area.height());
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

void VlcAudioWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_showPicture) {
        QImage picture = m_player ? m_player->coverImage() : QImage();
        if (picture.isNull())
            picture.load(uxSrcMgr::instance()->audioPreviewPath());
        if (!picture.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(fitPicture(picture.size(), rect()), picture);
        }
    }
    event->accept();
}

void VlcAudioWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit fullscreen();
}

void VlcAudioWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    event->accept();
    QApplication::restoreOverrideCursor();
    emit popupContextMenu(true);
}
