#include "player/ui/reportthread.h"

#include "player/discs/discdetection.h"
#include "player/discs/discindex.h"

#include <QFileInfo>

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
    if (!QFileInfo(m_root).isDir()) {
        // An image is read through its own file system, so it hashes like a folder.
        m_info = BlurayDiscInfo::read(m_root);
        m_indexHash = m_info.indexHash();
    } else {
        // An index that is no plausible file (a pipe, a huge file) would block
        // the disc library as well, so such a folder is read no further.
        m_indexHash = DiscIndex::hash(m_root);
        if (!m_indexHash.isEmpty())
            m_info = BlurayDiscInfo::read(m_root);
    }
    emit reportFinished();
}
