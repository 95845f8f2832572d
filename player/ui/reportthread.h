#pragma once

#include <QThread>

class QVlcPlayer;

// Gets a Blu-ray disc ready off the GUI thread: stops what plays without
// announcing it and reads the disc once, so the open that follows is quick.
class ReportThread : public QThread
{
    Q_OBJECT
public:
    ReportThread(const QString& root, QVlcPlayer* player, QObject* parent = nullptr);

    // The SHA-1 of the disc's index file as lower-case hex, empty when it could
    // not be read. Valid once the thread has finished.
    QString indexHash() const { return m_indexHash; }

Q_SIGNALS:
    void reportFinished();

protected:
    void run() override;

private:
    QString m_root;
    QVlcPlayer* m_player = nullptr;
    QString m_indexHash;
};
