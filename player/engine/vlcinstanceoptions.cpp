#include "player/engine/vlcinstanceoptions.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

QStringList VlcInstanceOptions::fixedOptions(const QString& logFile, bool noHurryUp)
{
    QStringList options = {QStringLiteral("--ignore-config"),
                           QStringLiteral("--no-media-library"),
                           QStringLiteral("--no-stats"),
                           QStringLiteral("--video-title-timeout=1"),
                           QStringLiteral("--no-snapshot-preview"),
                           QStringLiteral("--no-video-title-show"),
                           // The window keeps the screen awake itself, only while
                           // a video really plays.
                           QStringLiteral("--no-disable-screensaver")};
    if (logFile.isEmpty()) {
        options << QStringLiteral("--verbose=-1");
    } else {
        options << QStringLiteral("--verbose=2") << QStringLiteral("--file-logging")
                << QStringLiteral("--logfile=") + logFile << QStringLiteral("--log-verbose=-1");
    }
    if (noHurryUp)
        options << QStringLiteral("--no-avcodec-hurry-up");
    return options;
}

QStringList VlcInstanceOptions::deinterlaceOptions(const QString& mode)
{
    return {QStringLiteral("--deinterlace=-1"), QStringLiteral("--deinterlace-mode=") + mode};
}

QStringList VlcInstanceOptions::environmentOptions()
{
    return QProcess::splitCommand(qEnvironmentVariable("KESTREL_VLC_OPTIONS"));
}

QString VlcInstanceOptions::logFilePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir + QStringLiteral("/mp_log.txt");
}

QByteArrayList VlcInstanceOptions::toLocal8Bit(const QStringList& options)
{
    QByteArrayList bytes;
    for (const QString& option : options)
        bytes << option.toLocal8Bit();
    return bytes;
}
