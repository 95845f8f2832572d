#include "player/ui/firstpaintwatch.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

FirstPaintWatch::FirstPaintWatch(QWidget* widget, std::function<void()> call)
    : QObject(widget), m_call(std::move(call))
{
    widget->installEventFilter(this);
}

void FirstPaintWatch::call(QWidget* widget, std::function<void()> call)
{
    new FirstPaintWatch(widget, std::move(call));
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // The painted window is flushed to the screen before the event loop
        // runs the next queued call.
        QTimer::singleShot(0, parent(), m_call);
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}
