#include "player/ui/mainwindow.h"

#include "framework/core/uxsettings.h"
#include "player/engine/qvlcplayer.h"
#include "player/engine/subtitlefiles.h"
#include "player/engine/vlcvideowidget.h"
#include "player/ui/mediafiletypes.h"
#include "player/ui/openproblem.h"
#include "player/ui/playlistmenu.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

const QString kRepeatKey = QStringLiteral("Playlist/Repeat");

} // namespace

// --- Playlist ---------------------------------------------------------------

void MainWindow::setupPlaylist()
{
    const int repeat = uxSettings::instance()->value(kRepeatKey, 0).toInt();
    if (repeat >= Playlist::RepeatOff && repeat <= Playlist::RepeatAll)
        m_playlist.setRepeat(Playlist::Repeat(repeat));
    m_playlistMenu = new PlaylistMenu(&m_playlist, this);
    m_ui.menuBar->insertMenu(m_ui.menuAudio->menuAction(), m_playlistMenu);
    connect(m_playlistMenu, &PlaylistMenu::entryChosen, this, &MainWindow::playEntry);
    connect(m_playlistMenu, &PlaylistMenu::repeatChosen, this, &MainWindow::setRepeatMode);
    connect(m_playlistMenu->nextAction(), &QAction::triggered, this, &MainWindow::playNextEntry);
    connect(m_playlistMenu->previousAction(), &QAction::triggered, this,
            &MainWindow::playPreviousEntry);
    connect(m_playlistMenu->clearAction(), &QAction::triggered, this, &MainWindow::clearPlaylist);
    connect(m_player, &QVlcPlayer::mediaEnded, this, &MainWindow::onMediaEnded);

    m_openFolderAction = new QAction(this);
    m_openFolderAction->setObjectName(QStringLiteral("actionOpen_Folder"));
    m_ui.menuFile->insertAction(m_ui.actionLode_Disc, m_openFolderAction);
    connect(m_openFolderAction, &QAction::triggered, this, &MainWindow::openMediaFolder);
    // Open Folder is allowed exactly when Open File is.
    connect(m_ui.actionOpen, &QAction::changed, m_openFolderAction, [this] {
        m_openFolderAction->setEnabled(m_ui.actionOpen->isEnabled());
        m_openFolderAction->setVisible(m_ui.actionOpen->isVisible());
    });
    m_openFolderAction->setEnabled(m_ui.actionOpen->isEnabled());
    m_openFolderAction->setVisible(m_ui.actionOpen->isVisible());
    retranslatePlaylist();
    playlistChanged();
}

void MainWindow::retranslatePlaylist()
{
    m_openFolderAction->setText(tr("Open &Folder..."));
}

void MainWindow::playlistChanged()
{
    m_playlistMenu->updateActions();
    updateRemote();
}

void MainWindow::openFiles(const QStringList& paths)
{
    if (paths.size() == 1) {
        openFileByName(paths.first());
        return;
    }
    QStringList media;
    for (const QString& path : paths) {
        if (QFileInfo::exists(path))
            media << path;
    }
    if (media.isEmpty())
        return;
    m_playlist.replace(media);
    playEntry(0);
}

void MainWindow::enqueueMedia(const QString& path)
{
    enqueueMedia(QStringList{path});
}

// Whether anything plays is decided once for the whole batch: the first
// entry's open has not changed the player's state yet when the next arrives.
void MainWindow::enqueueMedia(const QStringList& paths)
{
    const bool idle = m_player->state() == QVlcPlayer::Idle && !m_advancing;
    int first = -1;
    for (const QString& path : paths) {
        // What is not there opens as it always did: the Open File dialog asks.
        if (!QFileInfo::exists(path)) {
            openFileByName(path);
            return;
        }
        if (addSubtitles({path}))
            continue;
        const int index = m_playlist.append(path);
        if (first < 0)
            first = index;
    }
    playlistChanged();
    if (idle && first >= 0)
        playEntry(first);
}

void MainWindow::playEntry(int index)
{
    if (!m_playlist.setCurrent(index))
        return;
    playlistChanged();
    const QString path = m_playlist.path(index);
    if (QFileInfo::exists(path)) {
        openMedia(path);
        return;
    }
    // An entry removed from the disk since it was listed.
    m_advancing = false;
    updateUiControl(m_player->state());
    showMessage(OpenProblem::message(path, OpenProblem::reason(path)));
    skipFailedEntry(path);
}

