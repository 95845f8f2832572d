#pragma once

#include "player/discs/bluraydiscinfo.h"

#include <QThread>

// Gets a Blu-ray disc ready off the GUI thread: reads the disc once, so the
// open that follows is quick. It never touches the player: that is stopped
// on the GUI thread, where all of the player's own work happens.
class ReportThread : public QThread
{
    Q_OBJECT
public:
    // root is a disc folder or a disc image.
    explicit ReportThread(const QString& root, QObject* parent = nullptr);

    // The SHA-1 of the disc's index file as lower-case hex, empty when it could
    // not be read. Valid once the thread has finished.
    QString indexHash() const { return m_indexHash; }
    // What the disc says of itself and its protection; valid once finished.
    BlurayDiscInfo discInfo() const { return m_info; }

Q_SIGNALS:
    void reportFinished();

protected:
    void run() override;

private:
    QString m_root;
    QString m_indexHash;
    BlurayDiscInfo m_info;
};
