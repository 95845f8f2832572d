// The staged program driven from outside as a desktop drives it: media keys,
// sound applets and playerctl speak to it over a private session bus.
#include "fixtures/mediafixture.h"
#include "fixtures/stagedcopies.h"
#include "testenvironment.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QUrl>
#include <functional>

namespace {

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.kestrel-player");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");

// A picture that changes with every frame, so a paused window is a still one.
QString clip(const QString& name, const QString& title, const QString& chapters = QString())
{
    QStringList args = {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=30"};
    if (!chapters.isEmpty()) {
        const QString meta = MediaFixture::mediaDir() + "/sources/" + name + ".chapters";
        if (!MediaFixture::writeAtomically(meta, chapters.toUtf8()))
            return QString();
        args << "-i" << meta << "-map_chapters" << "1";
    }
    args << "-metadata" << ("title=" + title) << "-c:v" << "libx264" << "-preset" << "ultrafast"
         << "-pix_fmt" << "yuv420p" << "-g" << "25";
    return MediaFixture::ffmpeg(name, args);
}

// A short song whose tag carries a plain red cover picture.
QString songWithCover()
{
    return MediaFixture::ffmpeg(
        "remote-song.mp3",
        {"-f", "lavfi", "-i", "sine=frequency=660:duration=20", "-f", "lavfi", "-i",
         "color=c=red:size=48x48:duration=0.04", "-map", "0", "-map", "1", "-c:v", "png",
         "-c:a", "libmp3lame", "-id3v2_version", "3", "-metadata", "title=Remote Song"});
}

QString settingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Kestrel Media/Kestrel Player.conf";
}

struct Output
{
    int code = -1;
    QString text;
};

Output runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    Output out;
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        return out;
    }
    out.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    out.text = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return out;
}

QString playerctl(const QStringList& arguments)
{
    return runTool("playerctl", QStringList{"-p", "kestrel-player"} + arguments).text;
}

int gdbusCall(const QString& method, const QStringList& arguments = {})
{
    return runTool("gdbus", QStringList{"call", "--session", "--dest", kService, "--object-path",
                                        kPath, "--method", method}
                                + arguments)
        .code;
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs = 15000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(100);
    }
    return true;
}

// D-Bus hands nested dictionaries over unconverted.
QVariant plain(const QVariant& value)
{
    if (value.userType() == qMetaTypeId<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value;
}

QVariant remoteProperty(const QString& interface, const QString& name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, "org.freedesktop.DBus.Properties", "Get");
    get << interface << name;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return plain(reply.arguments().first().value<QDBusVariant>().variant());
}

QVariantMap metadata()
{
    return remoteProperty(kPlayer, "Metadata").toMap();
}

QString trackId()
{
    return metadata().value("mpris:trackid").value<QDBusObjectPath>().path();
}

QString status()
{
    return playerctl({"status"});
}

double seconds(const QString& text)
{
    return text.toDouble();
}

} // namespace

// What the player announces on the bus, as a desktop's applet hears it.
class RemoteListener : public QObject
{
    Q_OBJECT
public:
    QList<QPair<QString, QVariant>> changes;
    QList<qlonglong> seeks;

    bool listen()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        return bus.connect(kService, kPath, "org.freedesktop.DBus.Properties", "PropertiesChanged",
                           this, SLOT(onChanged(QString, QVariantMap, QStringList)))
               && bus.connect(kService, kPath, kPlayer, "Seeked", this, SLOT(onSeeked(qlonglong)));
    }
    void clear()
    {
        changes.clear();
        seeks.clear();
    }
    // Signals come on their own way: a property read at once may be ahead of them.
    bool sawChange(const QString& name, const std::function<bool(const QVariant&)>& matches) const
    {
        const bool seen = waitUntil([&] {
            for (const auto& [changed, value] : changes) {
                if (changed == name && matches(value))
                    return true;
            }
            return false;
        }, 5000);
        if (!seen)
            qWarning() << "announced:" << changes;
        return seen;
    }
    bool sawSeekNear(double target, double tolerance = 0.5) const
    {
        for (qlonglong us : seeks) {
            if (qAbs(double(us) / 1e6 - target) <= tolerance)
                return true;
        }
        return false;
    }

private Q_SLOTS:
    void onChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
    {
        if (interface != kPlayer)
            return;
        for (auto it = changed.begin(); it != changed.end(); ++it)
            changes << qMakePair(it.key(), plain(it.value()));
    }
    void onSeeked(qlonglong position) { seeks << position; }
};

class TestMpris : public QObject
{
    Q_OBJECT
    QList<QProcess*> m_copies;
    RemoteListener m_listener;
    QString m_clipA, m_clipB, m_clipC, m_chapters;

