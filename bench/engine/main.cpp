// Plays one file to its end, either through QVlcPlayer or through a bare
// libVLC program with the same instance options, and prints the time from
// the open to the first reported time. CPU time and peak memory are measured
// around the process by run.sh.
// Usage: bench_engine engine|bare <file>
#include "player/engine/qvlcplayer.h"
#include "player/engine/vlcinstanceoptions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <vlc/vlc.h>

namespace {

int runEngine(const QString& file)
{
    QVlcPlayer player;
    QElapsedTimer sinceOpen;
    qint64 firstTime = -1;
    bool played = false;
    QObject::connect(&player, &QVlcPlayer::timeChanged, [&](float) {
        if (firstTime < 0)
            firstTime = sinceOpen.elapsed();
    });
    QObject::connect(&player, &QVlcPlayer::stateChanged, [&](int state) {
        if (state == QVlcPlayer::Playing || state == QVlcPlayer::Started)
            played = true;
        if (state == QVlcPlayer::Idle && played)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    QObject::connect(&player, &QVlcPlayer::errorOccurred, qApp, &QCoreApplication::quit);
    sinceOpen.start();
    player.openFile(file);
    QApplication::exec();
    std::printf("first time after %lld ms\n", static_cast<long long>(firstTime));
    return firstTime < 0 ? 1 : 0;
}

struct BareState
{
    QElapsedTimer sinceOpen;
    std::atomic<qint64> firstTime{-1};
    std::atomic<bool> ended{false};
};

void onBareEvent(const libvlc_event_t* event, void* data)
{
    auto* state = static_cast<BareState*>(data);
    qint64 none = -1;
    if (event->type == libvlc_MediaPlayerTimeChanged &&
        event->u.media_player_time_changed.new_time > 0)
        state->firstTime.compare_exchange_strong(none, state->sinceOpen.elapsed());
    else if (event->type == libvlc_MediaPlayerEndReached ||
             event->type == libvlc_MediaPlayerEncounteredError)
        state->ended = true;
}

int runBare(const QString& file)
{
    const QByteArrayList options =
        VlcInstanceOptions::toLocal8Bit(VlcInstanceOptions::fixedOptions(QString(), false) +
                                        VlcInstanceOptions::environmentOptions());
    std::vector<const char*> argv;
    for (const QByteArray& o : options)
        argv.push_back(o.constData());
    libvlc_instance_t* instance = libvlc_new(int(argv.size()), argv.data());
    if (!instance)
        return 2;
    BareState state;
    state.sinceOpen.start();
    libvlc_media_t* media = libvlc_media_new_path(instance, file.toLocal8Bit().constData());
    libvlc_media_player_t* player = libvlc_media_player_new_from_media(media);
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(player);
    for (libvlc_event_e type : {libvlc_MediaPlayerTimeChanged, libvlc_MediaPlayerEndReached,
                                libvlc_MediaPlayerEncounteredError})
        libvlc_event_attach(events, type, onBareEvent, &state);
    libvlc_media_player_play(player);
    while (!state.ended)
        QThread::msleep(20);
    libvlc_media_player_stop(player);
    libvlc_media_player_release(player);
    libvlc_media_release(media);
    libvlc_release(instance);
    std::printf("first time after %lld ms\n", static_cast<long long>(state.firstTime.load()));
    return state.firstTime < 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != "engine" && args[1] != "bare")) {
        std::fprintf(stderr, "usage: bench_engine engine|bare <file>\n");
        return 2;
    }
    return args[1] == "engine" ? runEngine(args[2]) : runBare(args[2]);
}
