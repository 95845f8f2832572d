#pragma once

#include "player/ui/openingnotice.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

// Follows one open from the request to its first picture. When that takes
// longer than the patience allows, it shows a notice naming the media whose
// Cancel asks for the open to stop; the notice goes once the open ends either way.
//
// Each outcome is also logged under the category "kestrel.opening" (info
// level, off unless QT_LOGGING_RULES switches it on), so scripts and tests
// that drive the program from outside can tell how every open ended.
class OpeningWatch : public QObject
{
    Q_OBJECT
public:
    static const int kPatienceMs = 10000;

    explicit OpeningWatch(QWidget* noticeParent);
    ~OpeningWatch() override;

    void start(const QString& location);
    // The open ended: with a first picture (or sound) when started, else stopped.
    void finish(bool started);
    // The open failed and a message about it is on its way.
    void fail();
    // A message the user is shown about an open.
    void noteMessage(const QString& text);
    // What is being opened, or was last; names the media in a failure message.
    QString location() const { return m_location; }
    bool isWatching() const { return m_timer.isActive() || m_notice; }

Q_SIGNALS:
    void cancelRequested();
    void noticeShown();

private:
    void showNotice();
    void closeNotice();

    QWidget* m_noticeParent;
    QTimer m_timer;
    QString m_location;
    QPointer<OpeningNotice> m_notice;
};
