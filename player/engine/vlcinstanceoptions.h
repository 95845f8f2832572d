#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

// The arguments the player hands to libvlc_new. libVLC rejects the whole
// instance for one option it does not know, so the list is fixed here and
// only the user's own extra options (KESTREL_VLC_OPTIONS) are added to it.
class VlcInstanceOptions
{
public:
    // logFile empty: libVLC stays quiet; otherwise it logs in detail into that file.
    static QStringList fixedOptions(const QString& logFile, bool noHurryUp);
    // libVLC's automatic deinterlacing: interlaced pictures only, with this mode.
    static QStringList deinterlaceOptions(const QString& mode);
    // The options named in the environment variable KESTREL_VLC_OPTIONS.
    static QStringList environmentOptions();
    // Where "Debug/OutputLog" puts libVLC's log: the application's data folder.
    static QString logFilePath();
    static QByteArrayList toLocal8Bit(const QStringList& options);
};
