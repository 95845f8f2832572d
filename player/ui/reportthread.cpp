#include "player/ui/reportthread.h"

#include "player/discs/discdetection.h"
#include "player/discs/discindex.h"

ReportThread::ReportThread(const QString& root, QObject* parent)
    : QThread(parent), m_root(root)
{
}

void ReportThread::run()
{
    discVolumeLabel(m_root);
    // Reading the disc's index spins up a drive before the player opens it, and
    // its hash keys the disc's resume point.
    m_indexHash = DiscIndex::hash(m_root);
    emit reportFinished();
}
