#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs a call once a widget has been painted for the first time, after the
// picture has gone to the screen: work the first picture does not need waits
// for it instead of delaying it.
class FirstPaintWatch : public QObject
{
    Q_OBJECT

public:
    static void call(QWidget* widget, std::function<void()> call);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstPaintWatch(QWidget* widget, std::function<void()> call);

    std::function<void()> m_call;
};
