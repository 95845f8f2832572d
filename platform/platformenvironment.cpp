#include "platform/platformenvironment.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

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
