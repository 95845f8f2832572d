#include "player/ui/mainwindow.h"

#include "framework/core/uxhandoverslot.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxdialogbase.h"
#include "framework/ui/uxmessagebox.h"
#include "platform/platformdiscejector.h"
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
#include "player/ui/onscreentext.h"
#include "player/ui/openingwatch.h"
#include "player/ui/openproblem.h"
#include "player/ui/preferencesdialog.h"
#include "player/ui/reportthread.h"
#include "widgets/kpplayseekingbar.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMovie>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

const QString kDiscKey = QStringLiteral("BDDis");

// Qt's file dialogs take folders with "/" and the player's media paths may
// carry a trailing one; both compare equal once cleaned.
QString cleanRoot(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

// The dialogs start in the nearest folder that still exists: a remembered
// folder may be gone, and a fresh profile may have no Documents folder, which
// Qt's dialog would otherwise offer as a file name.
QString existingFolder(QString folder)
{
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

} // namespace

bool MainWindow::isDiscImage(const QString& path)
{
    return path.endsWith(QLatin1String(".iso"), Qt::CaseInsensitive);
}

// --- Opening ----------------------------------------------------------------

void MainWindow::openFile()
{
    const QString folder = existingFolder(QFileInfo(lastSelectedVideoFilePath()).path());
    QStringList paths =
        QFileDialog::getOpenFileNames(this, tr("Open File"), folder, m_fileFilter);
    paths.removeIf([](const QString& path) { return path.trimmed().isEmpty(); });
    openFiles(paths);
}

void MainWindow::openFolder()
{
    const QString path = QFileDialog::getExistingDirectory(
        this, tr("Open Disc"), existingFolder(lastSelectedDiscFilePath()),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!path.isEmpty())
        openFileByName(path);
}

void MainWindow::OpenDis()
{
    DlgOpenDisc dialog(topLevel());
    dialog.setMainWindow(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString value = dialog.selectedValue();
    if (value == DlgOpenDisc::OpenFolderValue)
        QTimer::singleShot(1, this, &MainWindow::openFolder);
    else if (!value.isEmpty())
        openFileByName(value);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!event->mimeData()->hasUrls())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!event->mimeData()->hasUrls())
        return;
    event->setDropAction(m_player->state() == QVlcPlayer::Opening ? Qt::IgnoreAction
                                                                   : Qt::CopyAction);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    event->setDropAction(m_player->state() == QVlcPlayer::Opening ? Qt::IgnoreAction
                                                                   : Qt::CopyAction);
    event->accept();
    m_dropList.clear();
    for (const QUrl& url : urls)
        m_dropList << url.toLocalFile();
    QTimer::singleShot(1, this, &MainWindow::acceptDropFile);
}

void MainWindow::acceptDropFile()
{
    // Subtitle files dropped on a playing file go with it.
    if (!addSubtitles(m_dropList))
        openFiles(m_dropList);
}

void MainWindow::onPlayFromFile()
{
    // Each path taken from the slot is gone from it, so each is added once;
    // they come in the order the later starts handed them over.
    enqueueMedia(m_handover->takePaths());
}

void MainWindow::storeCurrentResumePoint()
{
    // Until the media reports a time, the seek bar still shows the one before.
    if (!m_positionKnown)
        return;
    // A disc's point belongs to the title that plays; a file has only one.
    const int title = m_isBluray ? m_discTitle : 0;
    m_resume.store(m_resumeKey,
                   ResumePoints::keptPosition(m_ui.playSeekingBar->value(), m_length), title);
}

void MainWindow::setNavPanelShown(bool shown)
{
    m_ui.btnNavPanel->setVisible(shown);
    m_controlBar->btnNavPanel->setVisible(shown);
}

void MainWindow::openFileByName(QString strPath)
{
    // Opened on its own, a media is the whole playlist.
    if (openMedia(strPath)) {
        m_playlist.replace({strPath});
        m_playlist.setCurrent(0);
        playlistChanged();
    }
}

