#include "player/ui/mainwindow.h"

#include "framework/ui/uxdialogbase.h"
#include "player/engine/qvlcplayer.h"
#include "player/engine/vlcvideowidget.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/gototimedialog.h"
#include "player/ui/onscreentext.h"
#include "player/ui/playbackspeed.h"
#include "player/ui/playerkeys.h"
#include "player/ui/playlistmenu.h"
#include "player/ui/shortcutsdialog.h"
#include "widgets/kpplayseekingbar.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

namespace {

const qint64 kDelayStep = 50;
const int kChapterSettle = 250;

} // namespace

// --- The key table ------------------------------------------------------------

// Each line is one key. Keys that belong to a menu entry are bound to it, so
// the menu shows them.
void MainWindow::addKeys()
{
    m_keys = new PlayerKeys(this);
    m_keys->attach(this);
    m_keys->attach(m_controlBar);
    m_keys->yieldTo(m_ui.menuBar);
    addTransportKeys();
    addSoundKeys();
    addSpeedKeys();
    addDelayKeys();
    m_keys->bind(m_ui.actionOpen, QKeySequence(Qt::CTRL | Qt::Key_O),
                 QT_TRANSLATE_NOOP("PlayerKeys", "Open a file"));
    m_keys->bind(m_ui.actionLode_Disc, QKeySequence(Qt::CTRL | Qt::Key_D),
                 QT_TRANSLATE_NOOP("PlayerKeys", "Open a disc"));
    m_keys->bind(m_playlistMenu->nextAction(), Qt::Key_N,
                 QT_TRANSLATE_NOOP("PlayerKeys", "Next playlist entry"));
    m_keys->bind(m_playlistMenu->previousAction(), Qt::Key_P,
                 QT_TRANSLATE_NOOP("PlayerKeys", "Previous playlist entry"));
    // Closing the window runs the same steps as its close button.
    m_keys->add("actionQuit", QKeySequence(Qt::CTRL | Qt::Key_Q),
                QT_TRANSLATE_NOOP("PlayerKeys", "Quit"), [this] { topLevel()->close(); });
    m_shortcutsAction = new QAction(this);
    m_shortcutsAction->setObjectName(QStringLiteral("actionKeyboard_Shortcuts"));
    connect(m_shortcutsAction, &QAction::triggered, this, &MainWindow::showKeyboardShortcuts);
    addKeyMenus();
    retranslateKeys();
}

