#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "framework/core/uxsettings.h"
#include "player/engine/vlcinstanceoptions.h"
#include "player/engine/vlclocation.h"
#include "player/engine/vlctitlerules.h"
#include "testenvironment.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QtTest>

// How many colours a picture shows, sampled on a coarse grid.
static int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

// How much neighbouring rows differ, 0..255: fields of different moments
// woven into one picture make every other row differ from its neighbours.
static double comb(const QImage& image)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    qint64 sum = 0;
    for (int y = 0; y + 1 < gray.height(); ++y) {
        const uchar* row = gray.constScanLine(y);
        const uchar* next = gray.constScanLine(y + 1);
        for (int x = 0; x < gray.width(); ++x)
            sum += qAbs(int(row[x]) - int(next[x]));
    }
    return double(sum) / (qint64(gray.width()) * (gray.height() - 1));
}

class TestPlayerEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void locationsAndNames();
    void titleAndChapterNames();
    void instanceOptionsAreAccepted();
    void refusedOptionsEndTheProcess();
    void openAnnouncesStatesInOrder();
    void tracksAreListedAndSelectable();
    void transportFollowsTheUser();
    void keepStartPositionLeavesTheSeekToTheCaller();
    void snapshotAndAdjustment();
    void audioOnlyAndOutputOptions();
    void deinterlaceIsRemembered();
    void onlyInterlacedVideoIsDeinterlaced();
    void choicesBeforeLibVlcIsReadyAreKept();
    void badInputsFailCleanly_data();
    void badInputsFailCleanly();
    void awkwardLocationPlays();
    void logFileIsWritten();

private:
    QVlcPlayer* m_player = nullptr;
    PlayerProbe* m_probe = nullptr;
    void openAndStart(const QString& path);
    QImage pictureOf(const QString& path);
    QImage snapshotNow();
};

void TestPlayerEngine::initTestCase()
{
    QVERIFY2(!MediaFixture::movie().isEmpty(), "ffmpeg could not make the test movie");
}

void TestPlayerEngine::init()
{
    m_player = new QVlcPlayer;
    m_probe = new PlayerProbe(m_player);
}

void TestPlayerEngine::cleanup()
{
    delete m_player;
    m_player = nullptr;
}

void TestPlayerEngine::openAndStart(const QString& path)
{
    QVERIFY(!path.isEmpty());
    m_player->openFile(path);
    QVERIFY2(m_probe->waitForState(QVlcPlayer::Started), qPrintable(m_probe->order.join(' ')));
}

// Opens the media and takes a snapshot half a second into it. A transport
// stream may still be setting up its video then: the snapshot is tried again.
QImage TestPlayerEngine::pictureOf(const QString& path)
{
    m_probe->clear();
    m_probe->snapshots.clear();
    m_player->openFile(path);
    if (!m_probe->waitForState(QVlcPlayer::Started) || !m_probe->waitForTime(0.5f))
        return QImage();
    return snapshotNow();
}

QImage TestPlayerEngine::snapshotNow()
{
    const int before = m_probe->snapshots.size();
    for (int attempt = 0; attempt < 10 && m_probe->snapshots.size() == before; ++attempt) {
        m_player->snapshot();
        QTest::qWait(100);
    }
    return m_probe->snapshots.size() == before ? QImage() : m_probe->snapshots.last();
}

void TestPlayerEngine::locationsAndNames()
{
    QCOMPARE(VlcLocation::build("file", "/home/u/a.mkv"), QString("file:///home/u/a.mkv"));
    QCOMPARE(VlcLocation::build("bluray", "C:\\Discs\\MOVIE\\"),
             QString("bluray:///C:/Discs/MOVIE/"));
    QCOMPARE(VlcLocation::build("dvd", ""), QString());
    QCOMPARE(VlcLocation::encode("file:///a b/#1 50%.mkv"),
             QByteArray("file:///a%20b/%231%2050%25.mkv"));
    QCOMPARE(VlcLocation::encode(QString::fromUtf8("file:///ü")), QByteArray("file:///%C3%BC"));
    QCOMPARE(VlcLocation::mediaName("file:///x/y/film.mkv"), QString("film.mkv"));
    QCOMPARE(VlcLocation::mediaName("bluray:///discs/MOVIE/"), QString("MOVIE"));
    QCOMPARE(VlcLocation::mediaName("dvdsimple:///discs/DVD"), QString("DVD"));
    QCOMPARE(VlcLocation::mediaName("cdda:///dev/sr0"), QString());
    QVERIFY(VlcLocation::hasTitles("bluray:///d") && VlcLocation::hasTitles("vcd:///d"));
    QVERIFY(!VlcLocation::hasTitles("cdda:///d") && VlcLocation::hasTitles("file:///d"));

    // Empty paths open nothing.
    m_player->openFile(QString());
    m_player->openBD(QString());
    m_player->openDVD(QString(), true);
    QTest::qWait(300);
    QVERIFY(m_probe->states.isEmpty());
    QCOMPARE(m_player->currentMediaName(), QString());
}

