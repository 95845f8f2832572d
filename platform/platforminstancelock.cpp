#include "platform/platforminstancelock.h"

#include "platform/platformenvironment.h"

PlatformInstanceLock::PlatformInstanceLock(const QString& name)
    : m_fileName(lockFilePath(name)), m_file(m_fileName)
{
    // A running copy may hold the lock for weeks: only a dead owner makes it stale.
    m_file.setStaleLockTime(0);
}

bool PlatformInstanceLock::tryAcquire()
{
    return m_file.isLocked() || m_file.tryLock(0);
}

QString PlatformInstanceLock::lockFilePath(const QString& name)
{
    QString fileName = name;
    fileName.replace(QLatin1Char('/'), QLatin1Char('_'));
    return PlatformEnvironment::userRuntimeDir() + QLatin1Char('/') + fileName +
           QStringLiteral(".lock");
}
