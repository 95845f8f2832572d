// Full screen as a person uses it: real pointer and key input through the X
// server (xdotool), the player window under a window manager, a 1080p clip
// playing, and every check made against what the X server shows: the window's
// geometry, where the video surface sits and under which window, and the
// pixels of the title bar, the controls and the rest of the screen.
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "player/engine/qvlcplayer.h"
#include "player/engine/vlcvideowidget.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/mainwindow.h"
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QProcess>
#include <QRegion>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QToolButton>

namespace {

// Seconds into the clip, two before its end.
const float kNearTheEnd = 28;

// Small enough to encode in seconds and to play at little cost under Xvfb.
QString fullHdClip()
{
    return MediaFixture::ffmpeg(
        QStringLiteral("fullhd.mkv"),
        {"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=10:duration=30", "-f", "lavfi", "-i",
         "sine=frequency=440:duration=30", "-c:v", "libx264", "-preset", "ultrafast", "-b:v",
         "400k", "-pix_fmt", "yuv420p", "-g", "20", "-c:a", "aac", "-b:a", "32k"});
}

// Runs an X tool to its end; none of them waits for this process's windows.
QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        qWarning() << program << arguments << "did not finish";
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void xdotool(const QStringList& arguments)
{
    runTool(QStringLiteral("xdotool"), arguments);
}

void pointerTo(const QPoint& at)
{
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
}

void clickAt(const QPoint& at, int clicks)
{
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "--repeat",
             QString::number(clicks), "--delay", "60", "1"});
}

void key(const QString& name)
{
    xdotool({"key", name});
}

QString hexId(WId id)
{
    return QStringLiteral("0x") + QString::number(quint64(id), 16);
}

// A window as the X server has it.
struct XWindow
{
    QRect geometry;
    bool viewable = false;
};

XWindow xwindow(WId id)
{
    const QString info = runTool(QStringLiteral("xwininfo"), {"-id", hexId(id)});
    const auto number = [&info](const char* label) {
        const QRegularExpression re(QLatin1String(label) + QStringLiteral(":\\s+(-?\\d+)"));
        return re.match(info).captured(1).toInt();
    };
    XWindow window;
    window.geometry = QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"),
                            number("Width"), number("Height"));
    window.viewable = info.contains(QStringLiteral("IsViewable"));
    return window;
}

bool isDescendant(WId window, WId ancestor)
{
    const QString tree = runTool(QStringLiteral("xwininfo"), {"-id", hexId(ancestor), "-tree"});
    return tree.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(hexId(window))));
}

QString describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QImage screenshot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// Share of the pixels of a region that differ visibly between two pictures.
double differingShare(const QImage& a, const QImage& b, const QRegion& region)
{
    qint64 differing = 0;
    qint64 total = 0;
    for (const QRect& rect : region) {
        const QRect r = rect.intersected(a.rect()).intersected(b.rect());
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = r.left(); x <= r.right(); ++x) {
                const int d = qAbs(qRed(pa[x]) - qRed(pb[x])) + qAbs(qGreen(pa[x]) - qGreen(pb[x]))
                              + qAbs(qBlue(pa[x]) - qBlue(pb[x]));
                differing += d > 60;
            }
            total += r.width();
        }
    }
    return total ? double(differing) / double(total) : 0.0;
}

// How the window looks from outside: the strips around the picture.
struct Strips
{
    QRect window;
    QRect video;
    QRegion title() const { return QRect(window.left(), window.top(), window.width(), video.top() - window.top()); }
    QRegion controls() const
    {
        return QRect(window.left(), video.bottom() + 1, window.width(),
                     window.bottom() - video.bottom());
    }
    QRegion outside(const QRect& screen) const { return QRegion(screen) - QRegion(window); }
};

// Time labels and the seek handle move while a clip plays; a stray or stale
// picture covers far more than this.
const double kTolerance = 0.04;

enum class Way { Key, DoubleClick, Escape, RestoreButton, EndOfMedia };

QString wayName(Way way)
{
    switch (way) {
    case Way::Key: return QStringLiteral("F");
    case Way::DoubleClick: return QStringLiteral("double click");
    case Way::Escape: return QStringLiteral("Escape");
    case Way::RestoreButton: return QStringLiteral("restore button");
    case Way::EndOfMedia: return QStringLiteral("end of media");
    }
    return QString();
}

} // namespace

class TestFullScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyWayOutRestoresTheWindow();

