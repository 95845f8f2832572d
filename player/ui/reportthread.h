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

Q_SIGNALS:
    void reportFinished();

protected:
    void run() override;

private:
    QString m_root;
    QVlcPlayer* m_player = nullptr;
};
