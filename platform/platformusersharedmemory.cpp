#include "platform/platformusersharedmemory.h"

#include <unistd.h>

PlatformUserSharedMemory::PlatformUserSharedMemory(const QString& key, QObject* parent)
    : QSharedMemory(userKey(key), parent)
{
}

QString PlatformUserSharedMemory::userKey(const QString& key)
{
    return key + QStringLiteral("@uid") + QString::number(::getuid());
}

QString PlatformUserSharedMemory::userNativeKey(const QString& key)
{
    return PlatformUserSharedMemory(key).nativeKey();
}
