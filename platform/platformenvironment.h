#pragma once

#include <QLocale>
#include <QString>

// What the program needs to know about the machine it runs on.
class PlatformEnvironment
{
public:
    // Selects optional style sheets; "linux" here.
    static QString osVersionName();
    // Selects optional style sheets; "x11" here.
    static QString windowingSystemName();
    // The language of the user's desktop (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    static QLocale userInterfaceLocale();
    // The horizontal logical resolution of the primary screen, in dots per inch.
    static double logicalDpi();
    // The user's home folder.
    static QString homeDir();
};
