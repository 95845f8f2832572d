#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "player/engine/vlcaudiowidget.h"
#include "player/engine/vlcvideowidget.h"
#include "testenvironment.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QVBoxLayout>
#include <QtTest>

// The video and audio surfaces on a real display under a window manager, with
// libVLC drawing into the video surface.
class TestSurfaces : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void replayDrawsIntoANewSurfaceOnly();
    void fullScreenKeepsTheSurfaceInItsWindow();
    void inputBecomesSignals();
    void audioPictureFitsAndInputBecomesSignals();
    void mouseHidesOnlyInFullScreenWhenEnabled();

private:
    void moveMouse();

    QWidget* m_window = nullptr;
    VlcVideoWidget* m_video = nullptr;
    QVlcPlayer* m_player = nullptr;
    PlayerProbe* m_probe = nullptr;
};

// The names of every window on the display.
static QString windowTree()
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    xwininfo.waitForFinished(10000);
    return QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
}

void TestSurfaces::init()
{
    m_window = new QWidget;
    m_window->resize(480, 300);
    auto* layout = new QVBoxLayout(m_window);
    m_video = new VlcVideoWidget(m_window);
    layout->addWidget(m_video);
    m_player = new QVlcPlayer;
    m_player->setVideoWidget(m_video);
    m_probe = new PlayerProbe(m_player);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestSurfaces::cleanup()
{
    QApplication::restoreOverrideCursor();
    delete m_player;
    delete m_window;
}

void TestSurfaces::replayDrawsIntoANewSurfaceOnly()
{
    const QString movie = MediaFixture::movie();
    QVERIFY(!movie.isEmpty());
    m_player->openFile(movie);
    QVERIFY2(m_probe->waitForState(QVlcPlayer::Started), qPrintable(m_probe->order.join(' ')));
    QTRY_VERIFY_WITH_TIMEOUT(m_probe->vouts > 0, 10000);
    const WId first = m_video->surfaceHandle();
    QVERIFY(first != 0);
    // A second request keeps the surface libVLC already draws into.
    QCOMPARE(m_video->videoSurfaceHandle(), WId(0));
    QCOMPARE(m_video->surfaceHandle(), first);

    m_player->stop();
    QCOMPARE(m_video->surfaceHandle(), WId(0));
    m_probe->clear();
    m_player->play();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Playing));
    QTRY_VERIFY_WITH_TIMEOUT(m_probe->vouts > 0, 10000);
    const WId second = m_video->surfaceHandle();
    QVERIFY(second != 0 && second != first);
    // libVLC opens a window of its own when it has no valid one to draw into.
    QVERIFY2(!windowTree().contains(QStringLiteral("VLC"), Qt::CaseInsensitive),
             qPrintable(windowTree()));
}

// The picture fills the screen inside its own window: what lies beside it is
// hidden, the native surface stays where libVLC draws, and the window comes
// back with its geometry and with what was shown before.
void TestSurfaces::fullScreenKeepsTheSurfaceInItsWindow()
{
    auto* strip = new QWidget(m_window);
    strip->setFixedHeight(40);
    m_window->layout()->addWidget(strip);
    auto* hiddenStrip = new QWidget(m_window);
    m_window->layout()->addWidget(hiddenStrip);
    hiddenStrip->hide();
    strip->show();
    m_window->move(120, 90);
    QTRY_COMPARE(m_window->pos(), QPoint(120, 90));
    const QRect normal = m_window->geometry();
    const WId surface = m_video->videoSurfaceHandle();
    QVERIFY(surface != 0);

    m_video->toggleFullscreen();
    QVERIFY(m_video->isShownFullScreen());
    const QRect screen = m_window->screen()->geometry();
    QTRY_COMPARE(m_window->geometry(), screen);
    QTRY_COMPARE(QRect(m_video->mapToGlobal(QPoint(0, 0)), m_video->size()), screen);
    QVERIFY(strip->isHidden());
    QVERIFY(!m_video->isWindow());
    QCOMPARE(m_video->surfaceHandle(), surface);

    m_video->toggleFullscreen();
    QVERIFY(!m_video->isShownFullScreen());
    QTRY_COMPARE(m_window->geometry(), normal);
    QVERIFY(!m_window->isFullScreen());
    QVERIFY(!strip->isHidden());
    QVERIFY(hiddenStrip->isHidden());
    QCOMPARE(m_video->parentWidget(), m_window);
    QCOMPARE(m_video->surfaceHandle(), surface);
}