void TestPlayerEngine::titleAndChapterNames()
{
    QCOMPARE(VlcTitleRules::titleName(0, 3723000, "x"), QString("1. 01:02:03"));
    QCOMPARE(VlcTitleRules::titleName(3, 0, "Title 4"), QString("4"));
    QCOMPARE(VlcTitleRules::titleName(3, 0, "Menu"), QString("Menu"));
    QCOMPARE(VlcTitleRules::chapterName(1, 600000, " Middle"), QString("2. 00:10:00"));
    QCOMPARE(VlcTitleRules::chapterName(1, -1, " Middle Part"), QString("Middle Part"));
    // A file's chapters keep their names; only unnamed ones are named by their start.
    QCOMPARE(VlcTitleRules::fileChapterName(1, 600000, " Middle"), QString("Middle"));
    QCOMPARE(VlcTitleRules::fileChapterName(1, 600000, "  "), QString("2. 00:10:00"));

    VlcTitle title;
    title.chapters = {{0, "a", 5000}, {1, "b", 10000}, {2, "c", -1}, {3, "d", 20000}};
    QCOMPARE(VlcTitleRules::chapterAt(title, 0), 0); // even though chapter 0 starts later
    QCOMPARE(VlcTitleRules::chapterAt(title, 4999), 0);
    QCOMPARE(VlcTitleRules::chapterAt(title, 10000), 1); // a start equal to the time has begun
    QCOMPARE(VlcTitleRules::chapterAt(title, 19999), 1); // unknown start never ends the search
    QCOMPARE(VlcTitleRules::chapterAt(title, 20001), 3);
    QCOMPARE(VlcTitleRules::chapterAt(VlcTitle(), 100), -1);
}

void TestPlayerEngine::instanceOptionsAreAccepted()
{
    // One unknown option would make libVLC refuse the whole instance.
    for (const QString& log : {QString(), VlcInstanceOptions::logFilePath()}) {
        const QByteArrayList bytes =
            VlcInstanceOptions::toLocal8Bit(VlcInstanceOptions::fixedOptions(log, true));
        std::vector<const char*> argv;
        for (const QByteArray& b : bytes)
            argv.push_back(b.constData());
        VlcInstanceHolder instance(libvlc_new(int(argv.size()), argv.data()));
        QVERIFY2(instance, bytes.join(' ').constData());
    }
    qputenv("KESTREL_VLC_OPTIONS_SAVED", qgetenv("KESTREL_VLC_OPTIONS"));
    qputenv("KESTREL_VLC_OPTIONS", "--quiet \"--sub-filter=a b\"");
    QCOMPARE(VlcInstanceOptions::environmentOptions(),
             QStringList({"--quiet", "--sub-filter=a b"}));
    qputenv("KESTREL_VLC_OPTIONS", qgetenv("KESTREL_VLC_OPTIONS_SAVED"));
}

void TestPlayerEngine::refusedOptionsEndTheProcess()
{
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KESTREL_VLC_OPTIONS", "--quiet --no-such-option-anywhere");
    helper.setProcessEnvironment(env);
    helper.start(QCoreApplication::applicationFilePath(), {"--make-player"});
    QVERIFY(helper.waitForFinished(30000));
    QCOMPARE(helper.exitCode(), -101 & 0xff);
    QVERIFY(helper.readAllStandardError().contains("KESTREL_VLC_OPTIONS"));
}

