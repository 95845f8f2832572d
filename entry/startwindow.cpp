#include "entry/startwindow.h"

#include "framework/core/uxproductinfo.h"

#include <QEvent>

StartWindow::StartWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("uxMainWindowBase"));
    setAttribute(Qt::WA_StyledBackground);
    retranslate();
}

QSize StartWindow::sizeHint() const
{
    return QSize(960, 600);
}

void StartWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void StartWindow::retranslate()
{
    setWindowTitle(uxProductInfo::instance()->displayName());
}