    QProcess* start(const QStringList& arguments, const QProcessEnvironment& environment =
                                                      QProcessEnvironment::systemEnvironment())
    {
        auto* copy = new QProcess(this);
        copy->setProcessEnvironment(environment);
        copy->setProcessChannelMode(QProcess::ForwardedOutputChannel);
        copy->start(stageDir() + "/kestrel-player", arguments);
        m_copies << copy;
        return copy;
    }

    bool startPlaying(const QStringList& arguments)
    {
        start(arguments);
        return waitUntil([] { return status() == "Playing"; }, 20000)
               && waitUntil([] { return metadata().contains("mpris:length"); });
    }

    // The whole top-level window, as the X server draws it.
    static QImage windowPicture(QProcess* copy)
    {
        const Output windows =
            runTool("xdotool", {"search", "--onlyvisible", "--pid",
                                QString::number(copy->processId())});
        QImage largest;
        for (const QString& id : windows.text.split('\n', Qt::SkipEmptyParts)) {
            QProcess grab;
            grab.start("import", {"-window", id, "png:-"});
            grab.waitForFinished(15000);
            const QImage picture = QImage::fromData(grab.readAllStandardOutput(), "PNG");
            if (picture.width() * picture.height() > largest.width() * largest.height())
                largest = picture;
        }
        return largest;
    }

    static bool windowMoves(QProcess* copy)
    {
        const QImage before = windowPicture(copy);
        QTest::qWait(800);
        const QImage after = windowPicture(copy);
        return !before.isNull() && before != after;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a window manager");
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("needs a private session bus (dbus-run-session)");
        if (runTool("playerctl", {"--version"}).code != 0)
            QSKIP("needs playerctl");
        m_clipA = clip("remote-a.mkv", "Remote Clip A");
        m_clipB = clip("remote-b.mkv", "Remote Clip B");
        m_clipC = clip("remote-c.mkv", "Remote Clip C");
        m_chapters = clip("remote-chapters.mkv", "Remote Chapters",
                          ";FFMETADATA1\n"
                          "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=10000\ntitle=One\n"
                          "[CHAPTER]\nTIMEBASE=1/1000\nSTART=10000\nEND=20000\ntitle=Two\n"
                          "[CHAPTER]\nTIMEBASE=1/1000\nSTART=20000\nEND=30000\ntitle=Three\n");
        for (const QString& made : {m_clipA, m_clipB, m_clipC, m_chapters})
            QVERIFY(!made.isEmpty());
        QVERIFY(m_listener.listen());
    }
    void init()
    {
        QFile::remove(settingsFile());
        // What the copy of the test before said last is not heard as this one's.
        QTest::qWait(300);
        m_listener.clear();
    }
    void cleanup() { StagedCopies::killAll(m_copies); }

    // Pause and play from outside, seen on the bus and in the window; jumps,
    // volume and speed both ways; Quit keeps the place and the volume.
    void transportFromOutside()
    {
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue("Preview/volume", 80);
        }
        QVERIFY(startPlaying({m_clipA}));
        QProcess* copy = m_copies.last();
        QCOMPARE(remoteProperty(kPlayer, "Volume").toDouble(), 0.8);
        // The tags are read once the media plays; they follow as a change.
        QVERIFY(waitUntil([] { return metadata().value("xesam:title") == "Remote Clip A"; }));
        QVERIFY(m_listener.sawChange("Metadata", [](const QVariant& v) {
            return v.toMap().value("xesam:title").toString() == "Remote Clip A";
        }));
        const QVariantMap meta = metadata();
        QCOMPARE(meta.value("xesam:title").toString(), QString("Remote Clip A"));
        QCOMPARE(meta.value("xesam:url").toString(), QUrl::fromLocalFile(m_clipA).toString());
        QVERIFY(qAbs(meta.value("mpris:length").toLongLong() - 30000000) < 200000);
        QCOMPARE(playerctl({"metadata", "mpris:length"}).toLongLong() / 1000000, 30);
        QVERIFY(waitUntil([copy] { return windowMoves(copy); }));

        QCOMPARE(runTool("playerctl", {"-p", "kestrel-player", "play-pause"}).code, 0);
        QVERIFY(waitUntil([] { return status() == "Paused"; }));
        QVERIFY(m_listener.sawChange("PlaybackStatus",
                                     [](const QVariant& v) { return v.toString() == "Paused"; }));
        QTest::qWait(1500); // anything still fading out on the picture settles
        QVERIFY(!windowMoves(copy));
        playerctl({"play-pause"});
        QVERIFY(waitUntil([] { return status() == "Playing"; }));
        QVERIFY(waitUntil([copy] { return windowMoves(copy); }));