// True when the path opens (or will, once the disc being read is open).
bool MainWindow::openMedia(const QString& strPath)
{
    m_advancing = false;
    // A disc is being read behind its modal notice; this waits until it is open.
    if (m_loadingDisc) {
        m_deferredPath = strPath;
        return true;
    }
    // Anything named that cannot even be tried is said so; the file dialog is
    // only for an empty request.
    const QString problem = strPath.isEmpty() ? QString() : OpenProblem::reason(strPath);
    if (!problem.isEmpty()) {
        showMessage(OpenProblem::message(strPath, problem));
        return false;
    }
    // Paused media keeps its place as much as playing media does.
    storeCurrentResumePoint();
    const QString mode = currentDeinterlaceMode();
    const QFileInfo info(strPath);
    if (info.isFile() && isDiscImage(strPath)) {
        forgetMedia();
        openBluray(info.absoluteFilePath());
        setDeinterlaceMode(mode);
        return true;
    }
    if (info.isFile()) {
        forgetMedia();
        setNavPanelShown(false);
        m_resumeKey = strPath;
        m_player->setKeepStartPosition(m_resume.lookup(m_resumeKey) > 0);
        m_player->openFile(strPath);
        m_openingWatch->start(strPath);
        setDeinterlaceMode(mode);
        setLastSelectedVideoFilePath(strPath);
        rememberRecent(strPath);
        return true;
    } else if (info.isDir()) {
        const QString root = findBlurayRoot(strPath);
        if (findDvdRoot(strPath).isEmpty() && !root.isEmpty()) {
            forgetMedia();
            openBluray(root);
            setDeinterlaceMode(mode);
            return true;
        }
        if (!findDvdRoot(strPath).isEmpty() || !findAudioCdRoot(strPath).isEmpty())
            setNavPanelShown(false);
        // What plays goes on, and keeps its resume key.
        showMessage(OpenProblem::message(strPath, tr("Invalid Blu-ray file.")));
    } else {
        openFile();
    }
    return false;
}

void MainWindow::forgetMedia()
{
    m_isBluray = false;
    m_resumeKey.clear();
    m_blurayRoot.clear();
    m_discName.clear();
    m_resumeTitleAsked = -1;
    m_discTitle = 0;
    // Media replaced before it opened is no recent entry.
    withdrawRecent();
    // The place and length shown belong to the media being replaced.
    m_positionKnown = false;
    m_length = 0;
    resetSeekBar();
}

void MainWindow::rememberRecent(const QString& location)
{
    m_recent.insert(location);
    m_recentUnconfirmed = true;
    m_ui.menuRecent_File->setEnabled(true);
    m_ui.btnEject->hide();
}

// A media that fails before it starts leaves the recent list as it was, so
// that Play never reopens it.
void MainWindow::withdrawRecent()
{
    if (!m_recentUnconfirmed)
        return;
    m_recentUnconfirmed = false;
    m_recent.withdrawLastInsert();
    m_ui.menuRecent_File->setEnabled(!m_recent.first().isEmpty());
}

