// Open and seek latency of a player, seen on the screen: the time from asking
// a player to open a file to its first picture, and from asking it to seek to
// the first picture from the new place.
// Usage: bench_latency engine|player|vlc|mpv CLIP ROUNDS
//   engine  the player's engine in this process, drawing into a 960x540 window
//   player  the whole program ($KESTREL_BENCH_PLAYER), driven over its remote
//           control on the session bus
//   vlc     `vlc -I rc`, driven through its standard input
//   mpv     `mpv --idle`, driven through its JSON IPC socket
// Prints one line per round: "<open ms> <seek ms>"; exits 1 when a round fails.
//
// The clip is green for its first 20 s and blue after: the open is done when
// green shows, the seek to 30 s when blue shows. A thread samples a grid of
// single pixels of the whole screen on a connection of its own, so the same
// measure holds for every program whatever window it opens where.
#include "player/engine/qvlcplayer.h"
#include "player/engine/vlcvideowidget.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace {

enum class Colour
{
    Green,
    Blue
};

// Samples the screen until enough points show the colour.
class ScreenWatcher
{
public:
    ScreenWatcher() : m_c(xcb_connect(nullptr, nullptr))
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_root = screen->root;
        for (int y = 40; y < screen->height_in_pixels; y += 120) {
            for (int x = 40; x < screen->width_in_pixels; x += 120)
                m_points.push_back({int16_t(x), int16_t(y)});
        }
    }
    ~ScreenWatcher() { xcb_disconnect(m_c); }

    // Milliseconds until the colour shows, -1 after timeoutMs; runs events meanwhile.
    qint64 waitFor(Colour colour, const QElapsedTimer& since, int timeoutMs = 20000)
    {
        std::atomic<qint64> result{-2};
        std::thread poller([&] {
            while (since.elapsed() < timeoutMs) {
                if (shows(colour)) {
                    result = since.elapsed();
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(3));
            }
            result = -1;
        });
        while (result == -2)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        poller.join();
        return result;
    }

    bool shows(Colour colour)
    {
        std::vector<xcb_get_image_cookie_t> cookies;
        for (const xcb_point_t& p : m_points)
            cookies.push_back(
                xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, p.x, p.y, 1, 1, ~0u));
        int hits = 0;
        for (const xcb_get_image_cookie_t& cookie : cookies) {
            xcb_get_image_reply_t* reply = xcb_get_image_reply(m_c, cookie, nullptr);
            if (reply && xcb_get_image_data_length(reply) >= 4) {
                const uint8_t* bgr = xcb_get_image_data(reply);
                const int main = colour == Colour::Green ? bgr[1] : bgr[0];
                const int other = colour == Colour::Green ? std::max(bgr[0], bgr[2])
                                                          : std::max(bgr[1], bgr[2]);
                hits += main > 100 && other < 70;
            }
            std::free(reply);
        }
        return hits >= 4;
    }

private:
    xcb_connection_t* m_c;
    xcb_window_t m_root = 0;
    std::vector<xcb_point_t> m_points;
};

// One program under measure: how to open, seek and stop it, and whether it
// takes a seek yet.
struct Driver
{
    std::function<void()> open, seek, stop;
    std::function<bool()> seekable = [] { return true; };
};

void runEventsFor(int ms, const std::function<bool()>& until = [] { return false; })
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms && !until())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

int measure(const Driver& driver, int rounds)
{
    ScreenWatcher watcher;
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer clock;
        clock.start();
        driver.open();
        const qint64 opened = watcher.waitFor(Colour::Green, clock);
        runEventsFor(500);
        runEventsFor(5000, driver.seekable);
        clock.restart();
        driver.seek();
        const qint64 sought = opened < 0 ? -1 : watcher.waitFor(Colour::Blue, clock);
        std::printf("%lld %lld\n", static_cast<long long>(opened), static_cast<long long>(sought));
        std::fflush(stdout);
        failures += opened < 0 || sought < 0;
        driver.stop();
        runEventsFor(1000);
    }
    return failures ? 1 : 0;
}

int runEngine(const QString& clip, int rounds)
{
    QWidget window;
    window.resize(960, 540);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* video = new VlcVideoWidget(&window);
    layout->addWidget(video);
    QVlcPlayer player;
    player.setVideoWidget(video);
    window.show();
    runEventsFor(1000);
    // The engine starts every file from its beginning once the first time
    // arrives; a seek before that would be undone, so it waits for "started",
    // as the player window does.
    return measure({[&] { player.openFile(clip); }, [&] { player.seek(30.0f); },
                    [&] { player.stop(); },
                    [&] { return player.state() == QVlcPlayer::Started; }},
                   rounds);
}

