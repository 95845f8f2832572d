#include "platform/platformusersharedmemory.h"

#include "platform/platformenvironment.h"
#include "platform/platformsharedmemory.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

static QString keyFileBase(const QString& key)
{
    QString name = key;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return PlatformEnvironment::userRuntimeDir() + QLatin1Char('/') + name;
}

// A native key bypasses Qt's own lock (a semaphore keyed in the shared temporary
// folder); lock() below takes a lock file beside the key file instead.
PlatformUserSharedMemory::PlatformUserSharedMemory(const QString& key)
{
    const QString base = keyFileBase(key);
    m_memory.setNativeKey(base + QStringLiteral(".shm"));
    m_lockPath = base + QStringLiteral(".shm.lock");
}

PlatformUserSharedMemory::~PlatformUserSharedMemory()
{
    if (m_locked)
        unlock();
    if (m_lockFd != -1)
        ::close(m_lockFd);
}

QString PlatformUserSharedMemory::userNativeKey(const QString& key)
{
    return PlatformUserSharedMemory(key).nativeKey();
}

bool PlatformUserSharedMemory::create(qsizetype size, QSharedMemory::AccessMode mode)
{
    m_refused = QSharedMemory::NoError;
    if (m_memory.create(size, mode))
        return true;
    if (m_memory.error() != QSharedMemory::AlreadyExists ||
        PlatformSharedMemory::isPrivate(nativeKey()))
        return false;
    // Another user's segment happens to sit under the key derived from this key
    // file: a new key file gets another key.
    QFile::remove(nativeKey());
    return m_memory.create(size, mode);
}

bool PlatformUserSharedMemory::attach(QSharedMemory::AccessMode mode)
{
    m_refused = QSharedMemory::NoError;
    // A segment others may read or write is checked before attaching; the check
    // after it catches one replaced in between.
    const bool exists = PlatformSharedMemory::attachCount(nativeKey()) != -1;
    if (exists && !PlatformSharedMemory::isPrivate(nativeKey()))
        return refuseForeignSegment();
    if (!m_memory.attach(mode))
        return false;
    if (!PlatformSharedMemory::isPrivate(nativeKey())) {
        m_memory.detach();
        return refuseForeignSegment();
    }
    return true;
}

bool PlatformUserSharedMemory::refuseForeignSegment()
{
    m_refused = QSharedMemory::PermissionDenied;
    return false;
}

bool PlatformUserSharedMemory::detach()
{
    return m_memory.detach();
}

QSharedMemory::SharedMemoryError PlatformUserSharedMemory::error() const
{
    return m_refused != QSharedMemory::NoError ? m_refused : m_memory.error();
}

bool PlatformUserSharedMemory::openLockFile()
{
    if (m_lockFd != -1)
        return true;
    m_lockFd = ::open(QFile::encodeName(m_lockPath).constData(),
                      O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    return m_lockFd != -1;
}

bool PlatformUserSharedMemory::lock()
{
    if (m_locked)
        return true;
    if (!openLockFile())
        return false;
    int result;
    do
        result = ::flock(m_lockFd, LOCK_EX);
    while (result == -1 && errno == EINTR);
    m_locked = result == 0;
    return m_locked;
}

bool PlatformUserSharedMemory::unlock()
{
    if (!m_locked)
        return false;
    m_locked = false;
    return ::flock(m_lockFd, LOCK_UN) == 0;
}
