// What the player window learns from the media itself, with real playback in
// the real top-level window: the chapters of files, and the title and cover
// art of tagged media, as the user and the X server see them.
#include "fixtures/mediafixture.h"
#include "fixtures/playerwindowfixture.h"
#include "fixtures/playerprobe.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsrcmgr.h"
#include "player/engine/embeddedcover.h"
#include "player/engine/qvlcplayer.h"
#include "player/engine/vlcaudiowidget.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/mainwindow.h"
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QBuffer>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QToolButton>

namespace {

QStringList texts(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* action : actions)
        out << action->text();
    return out;
}

// Three named chapters of three seconds each.
QString chapterFile(const QString& suffix)
{
    const QString dir = MediaFixture::mediaDir() + QStringLiteral("/sources");
    const QString chapters = dir + QStringLiteral("/acts.chapters");
    MediaFixture::writeAtomically(chapters,
                                  ";FFMETADATA1\n"
                                  "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=3000\ntitle=Opening\n"
                                  "[CHAPTER]\nTIMEBASE=1/1000\nSTART=3000\nEND=6000\ntitle=Second Act\n"
                                  "[CHAPTER]\nTIMEBASE=1/1000\nSTART=6000\nEND=9000\ntitle=Curtain\n");
    return MediaFixture::ffmpeg("acts." + suffix,
                                {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=9", "-i",
                                 chapters, "-map", "0", "-map_chapters", "1", "-c:v", "libx264",
                                 "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25",
                                 "-metadata", "title=Three Acts"});
}

QString plainVideo()
{
    return MediaFixture::ffmpeg("plain.mkv",
                                {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=6",
                                 "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"});
}

// A tagged song whose cover is red on the left and green on the right: an MP3
// with an ID3v2.3 tag, or an MP4 audio file, whose cover only libVLC reads.
QString taggedSong(const QString& suffix = "mp3")
{
    const QString cover = MediaFixture::mediaDir() + QStringLiteral("/sources/cover.png");
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < 64; ++y) {
        for (int x = 32; x < 64; ++x)
            picture.setPixel(x, y, qRgb(0, 255, 0));
    }
    if (!QFileInfo::exists(cover) && !picture.save(cover))
        return QString();
    QStringList arguments = {"-f", "lavfi", "-i", "sine=frequency=440:duration=8", "-i", cover,
                             "-map", "0", "-map", "1", "-c:v", "png", "-metadata",
                             "title=Kestrel Test Song", "-metadata", "artist=The Testers"};
    if (suffix == "mp3")
        arguments << "-c:a" << "libmp3lame" << "-id3v2_version" << "3";
    else
        arguments << "-c:a" << "aac" << "-disposition:v" << "attached_pic";
    return MediaFixture::ffmpeg("tagged." + suffix, arguments);
}

// The window's name as the X server holds it.
QString xWindowName(const QWidget* window)
{
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window->winId()), "_NET_WM_NAME"});
    if (!xprop.waitForFinished(5000))
        return QString();
    return QString::fromUtf8(xprop.readAllStandardOutput());
}

// What the screen shows at a widget's point, read back from the X server.
QColor screenColour(QWidget* widget, const QPoint& point)
{
    const QPoint global = widget->mapToGlobal(point);
    const QImage shot = widget->screen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage();
    return shot.isNull() ? QColor() : shot.pixelColor(0, 0);
}

QByteArray png(const QColor& colour)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray sizeBytes(quint32 size, bool syncSafe)
{
    const int shift = syncSafe ? 7 : 8;
    const quint32 mask = syncSafe ? 0x7f : 0xff;
    QByteArray out;
    for (int i = 3; i >= 0; --i)
        out.append(char((size >> (shift * i)) & mask));
    return out;
}

// An ID3v2.4 picture frame with the optional decoded-length field first.
QByteArray pictureFrame(char type, const QByteArray& picture)
{
    QByteArray body = sizeBytes(0, true);
    body += QByteArray("\x01image/png", 10) + '\0' + type;
    body += QByteArray("\xff\xfe" "C\0", 4) + QByteArray(2, '\0'); // UTF-16 description
    body += picture;
    return "APIC" + sizeBytes(quint32(body.size()), true) + QByteArray("\0\x01", 2) + body;
}