// The remote control of a running player, as a desktop reaches it.
class Remote
{
public:
    bool waitForService(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            if (QDBusConnection::sessionBus().interface()->isServiceRegistered(kService))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    void call(const QString& interface, const QString& method, const QVariantList& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
        message.setArguments(arguments);
        QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
    }
    void player(const QString& method, const QVariantList& arguments = {})
    {
        call(QStringLiteral("org.mpris.MediaPlayer2.Player"), method, arguments);
    }
    QVariant property(const QString& name)
    {
        QDBusMessage get = QDBusMessage::createMethodCall(
            kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << QStringLiteral("org.mpris.MediaPlayer2.Player") << name;
        const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 5000);
        if (reply.arguments().isEmpty())
            return QVariant();
        return reply.arguments().first().value<QDBusVariant>().variant();
    }
    QDBusObjectPath trackId()
    {
        const QVariantMap metadata = qdbus_cast<QVariantMap>(property("Metadata").value<QDBusArgument>());
        return metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>();
    }

    const QString kService = QStringLiteral("org.mpris.MediaPlayer2.kestrel-player");
    const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
};

int runPlayer(const QString& clip, int rounds)
{
    QProcess player;
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player.start(qEnvironmentVariable("KESTREL_BENCH_PLAYER"), {});
    Remote remote;
    if (!player.waitForStarted() || !remote.waitForService(20000))
        return 2;
    QThread::msleep(1500);
    // Each open names the clip anew: the player would resume a path it has
    // seen where it was stopped, past the green part.
    int opens = 0;
    const auto open = [&] {
        const QString link = QDir::tempPath() + QStringLiteral("/open-%1.mkv").arg(++opens);
        QFile::remove(link);
        QFile::link(clip, link);
        remote.player(QStringLiteral("OpenUri"), {QUrl::fromLocalFile(link).toString()});
    };
    const auto seek = [&] {
        remote.player(QStringLiteral("SetPosition"),
                      {QVariant::fromValue(remote.trackId()), qlonglong(30000000)});
    };
    const auto seekable = [&] {
        return remote.property(QStringLiteral("PlaybackStatus")).toString()
                   == QLatin1String("Playing")
               && remote.property(QStringLiteral("CanSeek")).toBool();
    };
    const int result =
        measure({open, seek, [&] { remote.player(QStringLiteral("Stop")); }, seekable}, rounds);
    remote.call(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Quit"));
    if (!player.waitForFinished(10000))
        player.kill();
    return result;
}

int runVlc(const QString& clip, int rounds)
{
    QProcess vlc;
    vlc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    vlc.start(QStringLiteral("vlc"),
              {"-I", "rc", "--rc-fake-tty", "--quiet", "--vout=xcb_x11", "--aout=dummy",
               "--no-video-title-show", "--width=960", "--height=540"});
    if (!vlc.waitForStarted())
        return 2;
    QThread::msleep(1500);
    auto send = [&](const QString& line) {
        vlc.write((line + QLatin1Char('\n')).toUtf8());
        vlc.waitForBytesWritten(1000);
    };
    const int result = measure({[&] { send("add " + clip); }, [&] { send("seek 30"); },
                                [&] { send("stop"); }},
                               rounds);
    send("quit");
    if (!vlc.waitForFinished(5000))
        vlc.kill();
    return result;
}

int runMpv(const QString& clip, int rounds)
{
    const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR", "/tmp") + "/bench-mpv.sock";
    QProcess mpv;
    mpv.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mpv.start(QStringLiteral("mpv"),
              {"--no-config", "--idle", "--force-window", "--really-quiet", "--vo=x11",
               "--ao=null", "--geometry=960x540", "--input-ipc-server=" + socket});
    if (!mpv.waitForStarted())
        return 2;
    QLocalSocket ipc;
    for (int i = 0; i < 100 && ipc.state() != QLocalSocket::ConnectedState; ++i) {
        QThread::msleep(50);
        ipc.connectToServer(socket);
        ipc.waitForConnected(500);
    }
    if (ipc.state() != QLocalSocket::ConnectedState)
        return 2;
    QThread::msleep(1000);
    auto send = [&](const QString& json) {
        ipc.write((json + QLatin1Char('\n')).toUtf8());
        ipc.waitForBytesWritten(1000);
        ipc.readAll();
    };
    const int result = measure(
        {[&] { send(QStringLiteral("{\"command\":[\"loadfile\",\"%1\"]}").arg(clip)); },
         [&] { send(QStringLiteral("{\"command\":[\"seek\",30,\"absolute\"]}")); },
         [&] { send(QStringLiteral("{\"command\":[\"stop\"]}")); }},
        rounds);
    send(QStringLiteral("{\"command\":[\"quit\"]}"));
    if (!mpv.waitForFinished(5000))
        mpv.kill();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: bench_latency engine|player|vlc|mpv CLIP ROUNDS\n");
        return 2;
    }
    const int rounds = args.at(3).toInt();
    if (args.at(1) == QLatin1String("engine"))
        return runEngine(args.at(2), rounds);
    if (args.at(1) == QLatin1String("player"))
        return runPlayer(args.at(2), rounds);
    if (args.at(1) == QLatin1String("vlc"))
        return runVlc(args.at(2), rounds);
    if (args.at(1) == QLatin1String("mpv"))
        return runMpv(args.at(2), rounds);
    return 2;
}
