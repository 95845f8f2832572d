#include "platform/platformsharedmemory.h"

#include <QFile>

#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

// Qt keys its System V segments by ftok() of the native key's file with 'Q'.
static bool segmentStatus(const QString& nativeKey, shmid_ds* status)
{
    const key_t key = ftok(QFile::encodeName(nativeKey).constData(), 'Q');
    if (key == -1)
        return false;
    const int id = shmget(key, 0, 0);
    return id != -1 && shmctl(id, IPC_STAT, status) == 0;
}

int PlatformSharedMemory::permissions(const QString& nativeKey)
{
    shmid_ds status{};
    if (!segmentStatus(nativeKey, &status))
        return -1;
    return int(status.shm_perm.mode & 0777);
}

int PlatformSharedMemory::attachCount(const QString& nativeKey)
{
    shmid_ds status{};
    if (!segmentStatus(nativeKey, &status))
        return -1;
    return int(status.shm_nattch);
}

bool PlatformSharedMemory::isPrivate(const QString& nativeKey)
{
    shmid_ds status{};
    if (!segmentStatus(nativeKey, &status))
        return false;
    const uid_t user = ::getuid();
    return status.shm_perm.uid == user && status.shm_perm.cuid == user &&
           (status.shm_perm.mode & 077) == 0;
}