// After the user has read why an entry failed, the playlist goes on with the
// next one, unless the user has opened something else meanwhile or every
// entry has failed in a row.
void MainWindow::skipFailedEntry(const QString& path)
{
    const int current = m_playlist.current();
    // A disc is opened by its root, which the player names with a trailing "/".
    if (m_closing || current < 0
        || QDir::cleanPath(m_playlist.path(current)) != QDir::cleanPath(path))
        return;
    if (m_player->state() != QVlcPlayer::Idle) {
        // A disc's failure is told before its input has ended; the list goes on
        // once it has, rather than opening over a player still busy with it.
        auto* waiting = new QObject(this);
        connect(m_player, &QVlcPlayer::stateChanged, waiting, [this, path, waiting](int state) {
            if (state != QVlcPlayer::Idle)
                return;
            waiting->deleteLater();
            skipFailedEntry(path);
        });
        return;
    }
    if (++m_entryFailures >= m_playlist.size()) {
        m_entryFailures = 0;
        return;
    }
    const int next = m_playlist.next();
    if (next >= 0)
        QTimer::singleShot(0, this, [this, next] { playEntry(next); });
}

void MainWindow::playNextEntry()
{
    const int next = m_playlist.next();
    if (next >= 0)
        playEntry(next);
}

void MainWindow::playPreviousEntry()
{
    const int previous = m_playlist.previous();
    if (previous >= 0)
        playEntry(previous);
}

void MainWindow::setRepeatMode(int repeat)
{
    m_playlist.setRepeat(Playlist::Repeat(repeat));
    uxSettings::instance()->setValue(kRepeatKey, repeat);
    playlistChanged();
}

void MainWindow::clearPlaylist()
{
    m_playlist.clearButCurrent();
    playlistChanged();
}

void MainWindow::onMediaEnded()
{
    const int next = m_playlist.afterEnd();
    if (next < 0 || m_closing)
        return;
    m_advancing = true;
    // Opened once the player has announced its idle state.
    QTimer::singleShot(0, this, [this, next] {
        if (m_advancing)
            playEntry(next);
    });
}

void MainWindow::openMediaFolder()
{
    const QString start = QFileInfo(lastSelectedVideoFilePath()).path();
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Open Folder"), QFileInfo(start).isDir() ? start : QDir::homePath(),
        QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    const QStringList media = Playlist::folderMedia(folder);
    if (media.isEmpty()) {
        showMessage(tr("This folder holds no media files."));
        return;
    }
    openFiles(media);
}

// --- Subtitle files ---------------------------------------------------------

bool MainWindow::canAddSubtitles() const
{
    const int state = m_player->state();
    return !m_isBluray && m_hasVideo && state != QVlcPlayer::Idle && state != QVlcPlayer::Opening;
}

// Adds paths to the playing file when every one of them is a subtitle file.
bool MainWindow::addSubtitles(const QStringList& paths)
{
    if (paths.isEmpty() || !canAddSubtitles())
        return false;
    for (const QString& path : paths) {
        if (!SubtitleFiles::isSubtitle(path))
            return false;
    }
    for (const QString& path : paths) {
        if (!m_player->addSubtitleFile(path))
            showMessage(tr("The subtitle file could not be loaded."));
    }
    return true;
}

void MainWindow::addSubtitleFile()
{
    const QString media = m_resumeKey;
    const QString folder = QFileInfo(media).isFile() ? QFileInfo(media).path() : QDir::homePath();
    const QString filter = tr("Subtitle Files") + QLatin1Char(' ')
                           + MediaFileTypes::subtitlePatterns() + QStringLiteral(";;")
                           + tr("All Files") + QStringLiteral(" (*)");
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Add Subtitle File"), folder, filter);
    if (path.isEmpty() || !canAddSubtitles())
        return;
    if (!m_player->addSubtitleFile(path))
        showMessage(tr("The subtitle file could not be loaded."));
}

// The track list is rebuilt whenever the tracks change; this entry comes last.
void MainWindow::addSubtitleFileEntry()
{
    QMenu* menu = m_ui.menuSubtitle_Track;
    if (!menu->isEmpty())
        menu->addSeparator();
    QAction* action = menu->addAction(tr("Add Subtitle File..."));
    action->setObjectName(QStringLiteral("actionAdd_Subtitle_File"));
    // Tracks may be known before the player counts as started; the action
    // itself checks the state when it runs.
    action->setEnabled(m_hasVideo && !m_isBluray);
    connect(action, &QAction::triggered, this, &MainWindow::addSubtitleFile);
}