private:
    const MainWindowForm& ui() const { return m_window->ui(); }
    QRect screenRect() const { return m_base->screen()->geometry(); }
    QRect videoFrame() const;
    QPoint pictureCentre() const { return videoFrame().center(); }
    void play();
    void enter(Way way);
    void leave(Way way);
    bool waitForFullScreen(QString* state);
    bool waitForWindow(const Strips& before, QString* state);
    bool waitForPixels(const QImage& reference, const QImage& idleReference, const Strips& strips,
                       bool idle, QString* state);
    QImage settledShot();

    std::unique_ptr<MainWindowBase> m_base;
    MainWindow* m_window = nullptr;
    QVlcPlayer* m_player = nullptr;
    std::unique_ptr<PlayerProbe> m_probe;
    QString m_clip;
    int m_cycle = 0;
};

void TestFullScreen::initTestCase()
{
    m_clip = fullHdClip();
    QVERIFY(!m_clip.isEmpty());
    FrameworkFixture::loadProduct();
    uxSrcMgr::instance()->setCurrentSkin("Dark");
    QSettings().clear();
    m_base = std::make_unique<MainWindowBase>();
    m_base->setGeometry(180, 110, 900, 600);
    m_base->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_base.get()));
    m_base->activateWindow();
    QTRY_VERIFY(m_base->isActiveWindow());
    m_window = m_base->playerWindow();
    m_player = m_window->getVlcPlayer();
    m_probe = std::make_unique<PlayerProbe>(m_player);
}

void TestFullScreen::cleanupTestCase()
{
    if (m_base)
        m_base->close();
    m_probe.reset();
    m_base.reset();
}

QRect TestFullScreen::videoFrame() const
{
    QWidget* video = ui().videoWidget;
    return QRect(video->mapToGlobal(QPoint(0, 0)), video->size());
}

// Plays the clip from its start and waits until libVLC draws into a surface
// that sits on the video frame.
void TestFullScreen::play()
{
    m_probe->clear();
    m_window->openFileByName(m_clip);
    QVERIFY2(m_probe->waitForState(QVlcPlayer::Started), qPrintable(m_probe->order.join(' ')));
    QTRY_VERIFY_WITH_TIMEOUT(m_probe->vouts > 0, 20000);
    QTRY_VERIFY(ui().videoWidget->surfaceHandle() != 0);
    QTRY_COMPARE_WITH_TIMEOUT(xwindow(ui().videoWidget->surfaceHandle()).geometry, videoFrame(),
                              20000);
}

void TestFullScreen::enter(Way way)
{
    if (way == Way::Key) {
        // A click on the picture first, as people do before pressing the key.
        clickAt(pictureCentre(), 1);
        key(QStringLiteral("f"));
    } else {
        clickAt(pictureCentre(), 2);
    }
}

void TestFullScreen::leave(Way way)
{
    const QPoint centre = screenRect().center();
    switch (way) {
    case Way::Key:
        key(QStringLiteral("f"));
        break;
    case Way::Escape:
        key(QStringLiteral("Escape"));
        break;
    case Way::DoubleClick:
        clickAt(centre, 2);
        break;
    case Way::RestoreButton: {
        pointerTo(QPoint(centre.x(), screenRect().bottom() - 1));
        FormControlPanel* bar = m_window->controlBar();
        QTRY_VERIFY(bar->isVisible());
        QTRY_VERIFY(xwindow(bar->winId()).viewable);
        QToolButton* restore = bar->btnRestore;
        QVERIFY(restore->isVisible());
        clickAt(restore->mapToGlobal(restore->rect().center()), 1);
        break;
    }
    case Way::EndOfMedia:
        m_player->seek(kNearTheEnd);
        QVERIFY(m_probe->waitForIdle(30000));
        break;
    }
}

bool TestFullScreen::waitForFullScreen(QString* state)
{
    const QRect screen = screenRect();
    const bool ok = QTest::qWaitFor(
        [&] {
            const XWindow top = xwindow(m_base->winId());
            const XWindow surface = xwindow(ui().videoWidget->surfaceHandle());
            *state = QStringLiteral("window %1, surface %2")
                         .arg(describe(top.geometry), describe(surface.geometry));
            return surface.geometry == screen && surface.viewable;
        },
        20000);
    return ok;
}

