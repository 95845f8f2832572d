#pragma once

#include <QMenu>

class Playlist;
class QActionGroup;

// The Playlist menu: the entries (the current one checked, a click plays
// one), Next and Previous, the repeat modes and Clear. It lists the playlist
// afresh each time it opens and leaves every decision to the window.
class PlaylistMenu : public QMenu
{
    Q_OBJECT
public:
    PlaylistMenu(const Playlist* playlist, QWidget* parent);

    QAction* nextAction() const { return m_next; }
    QAction* previousAction() const { return m_previous; }
    QAction* repeatAction(int repeat) const { return m_repeat.value(repeat); }
    QAction* clearAction() const { return m_clear; }
    // Enables Next, Previous and Clear and checks the repeat mode as the
    // playlist now stands; the window calls it whenever the playlist changes,
    // so that the keys of Next and Previous follow it too.
    void updateActions();
    // The entries' actions as the menu showed them last.
    QList<QAction*> entryActions() const;

Q_SIGNALS:
    void entryChosen(int index);
    void repeatChosen(int repeat);

protected:
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    void retranslate();

    const Playlist* m_playlist;
    QActionGroup* m_entryGroup = nullptr;
    QAction* m_entriesEnd = nullptr;
    QAction* m_next = nullptr;
    QAction* m_previous = nullptr;
    QList<QAction*> m_repeat;
    QAction* m_clear = nullptr;
};
