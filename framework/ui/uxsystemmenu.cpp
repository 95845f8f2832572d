#include "framework/ui/uxsystemmenu.h"

#include <QEvent>
#include <QPointer>
#include <QWindow>

uxSystemMenu::uxSystemMenu(QWidget* window, QWidget* parent) : QMenu(parent), m_window(window)
{
    setObjectName(QStringLiteral("menuSystem"));
    addCommand(Restore, "sysRestore");
    addCommand(Move, "sysMove");
    addCommand(Size, "sysSize");
    addCommand(Minimize, "sysMinimize");
    addCommand(Maximize, "sysMaximize");
    addSeparator();
    addCommand(Close, "sysClose");
    m_actions[Close]->setShortcut(QKeySequence(QStringLiteral("Alt+F4")));
    setDefaultAction(m_actions[Close]);
    retranslate();
    updateEnabled();
}

void uxSystemMenu::addCommand(Command command, const char* objectName)
{
    QAction* action = addAction(QString());
    action->setObjectName(QLatin1String(objectName));
    connect(action, &QAction::triggered, this, [this, command] { carryOut(command); });
    m_actions[command] = action;
}

void uxSystemMenu::updateEnabled()
{
    const Qt::WindowFlags flags = m_window->windowFlags();
    const bool minimized = m_window->isMinimized();
    const bool maximized = m_window->isMaximized();
    const bool maxHint = flags.testFlag(Qt::WindowMaximizeButtonHint);
    const bool fixed = flags.testFlag(Qt::MSWindowsFixedSizeDialogHint);
    m_actions[Restore]->setEnabled(maximized || minimized);
    m_actions[Move]->setEnabled(!minimized && !maximized);
    m_actions[Size]->setEnabled(!minimized && !maximized && !fixed && maxHint);
    m_actions[Minimize]->setEnabled(!minimized && flags.testFlag(Qt::WindowMinimizeButtonHint));
    m_actions[Maximize]->setEnabled(!(maximized && !minimized) && maxHint);
    m_actions[Close]->setEnabled(flags.testFlag(Qt::WindowCloseButtonHint));
}

void uxSystemMenu::retranslate()
{
    m_actions[Restore]->setText(tr("&Restore"));
    m_actions[Move]->setText(tr("&Move"));
    m_actions[Size]->setText(tr("&Size"));
    m_actions[Minimize]->setText(tr("Mi&nimize"));
    m_actions[Maximize]->setText(tr("Ma&ximize"));
    m_actions[Close]->setText(tr("&Close"));
}

void uxSystemMenu::changeEvent(QEvent* event)
{
    QMenu::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void uxSystemMenu::carryOut(Command command)
{
    QWindow* handle = m_window->windowHandle();
    switch (command) {
    case Restore:
        m_window->showNormal();
        break;
    case Move:
        if (handle)
            handle->startSystemMove();
        break;
    case Size:
        if (handle)
            handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        break;
    case Minimize:
        m_window->showMinimized();
        break;
    case Maximize:
        m_window->showMaximized();
        break;
    case Close:
        m_window->close();
        break;
    }
}

void uxSystemMenu::popup(QWidget* window, const QPoint& globalPos)
{
    window->activateWindow();
    QPointer<uxSystemMenu> menu = new uxSystemMenu(window, window);
    menu->exec(globalPos);
    delete menu.data();
}
