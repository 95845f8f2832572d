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
    // its hash keys the disc's resume point.
    QFile index(m_root + QStringLiteral("BDMV/index.bdmv"));
    if (index.open(QIODevice::ReadOnly))
        m_indexHash = QString::fromLatin1(
            QCryptographicHash::hash(index.readAll(), QCryptographicHash::Sha1).toHex());
    emit reportFinished();
}