void MainWindow::addTransportKeys()
{
    PlayerKeys* k = m_keys;
    k->add("actionPlayPause", Qt::Key_Space, QT_TRANSLATE_NOOP("PlayerKeys", "Play or pause"),
           [this] {
               if (isPlayingState(m_player->state()))
                   onBtnPauseClicked();
               else
                   onBtnPlayClicked();
           });
    k->bind(m_ui.actionFull_Screen, Qt::Key_F,
            QT_TRANSLATE_NOOP("PlayerKeys", "Full screen on or off (or double click)"));
    k->add("actionLeaveFullScreen", Qt::Key_Escape,
           QT_TRANSLATE_NOOP("PlayerKeys", "Leave full screen"), [this] { OutFullScreen(); });
    k->add("actionSnapshot", Qt::Key_S, QT_TRANSLATE_NOOP("PlayerKeys", "Take a snapshot"), [this] {
        if (m_ui.btnSnapshot->isEnabled())
            snapshot();
    });
    k->add("actionNextFrame", Qt::Key_Period,
           QT_TRANSLATE_NOOP("PlayerKeys", "Next frame (while paused)"), [this] {
               if (m_player->state() == QVlcPlayer::Paused)
                   m_player->nextFrame();
           });
    const struct
    {
        const char* name;
        QKeySequence key;
        qint64 step;
        const char* text;
    } seeks[] = {
        {"actionBack10", Qt::Key_Left, -10000, QT_TRANSLATE_NOOP("PlayerKeys", "Back 10 seconds")},
        {"actionForward10", Qt::Key_Right, 10000,
         QT_TRANSLATE_NOOP("PlayerKeys", "Forward 10 seconds")},
        {"actionBack3", Qt::SHIFT | Qt::Key_Left, -3000,
         QT_TRANSLATE_NOOP("PlayerKeys", "Back 3 seconds")},
        {"actionForward3", Qt::SHIFT | Qt::Key_Right, 3000,
         QT_TRANSLATE_NOOP("PlayerKeys", "Forward 3 seconds")},
        {"actionBack60", Qt::CTRL | Qt::Key_Left, -60000,
         QT_TRANSLATE_NOOP("PlayerKeys", "Back 1 minute")},
        {"actionForward60", Qt::CTRL | Qt::Key_Right, 60000,
         QT_TRANSLATE_NOOP("PlayerKeys", "Forward 1 minute")}};
    for (const auto& seek : seeks) {
        const qint64 step = seek.step;
        k->add(seek.name, seek.key, seek.text, [this, step] { seekByKey(step); });
    }
    k->add("actionToStart", Qt::Key_Home, QT_TRANSLATE_NOOP("PlayerKeys", "Back to the start"),
           [this] { seekToByKey(0); });
    QList<QKeySequence> digits;
    for (int key = Qt::Key_1; key <= Qt::Key_9; ++key)
        digits << QKeySequence(key);
    k->addRange("actionToPercent", digits, QT_TRANSLATE_NOOP("PlayerKeys", "Jump to 10 % … 90 %"),
                [this](int i) { seekToByKey(qint64(m_length * 1000.0f) * (i + 1) / 10); });
    k->add("actionGo_to_Time", QKeySequence(Qt::CTRL | Qt::Key_T),
           QT_TRANSLATE_NOOP("PlayerKeys", "Go to Time..."), [this] { goToTime(); });
    k->bind(m_ui.actionPrevious_Chapter, Qt::Key_PageUp,
            QT_TRANSLATE_NOOP("PlayerKeys", "Previous chapter"));
    k->bind(m_ui.actionNext_Chapter, Qt::Key_PageDown,
            QT_TRANSLATE_NOOP("PlayerKeys", "Next chapter"));
    for (QAction* a : {m_ui.actionPrevious_Chapter, m_ui.actionNext_Chapter})
        connect(a, &QAction::triggered, this, &MainWindow::showChapter);
}

void MainWindow::addSoundKeys()
{
    PlayerKeys* k = m_keys;
    k->add("actionVolumeUp", Qt::Key_Up, QT_TRANSLATE_NOOP("PlayerKeys", "Volume up"),
           [this] { stepVolume(5); });
    k->add("actionVolumeDown", Qt::Key_Down, QT_TRANSLATE_NOOP("PlayerKeys", "Volume down"),
           [this] { stepVolume(-5); });
    k->add("actionMute", Qt::Key_M, QT_TRANSLATE_NOOP("PlayerKeys", "Mute on or off"),
           [this] { toggleMute(); });
}

void MainWindow::addSpeedKeys()
{
    PlayerKeys* k = m_keys;
    k->add("actionSlower", Qt::Key_BracketLeft, QT_TRANSLATE_NOOP("PlayerKeys", "Slower"),
           [this] { setSpeed(PlaybackSpeed::slower(m_player->rate())); });
    k->add("actionFaster", Qt::Key_BracketRight, QT_TRANSLATE_NOOP("PlayerKeys", "Faster"),
           [this] { setSpeed(PlaybackSpeed::faster(m_player->rate())); });
    k->add("actionNormalSpeed", Qt::Key_Backspace, QT_TRANSLATE_NOOP("PlayerKeys", "Normal speed"),
           [this] { setSpeed(1.0f); });
}

void MainWindow::addDelayKeys()
{
    PlayerKeys* k = m_keys;
    k->add("actionSubtitleEarlier", Qt::Key_G,
           QT_TRANSLATE_NOOP("PlayerKeys", "Subtitles 50 ms earlier"),
           [this] { stepDelay(true, -kDelayStep); });
    k->add("actionSubtitleLater", Qt::Key_H, QT_TRANSLATE_NOOP("PlayerKeys", "Subtitles 50 ms later"),
           [this] { stepDelay(true, kDelayStep); });
    k->add("actionAudioEarlier", Qt::Key_J, QT_TRANSLATE_NOOP("PlayerKeys", "Audio 50 ms earlier"),
           [this] { stepDelay(false, -kDelayStep); });
    k->add("actionAudioLater", Qt::Key_K, QT_TRANSLATE_NOOP("PlayerKeys", "Audio 50 ms later"),
           [this] { stepDelay(false, kDelayStep); });
}