QByteArray tag(const QByteArray& frames, char flags = 0)
{
    return QByteArray("ID3\x04\0", 5) + flags + sizeBytes(quint32(frames.size()), true) + frames;
}

bool isColour(const QColor& colour, int red, int green)
{
    return qAbs(colour.red() - red) < 40 && qAbs(colour.green() - green) < 40 && colour.blue() < 40;
}

} // namespace

class TestMediaInfo : public QObject, public PlayerWindowFixture
{
    Q_OBJECT
private:
    void openAndPlayMade(const QString& path)
    {
        QVERIFY2(!path.isEmpty(), "ffmpeg could not make the media");
        openAndPlay(path);
    }

    float lastTime() const { return m_probe->times.isEmpty() ? -1 : m_probe->times.last(); }

    // Waits briefly for the position to land in [from, to): far quicker than playing there.
    bool landsIn(float from, float to)
    {
        return QTest::qWaitFor([&] { return lastTime() >= from && lastTime() < to; }, 1500);
    }

private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
    }

    void init()
    {
        QSettings().clear();
        openWindow();
    }

    void cleanup() { closeWindow(); }

    void filesNavigateByTheirChapters_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("Matroska") << "mkv";
        QTest::newRow("MP4") << "mp4";
    }

    void filesNavigateByTheirChapters()
    {
        QFETCH(QString, suffix);
        openAndPlayMade(chapterFile(suffix));
        FormControlPanel* bar = m_window->controlBar();
        QTRY_VERIFY(ui().menuCharter->isEnabled());
        emit ui().menuControls->aboutToShow();
        QCOMPARE(texts(ui().menuCharter->actions()),
                 QStringList({"Opening", "Second Act", "Curtain"}));
        QVERIFY(ui().btnNext->isVisible() && ui().btnPrev->isVisible());
        QVERIFY(!bar->btnNext->isHidden() && !bar->btnPrev->isHidden());
        QTRY_VERIFY(ui().btnNext->isEnabled() && ui().actionNext_Chapter->isEnabled());
        // Titles stay a disc's business.
        QVERIFY(!ui().menuTitle->isEnabled() && !ui().actionNext_Title->isEnabled());

        QVERIFY(m_probe->waitForTime(0.2f));
        QVERIFY(lastTime() < 2.5f);
        ui().menuCharter->actions().at(2)->trigger();
        QVERIFY2(landsIn(6.0f, 8.5f), qPrintable(QString::number(lastTime())));
        emit ui().menuCharter->aboutToShow();
        QCOMPARE(ui().menuCharter->actions().at(2)->isChecked(), true);
        // Last chapter: nothing further on; the previous one is a button away.
        QTRY_VERIFY(!ui().btnNext->isEnabled());
        QVERIFY(ui().btnPrev->isEnabled());
        QTest::mouseClick(ui().btnPrev, Qt::LeftButton);
        QVERIFY2(landsIn(3.0f, 5.5f), qPrintable(QString::number(lastTime())));
        QTRY_VERIFY(ui().btnNext->isEnabled());
        QTest::mouseClick(ui().btnNext, Qt::LeftButton);
        QVERIFY2(landsIn(6.0f, 8.5f), qPrintable(QString::number(lastTime())));

        QVERIFY(m_base->windowTitle().startsWith("Three Acts - "));
        m_player->stop();
        QVERIFY(ui().btnNext->isHidden() && !ui().menuCharter->isEnabled());
        QVERIFY(ui().menuCharter->actions().isEmpty());
    }

    void filesWithoutChaptersHaveNoChapterControls()
    {
        openAndPlayMade(plainVideo());
        QTRY_COMPARE(m_probe->titleInfo, 1);
        QVERIFY(m_probe->waitForTime(0.5f));
        emit ui().menuControls->aboutToShow();
        QVERIFY(ui().menuCharter->actions().isEmpty());
        QVERIFY(!ui().menuCharter->isEnabled());
        QVERIFY(ui().btnNext->isHidden() && ui().btnPrev->isHidden());
        QVERIFY(m_window->controlBar()->btnNext->isHidden());
        QVERIFY(!ui().actionNext_Chapter->isEnabled() && !ui().actionPrevious_Chapter->isEnabled());
    }

    void embeddedCoversAreReadFromTheTag()
    {
        const QImage cover = EmbeddedCover::read(taggedSong());
        QCOMPARE(cover.size(), QSize(64, 64));
        QVERIFY(isColour(cover.pixelColor(10, 32), 255, 0));
        QVERIFY(isColour(cover.pixelColor(50, 32), 0, 255));
        QVERIFY(EmbeddedCover::read(MediaFixture::audioOnly()).isNull());
        QVERIFY(EmbeddedCover::read(plainVideo()).isNull());

        // The front cover wins over a picture before it; another picture stands in for it.
        const QByteArray back = pictureFrame(4, png(Qt::blue));
        const QByteArray front = pictureFrame(3, png(Qt::yellow));
        QCOMPARE(EmbeddedCover::fromTag(tag(back + front)).pixelColor(1, 1), QColor(Qt::yellow));
        QCOMPARE(EmbeddedCover::fromTag(tag(back)).pixelColor(1, 1), QColor(Qt::blue));
        // Damaged or unreadable tags give nothing, and are never read past their end.
        QByteArray cut = tag(front);
        cut.chop(40);
        QVERIFY(EmbeddedCover::fromTag(cut).isNull());
        QVERIFY(EmbeddedCover::fromTag(tag(front, char(0x80))).isNull());
        QVERIFY(EmbeddedCover::fromTag(tag(front, char(0x40))).isNull());
        QVERIFY(EmbeddedCover::fromTag(tag(front).mid(1)).isNull());
    }

    void audioShowsItsCoverAndTitle_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("MP3") << "mp3";
        QTest::newRow("MP4 audio") << "m4a";
    }

    void audioShowsItsCoverAndTitle()
    {
        QFETCH(QString, suffix);
        openAndPlayMade(taggedSong(suffix));
        auto* picture = m_window->findChild<VlcAudioWidget*>();
        QVERIFY(picture);
        QTRY_VERIFY(picture->isVisible());
        const QString expected = "Kestrel Test Song - " + uxProductInfo::instance()->displayName();
        QTRY_COMPARE(m_base->windowTitle(), expected);
        QTRY_VERIFY2(xWindowName(m_base.get()).contains(expected),
                     qPrintable(xWindowName(m_base.get())));
        // The cover fills the middle of the audio area: red left, green right.
        QTRY_VERIFY(!m_player->coverImage().isNull());
        const QPoint centre = picture->rect().center();
        const int quarter = qMin(picture->width(), picture->height()) / 4;
        QTRY_VERIFY2(isColour(screenColour(picture, centre - QPoint(quarter, 0)), 255, 0),
                     qPrintable(screenColour(picture, centre - QPoint(quarter, 0)).name()));
        QTRY_VERIFY2(isColour(screenColour(picture, centre + QPoint(quarter, 0)), 0, 255),
                     qPrintable(screenColour(picture, centre + QPoint(quarter, 0)).name()));

        // Untagged media are named by their file; nothing plays, nothing is named.
        openAndPlayMade(MediaFixture::audioOnly());
        QTRY_COMPARE(m_base->windowTitle(),
                     "tone.mp3 - " + uxProductInfo::instance()->displayName());
        QVERIFY(m_player->coverImage().isNull());
        QVERIFY(!isColour(screenColour(picture, centre - QPoint(quarter, 0)), 255, 0));
        m_player->stop();
        QTRY_COMPARE(m_base->windowTitle(), uxProductInfo::instance()->displayName());
        QTRY_VERIFY(xWindowName(m_base.get()).contains(
            "\"" + uxProductInfo::instance()->displayName() + "\""));
    }
};

KP_TEST_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