void TestPlayerEngine::openAnnouncesStatesInOrder()
{
    openAndStart(MediaFixture::movie());
    QCOMPARE(m_probe->states.first(), int(QVlcPlayer::Opening));
    QCOMPARE(m_player->state(), int(QVlcPlayer::Started));
    QVERIFY(m_probe->order.indexOf("length") < m_probe->order.indexOf("state4"));
    QVERIFY(m_probe->waitForTime(1.0f));
    QCOMPARE(m_probe->errors, 0);
    QVERIFY(m_probe->trackInfo >= 1);
    QCOMPARE(m_probe->titleInfo, 1); // a file's chapters come as one title
    QVERIFY(qAbs(m_probe->lengths.last() - 6.0f) < 0.5f);
    // The first time restarts the media: no time far into it comes first.
    QVERIFY(m_probe->times.first() < 1.0f);
    QTRY_VERIFY(!m_probe->videoSizes.isEmpty());
    QCOMPARE(m_probe->videoSizes.first(), QSize(640, 360));
    QCOMPARE(m_player->videoSize(), QSize(640, 360));
    QVERIFY(m_probe->vouts >= 1);
    QCOMPARE(m_player->currentMediaName(), QString("movie.mkv"));
    // Times only grow while playing.
    QVERIFY(std::is_sorted(m_probe->times.begin(), m_probe->times.end()));
    // To the end: idle, and no error.
    QVERIFY(m_probe->waitForIdle());
    QCOMPARE(m_probe->errors, 0);
}

void TestPlayerEngine::tracksAreListedAndSelectable()
{
    openAndStart(MediaFixture::movie());
    QTRY_VERIFY(m_probe->trackInfo >= 1);
    QList<VlcTrack> video, audio, subtitles, none;
    m_player->tracks(VlcVideoTrack, video);
    m_player->tracks(VlcAudioTrack, audio);
    m_player->tracks(VlcSubtitleTrack, subtitles);
    m_player->tracks(7, none);
    QCOMPARE(video.size(), 2);
    QCOMPARE(audio.size(), 3);
    QCOMPARE(subtitles.size(), 2);
    QVERIFY(none.isEmpty());
    QCOMPARE(audio.at(0).id, -1);
    QCOMPARE(audio.at(0).name, QString("Disable"));
    QCOMPARE(audio.at(1).name, QString("English Stereo - [English]"));
    QCOMPARE(audio.at(2).name, QString("Deutsch Kommentar - [German]"));
    QCOMPARE(subtitles.at(1).name, QString("English Subs - [English]"));

    QVERIFY(m_player->setTrack(VlcAudioTrack, audio.at(2).id));
    QCOMPARE(m_player->currentTrack(VlcAudioTrack), audio.at(2).id);
    QVERIFY(m_player->setTrack(VlcSubtitleTrack, subtitles.at(1).id));
    QCOMPARE(m_player->currentTrack(VlcSubtitleTrack), subtitles.at(1).id);
    QVERIFY(!m_player->setTrack(VlcSubtitleTrack, 999));
    QVERIFY(!m_player->setTrack(5, 0));
    QCOMPARE(m_player->currentTrack(5), -1);
    // A Matroska file's chapters keep their names, without libVLC's leading space.
    QList<VlcTitle> titles;
    m_player->titles(titles);
    QCOMPARE(titles.size(), 1);
    QStringList names;
    QList<qint64> starts;
    for (const VlcChapter& chapter : titles.first().chapters) {
        names << chapter.name;
        starts << chapter.start;
    }
    QCOMPARE(names, QStringList({"Intro", "Middle Part", "Finale"}));
    QCOMPARE(starts, QList<qint64>({0, 2000, 4000}));
    QVERIFY(m_player->setChapter(2));
    QTRY_COMPARE(m_player->currentChapter(), 2);
    QVERIFY(!m_player->setChapter(3));
}

void TestPlayerEngine::transportFollowsTheUser()
{
    openAndStart(MediaFixture::movie());
    m_player->pause();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
    m_probe->clear();
    m_player->pause();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Playing));

    m_player->seek(4.0f);
    QVERIFY(m_probe->waitForTime(4.0f));
    m_player->stop();
    QCOMPARE(m_probe->states.last(), int(QVlcPlayer::Idle));
    QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));

    // Replay after stop, and play again after the end.
    m_probe->clear();
    m_player->play();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Playing));
    m_player->seek(60.0f); // past the end
    QVERIFY(m_probe->waitForIdle());
    m_probe->clear();
    m_player->play();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Playing));
    m_player->stop();
    QCOMPARE(m_probe->errors, 0);
}