// The window is back where it was, and the surface (while one exists) sits
// exactly on the video frame inside it.
bool TestFullScreen::waitForWindow(const Strips& before, QString* state)
{
    return QTest::qWaitFor(
        [&] {
            const XWindow top = xwindow(m_base->winId());
            *state = QStringLiteral("window %1 (was %2)%3%4")
                         .arg(describe(top.geometry), describe(before.window),
                              m_base->isFullScreen() ? QStringLiteral(", full screen") : QString(),
                              m_window->isFullScreen() ? QStringLiteral(", picture full screen")
                                                       : QString());
            if (m_base->isFullScreen() || m_window->isFullScreen() || top.geometry != before.window)
                return false;
            const WId surfaceId = ui().videoWidget->surfaceHandle();
            const XWindow surface = surfaceId ? xwindow(surfaceId) : XWindow();
            *state += QStringLiteral(", surface %1%2 (video frame %3%4)")
                          .arg(describe(surface.geometry),
                               surface.viewable ? QString() : QStringLiteral(" unmapped"),
                               describe(videoFrame()),
                               ui().videoWidget->isVisible() ? QString()
                                                             : QStringLiteral(" hidden"));
            // At the end of a media the start page replaces the picture.
            if (!ui().videoWidget->isVisible())
                return !surface.viewable;
            return videoFrame() == before.video && surface.geometry == before.video
                   && surface.viewable && isDescendant(surfaceId, m_base->winId());
        },
        20000);
}

// A screenshot once two in a row agree on the window's strips, so a
// half-painted window is never taken as the reference.
QImage TestFullScreen::settledShot()
{
    const Strips strips{xwindow(m_base->winId()).geometry, videoFrame()};
    QImage shot = screenshot();
    const bool settled = QTest::qWaitFor(
        [&] {
            QTest::qWait(200);
            const QImage next = screenshot();
            const bool same = differingShare(shot, next, strips.title()) < 0.01
                              && differingShare(shot, next, strips.controls()) < 0.01;
            shot = next;
            return same;
        },
        10000);
    if (!settled)
        qWarning("the window kept changing; taking its last picture as the reference");
    return shot;
}

bool TestFullScreen::waitForPixels(const QImage& reference, const QImage& idleReference,
                                   const Strips& strips, bool idle, QString* state)
{
    const QImage& inside = idle ? idleReference : reference;
    QImage shot;
    const bool ok = QTest::qWaitFor(
        [&] {
            shot = screenshot();
            const double title = differingShare(inside, shot, strips.title());
            const double controls = differingShare(inside, shot, strips.controls());
            const double outside = differingShare(reference, shot, strips.outside(screenRect()));
            *state = QStringLiteral("differing: title %1, controls %2, outside %3")
                         .arg(title)
                         .arg(controls)
                         .arg(outside);
            return title < kTolerance && controls < kTolerance && outside < kTolerance;
        },
        10000);
    if (!ok) {
        const QString stem = MediaFixture::mediaDir() + QStringLiteral("/fullscreen-cycle%1").arg(m_cycle);
        inside.save(stem + QStringLiteral("-before.png"));
        shot.save(stem + QStringLiteral("-after.png"));
        *state += QStringLiteral(" (pictures in %1-*.png)").arg(stem);
    }
    return ok;
}

void TestFullScreen::everyWayOutRestoresTheWindow()
{
    // How the window looks at the end of a clip that never went full screen.
    play();
    pointerTo(pictureCentre());
    m_player->seek(kNearTheEnd);
    QVERIFY(m_probe->waitForIdle(30000));
    const QImage idleReference = settledShot();

    const Way ways[] = {Way::Escape, Way::DoubleClick, Way::RestoreButton, Way::Key,
                        Way::EndOfMedia};
    for (m_cycle = 0; m_cycle < 30; ++m_cycle) {
        if (m_player->state() == QVlcPlayer::Idle)
            play();
        const Way in = m_cycle % 2 ? Way::DoubleClick : Way::Key;
        const Way out = ways[m_cycle % 5];
        const QString cycle = QStringLiteral("cycle %1: in by %2, out by %3")
                                  .arg(m_cycle)
                                  .arg(wayName(in), wayName(out));
        pointerTo(pictureCentre());
        const Strips before{xwindow(m_base->winId()).geometry, videoFrame()};
        QCOMPARE(before.window, m_base->geometry());
        const QImage reference = settledShot();

        QString state;
        enter(in);
        QVERIFY2(waitForFullScreen(&state), qPrintable(cycle + ": " + state));
        QVERIFY(m_window->isFullScreen());

        leave(out);
        QVERIFY2(waitForWindow(before, &state), qPrintable(cycle + ": " + state));
        // Nothing of full screen is left: no floating bar, no hidden pointer.
        QVERIFY2(!m_window->controlBar()->isVisible(), qPrintable(cycle));
        QVERIFY2(!xwindow(m_window->controlBar()->winId()).viewable, qPrintable(cycle));
        QVERIFY2(!QApplication::overrideCursor(), qPrintable(cycle));
        pointerTo(pictureCentre());
        QVERIFY2(waitForPixels(reference, idleReference, before, out == Way::EndOfMedia, &state),
                 qPrintable(cycle + ": " + state));
    }
}

KP_TEST_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
