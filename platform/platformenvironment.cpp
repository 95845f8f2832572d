#include "platform/platformenvironment.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QSysInfo>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

// A folder (not a link to one) that belongs to the user; with closed, one that
// nobody else may enter either.
static bool isOwnFolder(const QString& path, bool closed)
{
    struct stat status{};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (!closed || (status.st_mode & 077) == 0);
}

QString PlatformEnvironment::osVersionName()
{
    return QStringLiteral("linux");
}

QString PlatformEnvironment::windowingSystemName()
{
    return QStringLiteral("x11");
}

QLocale PlatformEnvironment::userInterfaceLocale()
{
    const QStringList languages = QLocale::system().uiLanguages();
    if (languages.isEmpty())
        return QLocale::system();
    return QLocale(languages.first());
}

double PlatformEnvironment::logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

QString PlatformEnvironment::homeDir()
{
    return QDir::homePath();
}

QString PlatformEnvironment::userRuntimeDir()
{
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(session) && isOwnFolder(session, true))
        return session;
    // The cache folder may be shared by several machines; segments and locks are not.
    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                             QStringLiteral("/runtime-") + QSysInfo::machineHostName();
    return makePrivateDir(fallback) ? fallback : QString();
}

bool PlatformEnvironment::makePrivateDir(const QString& path)
{
    if (path.isEmpty() || !QDir().mkpath(path) || !isOwnFolder(path, false))
        return false;
    return ::chmod(QFile::encodeName(path).constData(), 0700) == 0;
}

void PlatformEnvironment::returnLargeFreedBlocks()
{
    // Setting the threshold at all also stops the C library from moving it.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}