void TestPlayerEngine::keepStartPositionLeavesTheSeekToTheCaller()
{
    m_player->setKeepStartPosition(true);
    connect(m_player, &QVlcPlayer::stateChanged, this, [this](int state) {
        if (state == QVlcPlayer::Started)
            m_player->seek(3.0f);
    });
    openAndStart(MediaFixture::movie());
    QVERIFY(m_probe->waitForTime(3.0f));
    // Nothing pulled the position back to the start after the caller's seek.
    QTest::qWait(600);
    QVERIFY(m_probe->times.last() >= 3.0f);
}

void TestPlayerEngine::snapshotAndAdjustment()
{
    openAndStart(MediaFixture::movie());
    QVERIFY(m_probe->waitForTime(0.5f));
    m_player->pause();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
    m_player->snapshot();
    QCOMPARE(m_probe->snapshots.size(), 1);
    const QImage plain = m_probe->snapshots.first();
    QCOMPARE(plain.size(), QSize(640, 360));
    QVERIFY(distinctColours(plain) > 50);
    // The temporary file is gone again.
    QCOMPARE(QDir(uxSettings::instance()->tempOutputDir()).entryList(QDir::Files).size(), 0);

    QVERIFY(m_player->setAdjust(1.0f, 0.3f, 0, 1.0f, 1.0f));
    m_player->pause();
    QTest::qWait(700);
    m_player->snapshot();
    QCOMPARE(m_probe->snapshots.size(), 2);
    QVERIFY2(PlayerProbe::meanGray(m_probe->snapshots.at(1)) < PlayerProbe::meanGray(plain) - 20,
             qPrintable(
                 QString("%1 vs %2").arg(PlayerProbe::meanGray(m_probe->snapshots.at(1))).arg(PlayerProbe::meanGray(plain))));

    // No video, no picture.
    m_player->stop();
    m_player->snapshot();
    QCOMPARE(m_probe->snapshots.size(), 2);
}

void TestPlayerEngine::audioOnlyAndOutputOptions()
{
    // Set while stopped; libVLC would drop it, the player applies it when audio starts.
    m_player->setAudioChannel(3);
    m_player->setMute(true);
    QVERIFY(m_player->setVolume(40));
    QVERIFY(!m_player->setVolume(-1));
    openAndStart(MediaFixture::audioOnly());
    QTRY_VERIFY(m_probe->trackInfo >= 1);
    QList<VlcTrack> video, audio;
    m_player->tracks(VlcVideoTrack, video);
    m_player->tracks(VlcAudioTrack, audio);
    QVERIFY(video.isEmpty());
    QCOMPARE(audio.size(), 2);
    QTRY_COMPARE(
        [this] {
            int c = 0;
            m_player->audioChannel(c);
            return c;
        }(),
        3);
    QVERIFY(m_probe->videoSizes.isEmpty());
    QVERIFY(!m_player->videoSize().isValid());

    QList<VlcAudioDevice> devices;
    QVERIFY(m_player->audioDevices(devices));
    m_player->setAudioDevice("no-such-device");
    m_player->snapshot(); // no video
    QVERIFY(m_probe->snapshots.isEmpty());
    QCOMPARE(m_probe->errors, 0);
}

void TestPlayerEngine::deinterlaceIsRemembered()
{
    bool enabled = true;
    QString mode = "x";
    QVERIFY(m_player->deinterlace(enabled, mode));
    QVERIFY(!enabled);
    QVERIFY(mode.isEmpty());
    openAndStart(MediaFixture::interlacedTs());
    m_player->setDeinterlace(true, "yadif");
    m_player->setDeinterlace(true, "no-such-mode");
    QVERIFY(m_player->deinterlace(enabled, mode));
    QVERIFY(enabled);
    QCOMPARE(mode, QString("yadif"));
    m_player->setDeinterlace(false, QString());
    QVERIFY(m_player->deinterlace(enabled, mode));
    QVERIFY(!enabled);
    QTRY_VERIFY(!m_probe->videoSizes.isEmpty());
    QCOMPARE(m_probe->videoSizes.first(), QSize(720, 576));
    QCOMPARE(m_probe->errors, 0);
}

