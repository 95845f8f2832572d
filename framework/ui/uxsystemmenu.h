#pragma once

#include <QMenu>

// The window menu of a frameless window: Restore, Move, Size, Minimize,
// Maximize and Close, each greyed when it cannot apply to the window's state
// and flags. Its entries carry the object names "sysRestore", "sysMove", ...
class uxSystemMenu : public QMenu
{
    Q_OBJECT
public:
    enum Command
    {
        Restore,
        Move,
        Size,
        Minimize,
        Maximize,
        Close
    };

    uxSystemMenu(QWidget* window, QWidget* parent = nullptr);

    QAction* commandAction(Command command) const { return m_actions[command]; }
    // Pops the menu up at a global position and carries out the chosen command.
    static void popup(QWidget* window, const QPoint& globalPos);

protected:
    void changeEvent(QEvent* event) override;

private:
    void addCommand(Command command, const char* objectName);
    void updateEnabled();
    void retranslate();
    void carryOut(Command command);

    QWidget* m_window;
    QAction* m_actions[Close + 1] = {};
};
