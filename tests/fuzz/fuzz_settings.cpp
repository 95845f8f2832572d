// The recent list and the resume points, read from a settings file that a
// crash, a full disk or another program may have damaged.
#include "tests/fuzz/fuzzsupport.h"

#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "player/ui/recentfiles.h"
#include "player/ui/resumepoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::setUp(argc, argv);
    uxProductInfo::instance()->loadConfig(QStringLiteral(
        "<Config><Company><FullName>Fuzz</FullName></Company>"
        "<Product><Name>fuzz-player</Name></Product></Config>"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uxSettings::instance();
    // A store of its own each time: Qt keeps settings files it has read.
    static int run = 0;
    QCoreApplication::setApplicationName(QStringLiteral("fuzz-player-%1").arg(++run));
    const QString path = QSettings().fileName();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(Fuzz::bytes(data, size));
    file.close();

    RecentFiles recent;
    recent.load();
    if (recent.count() < 0 || recent.count() > RecentFiles::MaxCount
        || recent.entries().size() > RecentFiles::MaxCount)
        __builtin_trap();
    recent.shown();
    ResumePoints points;
    points.lookup(recent.first());
    points.lookup(QStringLiteral("/media/movie.mkv"));
    QFile::remove(path);
    return 0;
}
