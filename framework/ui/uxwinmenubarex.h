#pragma once

#include <QFrame>

// A strip holding a menu bar on the left and a free area on the right.
class uxWinMenuBarEx : public QFrame
{
    Q_OBJECT
public:
    explicit uxWinMenuBarEx(QWidget* parent = nullptr);

    // Moves widget into the menu-bar area; null is ignored.
    void setMenuWidget(QWidget* widget);
    QWidget* menuBarContainer() const { return m_menuBarContainer; }
    QWidget* userWndContainer() const { return m_userWndContainer; }

private:
    QWidget* m_menuBarContainer = nullptr;
    QWidget* m_userWndContainer = nullptr;
};