void TestSurfaces::inputBecomesSignals()
{
    QSignalSpy fullscreen(m_video, &VlcVideoWidget::fullscreen);
    QSignalSpy playerFullscreen(m_player, &QVlcPlayer::toggleFullscreen);
    QSignalSpy rightClick(m_video, &VlcVideoWidget::rightClick);
    QSignalSpy menu(m_player, &QVlcPlayer::popupContextMenu);
    QSignalSpy wheel(m_video, &VlcVideoWidget::wheel);

    QTest::mouseDClick(m_video, Qt::LeftButton);
    QCOMPARE(fullscreen.count(), 1);
    QCOMPARE(playerFullscreen.count(), 1);

    const QPoint at(20, 30);
    QTest::mouseClick(m_video, Qt::RightButton, Qt::NoModifier, at);
    QCOMPARE(rightClick.count(), 1);
    QCOMPARE(rightClick.first().first().toPoint(), m_video->mapToGlobal(at));
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.first().first().toBool(), true);
    QTest::mouseClick(m_video, Qt::LeftButton);
    QCOMPARE(rightClick.count(), 1);

    for (int delta : {120, -120, 0}) {
        QWheelEvent event(QPointF(10, 10), m_video->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_video, &event);
    }
    QCOMPARE(wheel.count(), 3);
    QCOMPARE(wheel.at(0).first().toBool(), true);
    QCOMPARE(wheel.at(1).first().toBool(), false);
    QCOMPARE(wheel.at(2).first().toBool(), false);
}

void TestSurfaces::audioPictureFitsAndInputBecomesSignals()
{
    const QRect area(0, 0, 400, 300);
    // Wider than the area: fitted to its width, centred vertically.
    QCOMPARE(VlcAudioWidget::fitPicture(QSize(800, 200), area), QRect(0, 100, 400, 100));
    // Taller: fitted to its height, centred horizontally.
    QCOMPARE(VlcAudioWidget::fitPicture(QSize(100, 600), area), QRect(175, 0, 50, 300));
    QCOMPARE(VlcAudioWidget::fitPicture(QSize(), area), QRect());

    VlcAudioWidget audio(m_window);
    m_window->layout()->addWidget(&audio);
    audio.show();
    QSignalSpy fullscreen(&audio, &VlcAudioWidget::fullscreen);
    QSignalSpy menu(&audio, &VlcAudioWidget::popupContextMenu);
    QTest::mouseDClick(&audio, Qt::LeftButton);
    QTest::mouseClick(&audio, Qt::RightButton);
    QTest::mouseClick(&audio, Qt::LeftButton);
    QCOMPARE(fullscreen.count(), 1);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu.first().first().toBool(), true);
    // Black around the picture, and black everywhere without it.
    audio.setShowPicture(false);
    const QImage plain = audio.grab().toImage();
    QCOMPARE(plain.pixelColor(plain.width() / 2, plain.height() / 2), QColor(Qt::black));
}

void TestSurfaces::moveMouse()
{
    const QPointF at(40, 40);
    QMouseEvent move(QEvent::MouseMove, at, m_video->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(m_video, &move);
}

void TestSurfaces::mouseHidesOnlyInFullScreenWhenEnabled()
{
    QSignalSpy shown(m_video, &VlcVideoWidget::mouseShow);
    QSignalSpy hidden(m_video, &VlcVideoWidget::mouseHide);
    m_video->enableMouseHide();
    moveMouse(); // not in full screen: nothing
    QCOMPARE(shown.count(), 0);

    m_video->toggleFullscreen();
    QTRY_VERIFY(m_video->isShownFullScreen());
    moveMouse();
    QCOMPARE(shown.count(), 1);
    QTRY_COMPARE(hidden.count(), 1);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
    moveMouse(); // the pointer comes back at once
    QVERIFY(!QApplication::overrideCursor());
    QTRY_COMPARE(hidden.count(), 2);

    m_video->disableMouseHide();
    QApplication::restoreOverrideCursor();
    moveMouse();
    QCOMPARE(shown.count(), 3);
    QTest::qWait(1500);
    QCOMPARE(hidden.count(), 2);
    QVERIFY(!QApplication::overrideCursor());
    m_video->toggleFullscreen();
    QTRY_VERIFY(!m_video->isShownFullScreen());
}

KP_TEST_MAIN(TestSurfaces)
#include "tst_surfaces.moc"
