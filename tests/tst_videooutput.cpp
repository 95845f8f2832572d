#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "platform/platformopengl.h"
#include "player/engine/vlcvideooutput.h"
#include "player/engine/vlcvideowidget.h"
#include "testenvironment.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QVBoxLayout>
#include <QtTest>

// The video output the player gets on a display whose OpenGL is a software
// rasterizer (Xvfb's is), seen from the libVLC plug-ins the process loaded.
class TestVideoOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void theDriverIsRecognised();
    void userOptionsThatChooseTheOutput();
    void softwareOpenGlGivesTheX11Output_data();
    void softwareOpenGlGivesTheX11Output();
};

void TestVideoOutput::initTestCase()
{
    QVERIFY2(!MediaFixture::movie().isEmpty(), "ffmpeg could not make the test movie");
}

void TestVideoOutput::theDriverIsRecognised()
{
    QCOMPARE(PlatformOpenGl::guess(), PlatformOpenGl::Software);
    const QString renderer = PlatformOpenGl::rendererName();
    QVERIFY2(PlatformOpenGl::isSoftwareRenderer(renderer), qPrintable(renderer));
    // Hardware drivers built on LLVM name it too.
    QVERIFY(!PlatformOpenGl::isSoftwareRenderer(
        "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)"));
    QVERIFY(PlatformOpenGl::isSoftwareRenderer("Mesa X11 Software Rasterizer"));
    QVERIFY(!PlatformOpenGl::isSoftwareRenderer(QString()));
}

void TestVideoOutput::userOptionsThatChooseTheOutput()
{
    for (const QStringList& options :
         {QStringList{"--vout=gl"}, QStringList{"--vout", "xcb_xv"}, QStringList{"-V", "gl"},
          QStringList{"-Vgl"}, QStringList{"--quiet", "--no-xlib"}, QStringList{"--gl=egl_x11"}})
        QVERIFY2(VlcVideoOutput::namesOutput(options), qPrintable(options.join(' ')));
    for (const QStringList& options :
         {QStringList{}, QStringList{"--quiet", "--aout=dummy"}, QStringList{"--vout-filter=wall"},
          QStringList{"--verbose=2"}})
        QVERIFY2(!VlcVideoOutput::namesOutput(options), qPrintable(options.join(' ')));
}

void TestVideoOutput::softwareOpenGlGivesTheX11Output_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("notLoaded");
    QTest::addColumn<QString>("logged");
    // The X11 output is only loaded when the OpenGL ones could not start.
    QTest::newRow("chosen") << "" << "libxcb_x11_plugin.so" << ""
                            << "video output: X11: the display offers only software OpenGL";
    QTest::newRow("forced by the user")
        << "--vout=gl" << "libglx_plugin.so" << "libxcb_x11_plugin.so"
        << "video output: the output named in KESTREL_VLC_OPTIONS";
}

// Plays the movie in an embedded surface in a process of its own (libVLC keeps
// the plug-ins it loaded) and reads which video outputs it loaded.
void TestVideoOutput::softwareOpenGlGivesTheX11Output()
{
    QFETCH(QString, options);
    QFETCH(QString, loaded);
    QFETCH(QString, notLoaded);
    QFETCH(QString, logged);
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KESTREL_VLC_OPTIONS", env.value("KESTREL_VLC_OPTIONS") + ' ' + options);
    helper.setProcessEnvironment(env);
    helper.start(QCoreApplication::applicationFilePath(), {"--play", MediaFixture::movie()});
    QVERIFY(helper.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(helper.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(helper.readAllStandardError());
    QVERIFY2(helper.exitCode() == 0, qPrintable(err));
    QVERIFY2(out.contains(loaded), qPrintable(out));
    QVERIFY2(notLoaded.isEmpty() || !out.contains(notLoaded), qPrintable(out));
    QCOMPARE(err.count("video output:"), 1);
    QVERIFY2(err.contains(logged), qPrintable(err));
}

// The video output plug-ins mapped into this process.
static QStringList loadedOutputs()
{
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int at = line.indexOf("/video_output/");
        const QString name = QString::fromLocal8Bit(line.mid(at + 14));
        if (at >= 0 && !names.contains(name))
            names << name;
    }
    return names;
}

static int playEmbedded(const QString& path)
{
    QWidget window;
    window.resize(320, 200);
    auto* layout = new QVBoxLayout(&window);
    auto* video = new VlcVideoWidget(&window);
    layout->addWidget(video);
    QVlcPlayer player;
    player.setVideoWidget(video);
    PlayerProbe probe(&player);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;
    player.openFile(path);
    if (!probe.waitForTime(1.0f) || !QTest::qWaitFor([&] { return probe.vouts > 0; }, 10000))
        return 3;
    std::printf("%s\n", qPrintable(loadedOutputs().join(' ')));
    player.stop();
    return 0;
}

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    if (app.arguments().size() == 3 && app.arguments().at(1) == "--play")
        return playEmbedded(app.arguments().at(2));
    TestVideoOutput tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_videooutput.moc"
