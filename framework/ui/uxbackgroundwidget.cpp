#include "framework/ui/uxbackgroundwidget.h"

#include <QEvent>
#include <QResizeEvent>

uxBackgroundWidget::uxBackgroundWidget(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("uxBackgroundFrame"));
    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    lower();
}

void uxBackgroundWidget::updateOnParentSize(QRect rcParent)
{
    setGeometry(rcParent);
    lower();
}

bool uxBackgroundWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        updateOnParentSize(QRect(0, 0, size.width(), size.height()));
    }
    return QFrame::eventFilter(watched, event);
}
