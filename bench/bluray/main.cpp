// Opens one Blu-ray folder and prints how long it took, in one of three ways:
//   author            makes the feature disc (cached) and prints its folder
//   player STAGE DISC the player window (the staged program's resources):
//                     from the open to its navigation menu shown
//   bare DISC         a bare libVLC program: from the open to the first picture
// Each run is its own process, so every open starts from a cold instance.
#include "fixtures/blurayauthor.h"
#include "framework/core/uxsrcmgr.h"
#include "player/discs/qbluraymenu.h"
#include "player/ui/mainwindow.h"
#include "player/ui/mainwindowbase.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <cstdio>
#include <vlc/vlc.h>

namespace {

int runPlayer(const QString& stage, const QString& disc)
{
    uxSrcMgr::createInstance(stage);
    FrameworkFixture::loadProduct();
    MainWindowBase base;
    base.resize(960, 620);
    base.show();
    QElapsedTimer sinceOpen;
    qint64 shown = -1;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (base.playerWindow()->blurayMenu()->isVisible()) {
            shown = sinceOpen.elapsed();
            QApplication::quit();
        }
    });
    QTimer::singleShot(100, [&] {
        poll.start();
        sinceOpen.start();
        base.playerWindow()->openFileByName(disc);
    });
    QTimer::singleShot(30000, &QApplication::quit);
    QApplication::exec();
    std::printf("%lld\n", static_cast<long long>(shown));
    return shown < 0 ? 1 : 0;
}

void onVout(const libvlc_event_t*, void* data)
{
    static_cast<std::atomic<bool>*>(data)->store(true);
}

int runBare(const QString& disc)
{
    const QStringList options =
        qEnvironmentVariable("KESTREL_VLC_OPTIONS").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<QByteArray> bytes;
    QList<const char*> argv;
    for (const QString& option : options)
        bytes << option.toUtf8();
    for (const QByteArray& b : bytes)
        argv << b.constData();
    // The player makes its instance when its window is made; neither clock
    // counts that.
    libvlc_instance_t* instance = libvlc_new(int(argv.size()), argv.data());
    if (!instance)
        return 1;
    QElapsedTimer sinceOpen;
    sinceOpen.start();
    const QByteArray location = "bluray://" + QUrl::toPercentEncoding(disc, "/");
    libvlc_media_t* media = libvlc_media_new_location(instance, location.constData());
    libvlc_media_add_option(media, ":no-bluray-menu");
    libvlc_media_player_t* player = libvlc_media_player_new_from_media(media);
    std::atomic<bool> vout{false};
    libvlc_event_attach(libvlc_media_player_event_manager(player), libvlc_MediaPlayerVout, onVout,
                        &vout);
    libvlc_media_player_play(player);
    qint64 shown = -1;
    while (sinceOpen.elapsed() < 30000) {
        if (vout) {
            shown = sinceOpen.elapsed();
            break;
        }
        QThread::msleep(2);
    }
    libvlc_media_player_stop(player);
    libvlc_media_player_release(player);
    libvlc_media_release(media);
    libvlc_release(instance);
    std::printf("%lld\n", static_cast<long long>(shown));
    return shown < 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2 && args.at(1) == QLatin1String("author")) {
        const QString disc = BlurayAuthor::shapedDisc(BlurayAuthor::Feature);
        std::printf("%s\n", qPrintable(disc));
        return disc.isEmpty() ? 1 : 0;
    }
    if (args.size() == 4 && args.at(1) == QLatin1String("player"))
        return runPlayer(args.at(2), args.at(3));
    if (args.size() == 3 && args.at(1) == QLatin1String("bare"))
        return runBare(args.at(2));
    std::fprintf(stderr, "usage: bench_bluray author | player STAGE DISC | bare DISC\n");
    return 2;
}