        playerctl({"position", "12"});
        QVERIFY(waitUntil([this] { return m_listener.sawSeekNear(12); }));
        QVERIFY(qAbs(seconds(playerctl({"position"})) - 12) < 1.5);
        playerctl({"pause"});
        QVERIFY(waitUntil([] { return status() == "Paused"; }));
        m_listener.clear();
        playerctl({"position", "5-"}); // Seek by -5 s
        QVERIFY(waitUntil([this] { return !m_listener.seeks.isEmpty(); }));
        const double back = double(m_listener.seeks.last()) / 1e6;
        QVERIFY2(back > 6 && back < 9.5, qPrintable(QString::number(back)));
        QVERIFY(qAbs(seconds(playerctl({"position"})) - back) < 0.5);
        // A position for media that no longer plays is ignored.
        m_listener.clear();
        QCOMPARE(gdbusCall(kPlayer + ".SetPosition",
                           {"'/kestrel_player/track/999'", "20000000"}), 0);
        QTest::qWait(500);
        QVERIFY(m_listener.seeks.isEmpty());

        playerctl({"volume", "0.5"});
        QVERIFY(waitUntil([] { return remoteProperty(kPlayer, "Volume").toDouble() == 0.5; }));
        QVERIFY(m_listener.sawChange("Volume", [](const QVariant& v) { return v.toDouble() == 0.5; }));
        // Beyond the loudest the window offers.
        QCOMPARE(gdbusCall("org.freedesktop.DBus.Properties.Set", {kPlayer, "Volume", "<3.0>"}), 0);
        QVERIFY(waitUntil([] { return remoteProperty(kPlayer, "Volume").toDouble() == 1.25; }));

        QCOMPARE(remoteProperty(kPlayer, "MinimumRate").toDouble(), 0.25);
        QCOMPARE(remoteProperty(kPlayer, "MaximumRate").toDouble(), 4.0);
        QCOMPARE(gdbusCall("org.freedesktop.DBus.Properties.Set", {kPlayer, "Rate", "<2.0>"}), 0);
        QVERIFY(waitUntil([] { return remoteProperty(kPlayer, "Rate").toDouble() == 2.0; }));
        QVERIFY(m_listener.sawChange("Rate", [](const QVariant& v) { return v.toDouble() == 2.0; }));