void TestPlayerEngine::onlyInterlacedVideoIsDeinterlaced()
{
    const QString lines = MediaFixture::progressiveLines();
    const QString interlaced = MediaFixture::interlacedMotion();
    QVERIFY(!lines.isEmpty() && !interlaced.isEmpty());

    m_player->setDeinterlace(false, QString());
    const QImage unfiltered = pictureOf(lines);
    QVERIFY(!unfiltered.isNull());
    QVERIFY(comb(unfiltered) > 200);
    const QImage combed = pictureOf(interlaced);
    QVERIFY2(comb(combed) > 100, qPrintable(QString::number(comb(combed))));

    // The default mode filters the interlaced video and leaves the progressive one alone.
    m_player->setDeinterlace(true, "blend");
    const QImage blended = pictureOf(interlaced);
    QVERIFY2(comb(blended) < 20, qPrintable(QString::number(comb(blended))));
    QCOMPARE(pictureOf(lines).convertToFormat(QImage::Format_RGB32),
             unfiltered.convertToFormat(QImage::Format_RGB32));

    // A mode chosen while a video plays is forced on that video...
    m_player->setDeinterlace(true, "linear");
    QTest::qWait(700);
    const QImage forced = snapshotNow();
    QVERIFY2(comb(forced) < 100, qPrintable(QString::number(comb(forced))));
    // ...and the next one gets it as the automatic mode: progressive stays untouched.
    QCOMPARE(pictureOf(lines).convertToFormat(QImage::Format_RGB32),
             unfiltered.convertToFormat(QImage::Format_RGB32));
    const QImage linear = pictureOf(interlaced);
    QVERIFY2(comb(linear) < 100, qPrintable(QString::number(comb(linear))));
    bool enabled = false;
    QString mode;
    QVERIFY(m_player->deinterlace(enabled, mode));
    QVERIFY(enabled);
    QCOMPARE(mode, QString("linear"));

    // Disabled while playing: off for the next video too.
    m_player->setDeinterlace(false, QString());
    const QImage disabled = pictureOf(interlaced);
    QVERIFY2(comb(disabled) > 100, qPrintable(QString::number(comb(disabled))));
    QCOMPARE(m_probe->errors, 0);
}

void TestPlayerEngine::choicesBeforeLibVlcIsReadyAreKept()
{
    // libVLC is still being made beside the window's construction.
    delete m_player;
    m_player = new QVlcPlayer;
    m_probe = new PlayerProbe(m_player);
    QVERIFY(m_player->setVolume(30));
    m_player->setMute(true);
    m_player->setDeinterlace(true, "bob");
    bool enabled = false;
    QString mode;
    QVERIFY(m_player->deinterlace(enabled, mode));
    QVERIFY(enabled);
    QCOMPARE(mode, QString("bob"));
    openAndStart(MediaFixture::movie());
    QCOMPARE(m_probe->errors, 0);
}

void TestPlayerEngine::badInputsFailCleanly_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("mustFail");
    QTest::newRow("missing") << MediaFixture::mediaDir() + "/no-such-file.mkv" << true;
    QTest::newRow("zero length") << MediaFixture::zeroLength() << true;
    QTest::newRow("random bytes") << MediaFixture::randomBytes() << true;
    QTest::newRow("truncated") << MediaFixture::truncatedMovie() << false;
    QTest::newRow("unknown audio codec") << MediaFixture::unknownAudioCodec() << false;
}

void TestPlayerEngine::badInputsFailCleanly()
{
    QFETCH(QString, path);
    QFETCH(bool, mustFail);
    QVERIFY(!path.isEmpty());
    m_player->openFile(path);
    QVERIFY2(m_probe->waitForIdle(30000), qPrintable(m_probe->order.join(' ')));
    if (mustFail)
        QCOMPARE(m_probe->errors, 1);
    QVERIFY(m_probe->errors <= 1);
    // The player stays usable.
    m_probe->clear();
    openAndStart(MediaFixture::movie());
}

void TestPlayerEngine::awkwardLocationPlays()
{
    const QString path = MediaFixture::awkwardlyNamedMovie();
    openAndStart(path);
    QCOMPARE(m_player->currentMediaName(), QFileInfo(path).fileName());
    QCOMPARE(m_probe->errors, 0);
}

void TestPlayerEngine::logFileIsWritten()
{
    delete m_player;
    const QString log = VlcInstanceOptions::logFilePath();
    QFile::remove(log);
    uxSettings::instance()->setValue("Debug/OutputLog", 1);
    m_player = new QVlcPlayer;
    m_probe = new PlayerProbe(m_player);
    uxSettings::instance()->setValue("Debug/OutputLog", 0);
    openAndStart(MediaFixture::movie());
    m_player->stop();
    QTRY_VERIFY(QFileInfo(log).size() > 0);
}

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    if (app.arguments().contains("--make-player")) {
        QVlcPlayer player;
        return 0;
    }
    TestPlayerEngine tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_playerengine.moc"