void MainWindow::openBluray(const QString& root)
{
    m_loadingDisc = true;
    // Reading the disc's index is part of its opening: a read that is slow or
    // never ends (a damaged disc, a file that blocks) gets the same notice and
    // Cancel as a slow start of playback.
    m_openingWatch->start(root);
    auto* loading = new FfAddFileProcessingDlg(this);
    loading->setProgressAnimation(m_progressGif);
    loading->setModal(true);
    loading->adjustSize();
    loading->show();
    updateUiControl(QVlcPlayer::Opening);
    // Stopped here rather than by the worker: the player's poll and queued
    // handlers run on this thread and must never meet a player being replaced.
    m_player->stopQuietly();
    // The notice takes the loading dialog's place, so that its Cancel is in reach.
    connect(m_openingWatch, &OpeningWatch::noticeShown, loading, &QWidget::hide);
    auto* worker = new ReportThread(root, this);
    const bool read = waitForDiscRead(worker);
    loading->hide();
    delete loading;
    if (!read) {
        abandonDiscRead(worker);
        m_openingWatch->finish(false);
        m_loadingDisc = false;
        updateUiControl(QVlcPlayer::Idle);
        openDeferredPath();
        return;
    }
    const BlurayDiscInfo disc = worker->discInfo();
    m_resumeKey = worker->indexHash();
    delete worker;
    const bool image = QFileInfo(root).isFile();
    // A disc that cannot play says why once, and the player never tries it:
    // its own failure would only add a second, vaguer message.
    QString refusal = disc.problemText();
    if (refusal.isEmpty() && image && !disc.isBluray())
        refusal = tr("This disc image holds no Blu-ray disc.");
    if (!refusal.isEmpty()) {
        m_resumeKey.clear();
        m_loadingDisc = false;
        updateUiControl(QVlcPlayer::Idle);
        showMessage(refusal);
        openDeferredPath();
        return;
    }
    setNavPanelShown(true);
    m_player->setKeepStartPosition(m_resume.lookup(m_resumeKey) > 0);
    m_player->openBD(root);
    uxSettings::instance()->setValue(kDiscKey, QDir::toNativeSeparators(root));
    m_isBluray = true;
    m_blurayRoot = root;
    m_discName = disc.name();
    if (m_discName.isEmpty())
        m_discName = discVolumeLabel(root);
    if (m_discName.isEmpty())
        m_discName = QFileInfo(QDir::cleanPath(root)).fileName();
    m_blurayMenu->setDiscName(m_discName);
    QString normal = QDir::fromNativeSeparators(root);
    if (!image && !normal.endsWith(QLatin1Char('/')))
        normal += QLatin1Char('/');
    setLastSelectedDiscFilePath(normal);
    rememberRecent(normal);
    m_loadingDisc = false;
    openDeferredPath();
}

void MainWindow::openDeferredPath()
{
    if (m_deferredPath.isEmpty())
        return;
    const QString path = m_deferredPath;
    m_deferredPath.clear();
    // Queued, so that hand-overs arriving during each load never nest the opens.
    QTimer::singleShot(0, this, [this, path] { openMedia(path); });
}

// False when the open was cancelled before the disc's index was read.
bool MainWindow::waitForDiscRead(QThread* worker)
{
    // A quit request ends this loop too; only the worker's end means a read.
    bool read = false;
    QEventLoop reading;
    m_discReading = &reading;
    connect(worker, &QThread::finished, &reading, [&read, &reading] {
        read = true;
        reading.quit();
    });
    worker->start(QThread::InheritPriority);
    reading.exec();
    if (read)
        worker->wait();
    return read;
}

// A read that was cancelled may block for good (a file that never answers);
// it is left to end on its own and is forgotten.
void MainWindow::abandonDiscRead(QThread* worker)
{
    worker->setParent(nullptr);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    if (worker->isFinished())
        delete worker;
}

// --- Play, pause, stop, eject -----------------------------------------------

void MainWindow::onBtnPlayClicked()
{
    const int state = m_player->state();
    if (state == QVlcPlayer::Paused) {
        m_ui.btnEject->hide();
        m_player->pause();
    } else if (state != QVlcPlayer::Idle) {
        m_ui.btnEject->hide();
        m_player->play();
    } else {
        m_ui.btnEject->show();
        if (!m_recent.first().isEmpty())
            openFileByName(m_recent.first());
        else if (productSwitch("enableVideoInput"))
            openFile();
        else if (productSwitch("enableBDInput") || productSwitch("enableDVDInput"))
            OpenDis();
    }
}

void MainWindow::onBtnPauseClicked()
{
    m_ui.btnEject->hide();
    m_player->pause();
}

void MainWindow::onBtnStopClicked()
{
    if (m_discReading) {
        m_discReading->exit(1);
        return;
    }
    m_ui.btnEject->show();
    m_player->stop();
    resetSeekBar();
}

void MainWindow::onBtnEjectClicked()
{
    m_player->stop();
    const QString disc = cleanRoot(uxSettings::instance()->value(kDiscKey).toString());
    for (const QString& root : listOpticalDrives()) {
        if (cleanRoot(root) == disc)
            m_ejector->eject(PlatformOpticalDrives::deviceOfRoot(root), root);
    }
}

void MainWindow::onEjectFinished(bool ejected, const QString& why)
{
    if (!ejected)
        showMessage(tr("The disc could not be ejected.") + QLatin1Char('\n') + why);
}

