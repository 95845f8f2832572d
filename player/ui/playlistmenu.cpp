#include "player/ui/playlistmenu.h"

#include "framework/core/uxsrcmgr.h"
#include "player/ui/playlist.h"

#include <QActionGroup>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>

PlaylistMenu::PlaylistMenu(const Playlist* playlist, QWidget* parent)
    : QMenu(parent), m_playlist(playlist)
{
    setObjectName(QStringLiteral("menuPlaylist"));
    m_entriesEnd = addSeparator();
    m_next = addAction(QString());
    m_next->setObjectName(QStringLiteral("actionNext_Entry"));
    m_previous = addAction(QString());
    m_previous->setObjectName(QStringLiteral("actionPrevious_Entry"));
    addSeparator();
    auto* repeats = new QActionGroup(this);
    for (int mode = Playlist::RepeatOff; mode <= Playlist::RepeatAll; ++mode) {
        QAction* action = addAction(QString());
        action->setCheckable(true);
        action->setData(mode);
        repeats->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode] { emit repeatChosen(mode); });
        m_repeat << action;
    }
    addSeparator();
    m_clear = addAction(QString());
    m_clear->setObjectName(QStringLiteral("actionClear_Playlist"));
    connect(this, &QMenu::aboutToShow, this, &PlaylistMenu::rebuild);
    retranslate();
}

QList<QAction*> PlaylistMenu::entryActions() const
{
    return m_entryGroup ? m_entryGroup->actions() : QList<QAction*>();
}

void PlaylistMenu::rebuild()
{
    delete m_entryGroup;
    m_entryGroup = new QActionGroup(this);
    const int width = int(uxSrcMgr::dpiScale() * 300);
    const QStringList& entries = m_playlist->entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString name = QFileInfo(entries.at(i)).fileName();
        auto* action = new QAction(
            QFontMetrics(font()).elidedText(name.isEmpty() ? entries.at(i) : name,
                                            Qt::ElideMiddle, width),
            m_entryGroup);
        action->setToolTip(entries.at(i));
        action->setCheckable(true);
        action->setChecked(i == m_playlist->current());
        connect(action, &QAction::triggered, this, [this, i] { emit entryChosen(i); });
        insertAction(m_entriesEnd, action);
    }
    m_entriesEnd->setVisible(!entries.isEmpty());
    updateActions();
}

void PlaylistMenu::updateActions()
{
    m_repeat.value(m_playlist->repeat())->setChecked(true);
    m_next->setEnabled(m_playlist->next() >= 0);
    m_previous->setEnabled(m_playlist->previous() >= 0);
    m_clear->setEnabled(!m_playlist->isEmpty());
}

void PlaylistMenu::retranslate()
{
    setTitle(tr("Playlist"));
    m_next->setText(tr("Next"));
    m_previous->setText(tr("Previous"));
    m_repeat.at(Playlist::RepeatOff)->setText(tr("Repeat: Off"));
    m_repeat.at(Playlist::RepeatOne)->setText(tr("Repeat: One"));
    m_repeat.at(Playlist::RepeatAll)->setText(tr("Repeat: All"));
    m_clear->setText(tr("Clear"));
}

void PlaylistMenu::changeEvent(QEvent* event)
{
    QMenu::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
