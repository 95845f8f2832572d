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

// --- Menus rebuilt when they open -------------------------------------------

namespace {

QAction* addChoice(QMenu* menu, QActionGroup* group, const QString& text, const QVariant& data)
{
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setData(data);
    group->addAction(action);
    return action;
}

void checkData(QMenu* menu, const QVariant& data)
{
    for (QAction* action : menu->actions()) {
        if (action->isCheckable())
            action->setChecked(action->data() == data);
    }
}

} // namespace

void MainWindow::rebuildTitleMenu()
{
    m_ui.menuTitle->clear();
    m_titleNames.clear();
    m_titles.clear();
    m_player->titles(m_titles);
    auto* group = new QActionGroup(this);
    for (const VlcTitle& title : qAsConst(m_titles)) {
        QAction* action = addChoice(m_ui.menuTitle, group, title.name, title.id);
        connect(action, &QAction::triggered, this, &MainWindow::setCurTitle);
        m_titleNames.insert(title.name, title.id);
    }
    connect(m_ui.menuTitle, &QMenu::aboutToShow, this, &MainWindow::onMenuTitleAboutToShow,
            Qt::UniqueConnection);
}

void MainWindow::onMenuTitleAboutToShow()
{
    checkData(m_ui.menuTitle, m_player->currentTitle());
}

void MainWindow::onMenuControlsAboutToShow()
{
    m_ui.menuCharter->clear();
    const int t = m_player->currentTitle();
    auto* group = new QActionGroup(this);
    for (const VlcTitle& title : qAsConst(m_titles)) {
        if (title.id != t)
            continue;
        for (int c = 0; c < title.chapters.size(); ++c) {
            QAction* action = addChoice(m_ui.menuCharter, group, title.chapters.at(c).name, c);
            connect(action, &QAction::triggered, this, &MainWindow::setCurChapter);
        }
    }
    const int state = m_player->state();
    if (state == QVlcPlayer::Playing || state == QVlcPlayer::Paused)
        onMenuChapterAboutToShow();
}

void MainWindow::onMenuChapterAboutToShow()
{
    checkData(m_ui.menuCharter, m_player->currentChapter());
}

void MainWindow::setSelectTitle()
{
    auto* menu = qobject_cast<QMenu*>(sender());
    if (!menu)
        return;
    m_selectedTitle = menu->title();
    const int number = m_titleNames.value(m_selectedTitle, -1);
    menu->clear();
    auto* group = new QActionGroup(this);
    const bool current = number == m_player->currentTitle();
    for (const VlcTitle& title : qAsConst(m_titles)) {
        if (title.id != number)
            continue;
        for (int c = 0; c < title.chapters.size(); ++c) {
            QAction* action = addChoice(menu, group, title.chapters.at(c).name, c);
            action->setChecked(current && c == m_player->currentChapter());
            connect(action, &QAction::triggered, this, &MainWindow::setCurTitleChapter);
        }
    }
}

bool MainWindow::buildTrackMenu(QMenu* menu, int kind, const char* setter, const char* checker)
{
    QList<VlcTrack> tracks;
    m_player->tracks(kind, tracks);
    if (tracks.isEmpty())
        return false;
    auto* group = new QActionGroup(this);
    for (int i = 0; i < tracks.size(); ++i) {
        // A disc's streams are told apart by their coding as much as their language.
        QString text = m_isBluray ? tracks.at(i).nameWithFormat() : tracks.at(i).name;
        if (!m_isBluray) {
            const QStringList parts = text.split(QStringLiteral(" - "), Qt::KeepEmptyParts);
            if (i == 0)
                text = tr("Disable");
            else if (parts.size() < 2)
                text = tr("Track") + QStringLiteral(" %1").arg(i);
            else
                text = tr("Track") + QStringLiteral(" %1 - %2").arg(i).arg(parts.at(1));
        }
        QAction* action = addChoice(menu, group, text, tracks.at(i).id);
        connect(action, SIGNAL(triggered()), this, setter);
    }
    connect(menu, SIGNAL(aboutToShow()), this, checker, Qt::UniqueConnection);
    return true;
}

void MainWindow::checkTrack(QMenu* menu, int kind)
{
    checkData(menu, m_player->currentTrack(kind));
}

void MainWindow::onVideoTrackMenuAboutToShow()
{
    checkTrack(m_ui.menuVideo_Track, VlcVideoTrack);
}

void MainWindow::onAudioTrackMenuAboutToShow()
{
    checkTrack(m_ui.menuAudio_Track, VlcAudioTrack);
}

void MainWindow::onSubtitleTrackMenuAboutToShow()
{
    checkTrack(m_ui.menuSubtitle_Track, VlcSubtitleTrack);
}

void MainWindow::onmenuAudio_DeviceAboutToShow()
{
    QList<VlcAudioDevice> devices;
    if (!m_player->audioDevices(devices))
        return;
    m_ui.menuAudio_Device->clear();
    auto* group = new QActionGroup(this);
    for (int i = 0; i < devices.size(); ++i) {
        QAction* action =
            addChoice(m_ui.menuAudio_Device, group, devices.at(i).description, devices.at(i).id);
        action->setChecked((i == 0 && m_audioDevice.isEmpty())
                           || devices.at(i).id == m_audioDevice);
        connect(action, &QAction::triggered, this, &MainWindow::onSetAudioDevice);
    }
}

void MainWindow::onmenuAudio_ChannelAboutToShow()
{
    int channel = 0;
    if (m_player->audioChannel(channel))
        checkData(m_ui.menuAudio_Channel, channel);
}

void MainWindow::onmenuDeinterlace_ModeAboutToShow()
{
    bool enabled = false;
    QString mode;
    m_player->deinterlace(enabled, mode);
    if (!enabled)
        mode.clear();
    else if (mode.isEmpty())
        mode = QStringLiteral("-"); // an unnamed mode checks nothing
    checkData(m_ui.menuDeinterlace_Mode, mode);
}
