#include "framework/ui/uxwinmenubarex.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

uxWinMenuBarEx::uxWinMenuBarEx(QWidget* parent) : QFrame(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("uxWinMenuBarEx"));
    resize(189, 21);
    auto* layout = new QHBoxLayout(this);
    layout->setObjectName(QStringLiteral("horizontalLayout_2"));
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    m_menuBarContainer = new QWidget(this);
    m_menuBarContainer->setObjectName(QStringLiteral("menuBarContainer"));
    layout->addWidget(m_menuBarContainer);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_userWndContainer = new QWidget(this);
    m_userWndContainer->setObjectName(QStringLiteral("userWndContainer"));
    layout->addWidget(m_userWndContainer);
}

void uxWinMenuBarEx::setMenuWidget(QWidget* widget)
{
    if (!widget)
        return;
    widget->setParent(m_menuBarContainer);
    widget->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    delete m_menuBarContainer->layout();
    auto* layout = new QVBoxLayout(m_menuBarContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(widget);
    widget->show();
}
