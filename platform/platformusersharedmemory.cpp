#include "platform/platformusersharedmemory.h"

#include "platform/platformenvironment.h"
#include "platform/platformsharedmemory.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

static void warn(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

static QString keyFileBase(const QString& key)
{
    QString name = key;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return PlatformEnvironment::userRuntimeDir() + QLatin1Char('/') + name;
}

// A native key bypasses Qt's own lock (a semaphore keyed in the shared temporary
// folder); lock() below takes a lock file beside the key file instead.
PlatformUserSharedMemory::PlatformUserSharedMemory(const QString& key)
    : m_memory(std::make_unique<QSharedMemory>())
{
    const QString base = keyFileBase(key);
    m_keyFile = base + QStringLiteral(".shm");
    m_lockPath = base + QStringLiteral(".shm.lock");
    m_memory->setNativeKey(m_keyFile);
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
    // Another user's segment may sit under the key derived from this key file; a
    // key file with a new inode gets another key. Keys are short, so a few tries.
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (tryCreate(size, mode))
            return true;
        if (m_error != QSharedMemory::AlreadyExists || PlatformSharedMemory::isPrivate(m_keyFile))
            return false;
        if (attempt == 0)
            warn(QCoreApplication::translate("PlatformUserSharedMemory",
                                             "A shared memory segment under %1 belongs to another "
                                             "user or others may use it; a new one replaces it.")
                     .arg(m_keyFile));
        if (!replaceKeyFile())
            return false;
    }
    return false;
}

// The new file exists before the old one goes, so it cannot get the old inode.
bool PlatformUserSharedMemory::replaceKeyFile()
{
    const QByteArray target = QFile::encodeName(m_keyFile);
    const QByteArray fresh = target + ".new";
    ::unlink(fresh.constData());
    const int fd = ::open(fresh.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          0600);
    if (fd == -1)
        return false;
    ::close(fd);
    return ::rename(fresh.constData(), target.constData()) == 0;
}

bool PlatformUserSharedMemory::tryCreate(qsizetype size, QSharedMemory::AccessMode mode)
{
    m_error = QSharedMemory::NoError;
    if (m_memory->create(size, mode))
        return true;
    m_error = m_memory->error();
    renew();
    return false;
}

// A QSharedMemory that has tried create() cannot attach any more (its unused
// lock keeps an error), so a failed creation and a detach leave a fresh one.
void PlatformUserSharedMemory::renew()
{
    m_memory = std::make_unique<QSharedMemory>();
    m_memory->setNativeKey(m_keyFile);
}

bool PlatformUserSharedMemory::attach(QSharedMemory::AccessMode mode)
{
    m_error = QSharedMemory::NoError;
    // A segment others may read or write is checked before attaching; the check
    // after it catches one replaced in between.
    const bool exists = PlatformSharedMemory::attachCount(m_keyFile) != -1;
    if (exists && !PlatformSharedMemory::isPrivate(m_keyFile))
        return refuseForeignSegment();
    if (!m_memory->attach(mode)) {
        m_error = m_memory->error();
        return false;
    }
    if (!PlatformSharedMemory::isPrivate(m_keyFile)) {
        m_memory->detach();
        return refuseForeignSegment();
    }
    return true;
}

bool PlatformUserSharedMemory::refuseForeignSegment()
{
    warn(QCoreApplication::translate("PlatformUserSharedMemory",
                                     "A shared memory segment under %1 belongs to another user "
                                     "or others may use it; it is not used.")
             .arg(m_keyFile));
    m_error = QSharedMemory::PermissionDenied;
    return false;
}

bool PlatformUserSharedMemory::detach()
{
    const bool detached = m_memory->detach();
    if (detached)
        renew();
    return detached;
}

QSharedMemory::SharedMemoryError PlatformUserSharedMemory::error() const
{
    return m_error;
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