// Controls gains Go to Time, the speeds and both delays; Help the list of keys.
void MainWindow::addKeyMenus()
{
    QMenu* controls = m_ui.menuControls;
    controls->addSeparator();
    controls->addAction(m_keys->action("actionGo_to_Time"));
    controls->addAction(m_keys->action("actionNextFrame"));
    m_menuSpeed = controls->addMenu(QString());
    m_menuSpeed->setObjectName(QStringLiteral("menuSpeed"));
    m_speedGroup = new QActionGroup(this);
    for (float rate : PlaybackSpeed::steps()) {
        QAction* step = m_menuSpeed->addAction(PlaybackSpeed::text(rate));
        step->setCheckable(true);
        step->setData(rate);
        m_speedGroup->addAction(step);
        connect(step, &QAction::triggered, this, [this, rate] { setSpeed(rate); });
    }
    m_menuSpeed->addSeparator();
    m_menuSpeed->addActions({m_keys->action("actionFaster"), m_keys->action("actionSlower"),
                             m_keys->action("actionNormalSpeed")});
    connect(m_menuSpeed, &QMenu::aboutToShow, this, &MainWindow::onSpeedMenuAboutToShow);
    const auto delayMenu = [this, controls](const char* name, const char* later,
                                            const char* earlier, bool subtitle) {
        QMenu* menu = controls->addMenu(QString());
        menu->setObjectName(QLatin1String(name));
        menu->addActions({m_keys->action(later), m_keys->action(earlier)});
        menu->addSeparator();
        QAction* reset = menu->addAction(QString());
        reset->setObjectName(QLatin1String(name) + QStringLiteral("Reset"));
        connect(reset, &QAction::triggered, this, [this, subtitle] { setDelay(subtitle, 0); });
        return menu;
    };
    m_menuSubtitleDelay =
        delayMenu("menuSubtitle_Delay", "actionSubtitleLater", "actionSubtitleEarlier", true);
    m_menuAudioDelay = delayMenu("menuAudio_Delay", "actionAudioLater", "actionAudioEarlier", false);
    connect(controls, &QMenu::aboutToShow, this, &MainWindow::enableKeyMenus);
}

void MainWindow::retranslateKeys()
{
    m_keys->retranslate();
    m_shortcutsAction->setText(tr("&Keyboard Shortcuts"));
    m_menuSpeed->setTitle(tr("Speed"));
    m_menuSubtitleDelay->setTitle(tr("Subtitle Delay"));
    m_menuAudioDelay->setTitle(tr("Audio Delay"));
    for (QMenu* menu : {m_menuSubtitleDelay, m_menuAudioDelay})
        menu->actions().constLast()->setText(tr("Reset"));
    // Play and Pause share the one key that toggles; a second binding of it
    // would make the key ambiguous, so the menus only show it (after a tab).
    const QString toggle =
        m_keys->action("actionPlayPause")->shortcut().toString(QKeySequence::NativeText);
    for (QAction* action : {m_ui.actionPlay, m_ui.actionPause})
        action->setText(action->text().section(QLatin1Char('\t'), 0, 0) + QLatin1Char('\t') + toggle);
}

// Speed, delays and jumps need media that plays or is paused.
void MainWindow::enableKeyMenus()
{
    const bool active = m_player->state() != QVlcPlayer::Idle
                        && m_player->state() != QVlcPlayer::Opening;
    for (QMenu* menu : {m_menuSpeed, m_menuSubtitleDelay, m_menuAudioDelay})
        menu->setEnabled(active);
    m_keys->action("actionGo_to_Time")->setEnabled(canSeekByKey());
    m_keys->action("actionNextFrame")->setEnabled(m_player->state() == QVlcPlayer::Paused);
}

void MainWindow::showKeyboardShortcuts()
{
    ShortcutsDialog dialog(m_keys, topLevel());
    uxDialogBase::placeDialog(&dialog, topLevel());
    dialog.exec();
}

// --- Position ---------------------------------------------------------------

