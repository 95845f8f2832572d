#pragma once

#include <QThread>

// Gets a Blu-ray disc ready off the GUI thread: reads the disc once, so the
// open that follows is quick. It never touches the player: that is stopped
// on the GUI thread, where all of the player's own work happens.
class ReportThread : public QThread
{
    Q_OBJECT
public:
    explicit ReportThread(const QString& root, QObject* parent = nullptr);

    // The SHA-1 of the disc's index file as lower-case hex, empty when it could
    // not be read. Valid once the thread has finished.
    QString indexHash() const { return m_indexHash; }

Q_SIGNALS:
    void reportFinished();

protected:
    void run() override;

private:
    QString m_root;
    QString m_indexHash;
};
