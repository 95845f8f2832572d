#include "player/ui/reportthread.h"

#include "player/discs/discdetection.h"
#include "player/engine/qvlcplayer.h"

#include <QCryptographicHash>
#include <QFile>

ReportThread::ReportThread(const QString& root, QVlcPlayer* player, QObject* parent)
    : QThread(parent), m_root(root), m_player(player)
{
}

void ReportThread::run()
{
    if (m_player)
        m_player->stopQuietly();
    discVolumeLabel(m_root);
    // Reading the disc's index spins up a drive before the player opens it, and
    // its hash keys the disc's resume point.
    QFile index(m_root + QStringLiteral("BDMV/index.bdmv"));
    if (index.open(QIODevice::ReadOnly))
        m_indexHash = QString::fromLatin1(
            QCryptographicHash::hash(index.readAll(), QCryptographicHash::Sha1).toHex());
    emit reportFinished();
}
