#include "player/ui/reportthread.h"

#include "player/discs/discdetection.h"

#include <QCryptographicHash>
#include <QFile>

ReportThread::ReportThread(const QString& root, QObject* parent)
    : QThread(parent), m_root(root)
{
}

void ReportThread::run()
{
    discVolumeLabel(m_root);
    // Reading the disc's index spins up a drive before the player opens it, and
    // its hash keys the disc's resume point. Protection is judged here too, so
    // a disc that cannot play is never handed to the player.
    m_info = BlurayDiscInfo::read(m_root);
    m_indexHash = m_info.indexHash();
    if (m_indexHash.isEmpty()) {
        QFile index(m_root + QStringLiteral("BDMV/index.bdmv"));
        if (index.open(QIODevice::ReadOnly))
            m_indexHash = QString::fromLatin1(
                QCryptographicHash::hash(index.readAll(), QCryptographicHash::Sha1).toHex());
    }
    emit reportFinished();
}