        QCOMPARE(gdbusCall(kRoot + ".Quit"), 0);
        QVERIFY(copy->waitForFinished(20000));
        QCOMPARE(copy->exitCode(), 0);
        QSettings settings(settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.value("Preview/volume").toInt(), 125);
        const float kept = settings.value("Continue/Points").toMap().value(m_clipA).toFloat();
        QVERIFY2(qAbs(kept - back) <= 1.5, qPrintable(QString::number(kept)));
    }

    // Who the player is, what it opens, and how each opened media is named.
    void openingFromOutside()
    {
        start({});
        QVERIFY(waitUntil([] { return status() == "Stopped"; }, 20000));
        QCOMPARE(remoteProperty(kRoot, "Identity").toString(), QString("Kestrel Player"));
        QCOMPARE(remoteProperty(kRoot, "DesktopEntry").toString(), QString("kestrel-player"));
        QVERIFY(remoteProperty(kRoot, "SupportedUriSchemes").toStringList().contains("file"));
        const QStringList mimes = remoteProperty(kRoot, "SupportedMimeTypes").toStringList();
        QVERIFY(mimes.contains("video/x-matroska"));
        QVERIFY(mimes.contains("audio/mpeg"));
        QVERIFY(mimes.contains("application/x-cd-image"));
        QCOMPARE(trackId(), QString("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
        // A fresh profile has nothing to play.
        QCOMPARE(remoteProperty(kPlayer, "CanPlay").toBool(), false);

        const QString folder = qEnvironmentVariable("HOME") + "/Films und Serien";
        QVERIFY(QDir().mkpath(folder));
        const QString awkward = folder + QString::fromUtf8("/Gr\u00fcn clip.mkv");
        QVERIFY(QFile::copy(m_clipA, awkward));
        const QString uri = QUrl::fromLocalFile(awkward).toString(QUrl::FullyEncoded);
        QVERIFY(uri.contains("%20") && uri.contains("%C3%BC"));
        QCOMPARE(runTool("playerctl", {"-p", "kestrel-player", "open", uri}).code, 0);
        QVERIFY(waitUntil([] { return status() == "Playing"; }));
        QVERIFY(waitUntil([uri] { return metadata().value("xesam:url").toString() == uri; }));
        const QString first = trackId();
        QVERIFY(first.startsWith('/') && first != "/org/mpris/MediaPlayer2/TrackList/NoTrack");
        QVERIFY(m_listener.sawChange("Metadata", [uri](const QVariant& v) {
            return v.toMap().value("xesam:url").toString() == uri;
        }));
        QVERIFY(m_listener.sawChange("PlaybackStatus",
                                     [](const QVariant& v) { return v.toString() == "Playing"; }));

        // A plain path opens as well, under a new track id.
        QCOMPARE(gdbusCall(kPlayer + ".OpenUri", {m_clipB}), 0);
        QVERIFY(waitUntil(
            [] { return metadata().value("xesam:title").toString() == "Remote Clip B"; }));
        QVERIFY(trackId() != first);
        // What is not there, or not a local location, is refused and changes nothing.
        QVERIFY(gdbusCall(kPlayer + ".OpenUri", {folder + "/missing.mkv"}) != 0);
        QVERIFY(gdbusCall(kPlayer + ".OpenUri", {"http://example.invalid/a.mkv"}) != 0);
        QTest::qWait(500);
        QCOMPARE(metadata().value("xesam:title").toString(), QString("Remote Clip B"));
        QCOMPARE(status(), QString("Playing"));

        // A cover the desktop can show is named by a local file.
        const QString song = songWithCover();
        QVERIFY(!song.isEmpty());
        QCOMPARE(gdbusCall(kPlayer + ".OpenUri", {song}), 0);
        QVERIFY(waitUntil([] { return metadata().contains("mpris:artUrl"); }));
        const QImage cover(QUrl(metadata().value("mpris:artUrl").toString()).toLocalFile());
        QCOMPARE(cover.size(), QSize(48, 48));
        QVERIFY(qRed(cover.pixel(24, 24)) > 200 && qGreen(cover.pixel(24, 24)) < 60);
        QCOMPARE(gdbusCall(kPlayer + ".OpenUri", {m_clipB}), 0);
        QVERIFY(waitUntil(
            [] { return metadata().value("xesam:title").toString() == "Remote Clip B"; }));
        QVERIFY(!metadata().contains("mpris:artUrl"));

        QCOMPARE(gdbusCall(kRoot + ".Raise"), 0);
        playerctl({"stop"});
        QVERIFY(waitUntil([] { return status() == "Stopped"; }));
        QCOMPARE(trackId(), QString("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
        // Stopped media stays at hand in the recent list.
        QCOMPARE(remoteProperty(kPlayer, "CanPlay").toBool(), true);
    }

    // Next and Previous walk the playlist when it has several entries, else chapters.
    void nextAndPrevious()
    {
        QVERIFY(startPlaying({m_clipA, m_clipB, m_clipC}));
        const auto title = [] { return metadata().value("xesam:title").toString(); };
        QVERIFY(waitUntil([title] { return title() == "Remote Clip A"; }));
        QCOMPARE(remoteProperty(kPlayer, "CanGoPrevious").toBool(), false);
        QCOMPARE(remoteProperty(kPlayer, "CanGoNext").toBool(), true);
        playerctl({"next"});
        QVERIFY(waitUntil([title] { return title() == "Remote Clip B"; }));
        playerctl({"next"});
        QVERIFY(waitUntil([title] { return title() == "Remote Clip C"; }));
        QVERIFY(waitUntil([] { return !remoteProperty(kPlayer, "CanGoNext").toBool(); }));
        QVERIFY(m_listener.sawChange("CanGoNext", [](const QVariant& v) { return !v.toBool(); }));
        playerctl({"next"}); // nothing after the last one
        QTest::qWait(500);
        QCOMPARE(title(), QString("Remote Clip C"));
        playerctl({"previous"});
        QVERIFY(waitUntil([title] { return title() == "Remote Clip B"; }));

        // Opened on its own, a file is the whole playlist: chapters are next.
        QCOMPARE(gdbusCall(kPlayer + ".OpenUri", {m_chapters}), 0);
        QVERIFY(waitUntil([title] { return title() == "Remote Chapters"; }));
        QVERIFY(waitUntil([] { return remoteProperty(kPlayer, "CanGoNext").toBool(); }));
        m_listener.clear();
        playerctl({"next"});
        QVERIFY(waitUntil([this] { return m_listener.sawSeekNear(10); }));
        QTest::qWait(600);
        playerctl({"previous"});
        QVERIFY(waitUntil([this] { return m_listener.sawSeekNear(0); }));
    }

    void runsWithoutSessionBus()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + qEnvironmentVariable("HOME")
                                                           + "/no-bus-here");
        QProcess* copy = start({m_clipA}, environment);
        QTest::qWait(4000);
        QCOMPARE(copy->state(), QProcess::Running);
        QVERIFY(windowMoves(copy));
        StagedCopies::terminate(copy);
        // Silently: a desktop without a bus is no fault of the user's.
        const QString errors = QString::fromUtf8(copy->readAllStandardError());
        QVERIFY2(!errors.contains("bus", Qt::CaseInsensitive), qPrintable(errors));
        QSettings settings(settingsFile(), QSettings::IniFormat);
        QVERIFY(settings.value("Continue/Points").toMap().value(m_clipA).toFloat() > 0);
    }
};

KP_TEST_MAIN(TestMpris)
#include "tst_mpris.moc"