bool MainWindow::canSeekByKey() const
{
    const int state = m_player->state();
    return (isPlayingState(state) || state == QVlcPlayer::Paused) && m_length > 0
           && !m_blurayMenuShown && m_ui.playSeekingBar->isEnabled();
}

void MainWindow::seekByKey(qint64 stepMs)
{
    if (!canSeekByKey())
        return;
    const qint64 length = qint64(m_length * 1000.0f);
    seekToByKey(m_keySeek.target(m_player->position(), length, stepMs));
}

// The bars and the time label move at once; the player's reports follow.
void MainWindow::seekToByKey(qint64 ms)
{
    if (!canSeekByKey())
        return;
    m_player->seek(float(ms) / 1000.0f);
    ontimeChanged(float(ms) / 1000.0f);
    m_onScreenText->showText(clockText(float(ms) / 1000.0f) + QStringLiteral(" / ")
                             + clockText(m_length));
}

void MainWindow::goToTime()
{
    if (!canSeekByKey())
        return;
    GoToTimeDialog dialog(m_player->position(), qint64(m_length * 1000.0f), topLevel());
    uxDialogBase::placeDialog(&dialog, topLevel());
    if (dialog.exec() != QDialog::Accepted || dialog.target() < 0)
        return;
    m_keySeek.forget();
    seekToByKey(dialog.target());
}

// libVLC names the new chapter once its input has moved there.
void MainWindow::showChapter()
{
    QTimer::singleShot(kChapterSettle, this, [this] {
        const int chapter = m_player->currentChapter();
        if (chapter >= 0)
            m_onScreenText->showText(tr("Chapter %1").arg(chapter + 1));
    });
}

// --- Sound ------------------------------------------------------------------

// A volume key unmutes: the user wants to hear the change.
void MainWindow::stepVolume(int delta)
{
    KpPlaySeekingBar* volume = m_ui.previewVolume;
    if (!volume->isEnabled())
        setMuted(false);
    volume->setValue(qBound(volume->minimum(), volume->value() + delta, volume->maximum()));
    m_onScreenText->showText(tr("Volume %1%").arg(volume->value()));
}

void MainWindow::toggleMute()
{
    const bool muted = m_ui.previewVolume->isEnabled();
    setMuted(muted);
    m_onScreenText->showText(muted ? tr("Mute")
                                   : tr("Volume %1%").arg(m_ui.previewVolume->value()));
}

// --- Speed and delays -------------------------------------------------------

void MainWindow::setSpeed(float rate)
{
    const int state = m_player->state();
    if (state == QVlcPlayer::Idle || state == QVlcPlayer::Opening)
        return;
    m_player->setRate(rate);
    showSpeed();
    updateRemote();
    m_onScreenText->showText(tr("Speed %1").arg(PlaybackSpeed::text(rate)));
}

// The control bars show the speed while it is not the normal one.
void MainWindow::showSpeed()
{
    const float rate = m_player->rate();
    const bool shown = m_player->state() != QVlcPlayer::Idle && !PlaybackSpeed::isNormal(rate);
    for (QLabel* label : {m_ui.lblSpeed, m_controlBar->lblSpeed}) {
        label->setText(PlaybackSpeed::text(rate));
        label->setVisible(shown);
    }
}

void MainWindow::onSpeedMenuAboutToShow()
{
    const float rate = m_player->rate();
    for (QAction* step : m_speedGroup->actions())
        step->setChecked(PlaybackSpeed::isNormal(rate / step->data().toFloat()));
}

void MainWindow::stepDelay(bool subtitle, qint64 stepMs)
{
    setDelay(subtitle, (subtitle ? m_player->subtitleDelay() : m_player->audioDelay()) + stepMs);
}

void MainWindow::setDelay(bool subtitle, qint64 ms)
{
    const int state = m_player->state();
    if (state == QVlcPlayer::Idle || state == QVlcPlayer::Opening)
        return;
    if (subtitle) {
        m_player->setSubtitleDelay(ms);
        m_onScreenText->showText(tr("Subtitle delay %1 ms").arg(ms));
    } else {
        m_player->setAudioDelay(ms);
        m_onScreenText->showText(tr("Audio delay %1 ms").arg(ms));
    }
}
