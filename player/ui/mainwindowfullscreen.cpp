#include "player/ui/mainwindow.h"

#include "framework/core/uxhandoverslot.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxdialogbase.h"
#include "framework/ui/uxmessagebox.h"
#include "platform/platformopticaldrives.h"
#include "player/discs/discdetection.h"
#include "player/discs/dlgopendisc.h"
#include "player/discs/ffaddfileprocessingdlg.h"
#include "player/discs/qbluraymenu.h"
#include "player/engine/qvlcplayer.h"
#include "player/engine/vlcaudiowidget.h"
#include "player/engine/vlcvideowidget.h"
#include "player/ui/adjustdialog.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/mainwindowbase.h"
#include "player/ui/preferencesdialog.h"
#include "player/ui/reportthread.h"
#include "player/ui/zoomgeometry.h"
#include "widgets/kpplayseekingbar.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMovie>
#include <QScreen>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

// --- Full screen and zoom ---------------------------------------------------

void MainWindow::setFullScreen()
{
    if (m_fullScreen) {
        OutFullScreen();
        return;
    }
    m_ui.videoWidget->toggleFullscreen();
    m_fullScreenTimer = startTimer(100);
    for (QToolButton* b : {m_ui.btnFullScreen, m_controlBar->btnFullScreen})
        b->hide();
    for (QToolButton* b : {m_ui.btnRestore, m_controlBar->btnRestore})
        b->show();
    m_fullScreen = true;
}

void MainWindow::OutFullScreen()
{
    if (!m_fullScreen)
        return;
    if (m_controlBar->isVisible())
        m_controlBar->hide();
    killTimer(m_fullScreenTimer);
    m_fullScreenTimer = 0;
    for (QToolButton* b : {m_ui.btnRestore, m_controlBar->btnRestore})
        b->hide();
    for (QToolButton* b : {m_ui.btnFullScreen, m_controlBar->btnFullScreen})
        b->show();
    m_ui.videoWidget->toggleFullscreen();
    m_fullScreen = false;
}

void MainWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_fullScreenTimer && m_fullScreenTimer != 0)
        fullScreenTick();
    else
        QMainWindow::timerEvent(event);
}

void MainWindow::fullScreenTick()
{
    const QPoint cursor = QCursor::pos();
    const QPoint inBar = m_controlBar->mapFromGlobal(cursor);
    const QPoint inVideo = m_ui.videoWidget->mapFromGlobal(cursor);
    const QRect video = m_ui.videoWidget->rect();
    if (!m_controlBar->isVisible()) {
        if (m_ui.videoWidget->isShownFullScreen() && video.contains(inVideo)
            && video.bottom() - inVideo.y() < 5)
            showControlBar();
    } else if (!m_controlBar->rect().contains(inBar)) {
        hideControlBar();
    }
}

void MainWindow::showControlBar()
{
    if (!m_controlBar || m_controlBar->isVisible())
        return;
    const QRect video(m_ui.videoWidget->mapToGlobal(QPoint(0, 0)), m_ui.videoWidget->size());
    const int height = m_controlBar->sizeHint().height();
    m_controlBar->setGeometry(video.left(), video.bottom() - height + 1, video.width(), height);
    m_controlBar->raise();
    m_controlBar->setFocus();
    m_controlBar->show();
}

void MainWindow::hideControlBar()
{
    if (m_controlBar && m_controlBar->isVisible())
        m_controlBar->hide();
}

// The zoom presets size the window around the picture, so they measure it
// with the title bar and controls back in place.
ZoomGeometry MainWindow::zoomGeometry()
{
    OutFullScreen();
    QWidget* top = topLevel();
    if (top->isFullScreen())
        top->showNormal();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize chrome = top->size() - m_ui.videoWidget->size();
    return ZoomGeometry(chrome, m_player->videoSize(), top->screen()->availableGeometry(),
                        top->geometry(), top->frameGeometry(), top->minimumSize());
}

void MainWindow::applyZoom(const QRect& target)
{
    QWidget* top = topLevel();
    top->setGeometry(target);
    top->setGeometry(target);
}

void MainWindow::onActionHalfSize()
{
    applyZoom(zoomGeometry().halfSize());
}

void MainWindow::onActionNormalSize()
{
    applyZoom(zoomGeometry().normalSize());
}

void MainWindow::onActionDoubleSize()
{
    applyZoom(zoomGeometry().doubleSize());
}

void MainWindow::onActionFittoScreen()
{
    applyZoom(zoomGeometry().fitToScreen());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.videoWidget && event->type() == QEvent::Resize) {
        const QRect area = m_ui.videoWidget->rect();
        m_waitingLabel->setGeometry(area);
        if (m_waitingMovie)
            m_waitingMovie->setScaledSize(area.size());
        m_blurayMenu->setGeometry(area);
        m_audioPicture->setGeometry(area);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showWaiting()
{
    m_waitingLabel->show();
    m_waitingLabel->raise();
    if (!m_waitingMovie && !m_waitingGif.isEmpty()) {
        m_waitingMovie = new QMovie(m_waitingGif);
        m_waitingMovie->setScaledSize(m_ui.videoWidget->size());
        m_waitingLabel->setMovie(m_waitingMovie);
    }
    if (m_waitingMovie)
        m_waitingMovie->start();
}

void MainWindow::hideWaiting()
{
    m_waitingLabel->lower();
    m_waitingLabel->hide();
    if (m_waitingMovie)
        m_waitingMovie->stop();
}
