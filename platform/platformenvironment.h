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
    // The user's private folder (mode 0700) for what lasts as long as the user's
    // session: the session's runtime folder (XDG_RUNTIME_DIR) when it belongs to
    // the user and is closed to others, otherwise a folder in the user's cache
    // folder. Empty when no such folder can be made.
    static QString userRuntimeDir();
    // Creates path (with its parents) and closes it to everybody but the user.
    // False when it is not a real folder of the user's own.
    static bool makePrivateDir(const QString& path);
    // Makes large blocks go back to the system when freed. By default the C
    // library raises its threshold for that after each large free, and a
    // player that opens media after media then keeps every picture buffer it
    // ever freed in its heaps: over 100 MiB after a hundred opens.
    static void returnLargeFreedBlocks();
};