void MainWindow::onDevicesChanged()
{
    emit onReloadDevice();
    // The disc that plays was taken out or unmounted.
    const QString disc = QFileInfo(m_blurayRoot).isFile() ? m_blurayRoot
                                                          : m_blurayRoot + QStringLiteral("BDMV");
    if (m_isBluray && m_player->state() != QVlcPlayer::Idle && !QFileInfo::exists(disc))
        onBtnStopClicked();
}

// --- Recent files, resume points, snapshots ---------------------------------

void MainWindow::onMenuRecent_FileAboutToShow()
{
    if (!productSwitch("enableVideoInput"))
        return;
    QMenu* menu = m_ui.menuRecent_File;
    menu->clear();
    const int width = int(uxSrcMgr::dpiScale() * 250);
    for (const QString& entry : m_recent.shown()) {
        QAction* action =
            menu->addAction(QFontMetrics(QFont()).elidedText(entry, Qt::ElideLeft, width));
        action->setToolTip(entry);
        connect(action, &QAction::triggered, this, &MainWindow::actionOpenRecFile);
    }
    if (m_recent.first().isEmpty())
        return;
    menu->addSeparator();
    connect(menu->addAction(tr("Clear")), &QAction::triggered, this, &MainWindow::actionClear);
}

void MainWindow::actionOpenRecFile()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        openFileByName(action->toolTip());
}

void MainWindow::actionClear()
{
    m_ui.menuRecent_File->clear();
    m_recent.clear();
    m_ui.menuRecent_File->setEnabled(false);
}

QString MainWindow::lastSelectedVideoFilePath()
{
    const QString path =
        uxSettings::instance()->value(QStringLiteral("Edit/LastVideoFilePath")).toString();
    if (!path.isEmpty())
        return path;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
           + QLatin1Char('/');
}

void MainWindow::setLastSelectedVideoFilePath(QString strFilePath)
{
    uxSettings::instance()->setValue(QStringLiteral("Edit/LastVideoFilePath"), strFilePath);
}

QString MainWindow::lastSelectedDiscFilePath()
{
    const QString path =
        uxSettings::instance()->value(QStringLiteral("Edit/LastDiscFilePath")).toString();
    return !path.isEmpty() && QFileInfo::exists(path) ? path : QDir::rootPath();
}

void MainWindow::setLastSelectedDiscFilePath(QString strFilePath)
{
    uxSettings::instance()->setValue(QStringLiteral("Edit/LastDiscFilePath"), strFilePath);
}

void MainWindow::onInitStartPoint()
{
    float start = m_resume.lookup(m_resumeKey);
    // The end rule needs this media's length; its arrival runs this again.
    if (start <= 0 || !m_player || m_length <= 0)
        return;
    // A disc left in another title goes there first; the new title's length
    // runs this again, and the point is used once it is the one playing.
    const int title = m_isBluray ? m_resume.lookupTitle(m_resumeKey) : 0;
    if (title > 0 && m_player->currentTitle() != title) {
        if (m_resumeTitleAsked != title) {
            m_resumeTitleAsked = title;
            m_player->setTitle(title);
        }
        return;
    }
    m_resumeTitleAsked = -1;
    m_resume.store(m_resumeKey, 0);
    const int position = m_ui.playSeekingBar->value();
    if (m_length - float(position) < 2.0f || m_length - start < 2.0f)
        start = 0;
    m_player->seek(start);
    // The point is consumed: until the next time report, the place to keep is
    // where the seek goes.
    m_ui.playSeekingBar->setValue(int(start));
    m_positionKnown = true;
}

void MainWindow::snapshot()
{
    m_player->snapshot();
}

void MainWindow::onSnapshotTaken(QImage image)
{
    const QByteArray format = uxSettings::instance()->snapshotFormat().toLatin1();
    const QString name = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                         + QTime::currentTime().toString(QStringLiteral("hhmmsszzz."))
                         + QString::fromLatin1(format);
    if (image.save(uxSettings::instance()->snapshotDir() + QLatin1Char('/') + name,
                   format.constData(), -1))
        m_onScreenText->showText(tr("Snapshot saved: %1").arg(name));
}

void MainWindow::onOpenSnapFolder()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(uxSettings::instance()->snapshotDir()));
}
