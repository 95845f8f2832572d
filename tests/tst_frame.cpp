// The frameless window frame: margins, hit test, live moves and resizes with
// their clamps, the cursor, the window shape and the background surface.
#include "framework/ui/uxbackgroundwidget.h"
#include "framework/ui/uxwidgetframe.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QDir>
#include <QScreen>

using FrameworkFixture::sendMouse;

namespace {

const Qt::WindowFlags Resizable = Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                  Qt::WindowCloseButtonHint;

// A frameless window served by a frame, shown at a known place.
struct Served
{
    explicit Served(Qt::WindowFlags flags = Resizable) : window(nullptr, flags)
    {
        frame = new uxWidgetFrame(&window);
        frame->attachTo(&window, false);
        window.setGeometry(200, 150, 400, 300);
    }
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
    // Presses at local, then moves and releases by delta in global terms.
    void drag(const QPoint& local, const QPoint& delta, bool release = true)
    {
        const QPoint global = window.mapToGlobal(local);
        sendMouse(&window, QEvent::MouseButtonPress, local, global);
        sendMouse(&window, QEvent::MouseMove, local + delta, global + delta);
        if (release)
            sendMouse(&window, QEvent::MouseButtonRelease, local + delta, global + delta);
    }
    QWidget window;
    uxWidgetFrame* frame;
};

} // namespace

class TestFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void marginTexts()
    {
        uxWidgetFrame frame;
        QCOMPARE(frame.frameResizeMargin(), QString("2,2,2,2"));
        QCOMPARE(frame.maskMargin(), QString("0,-1,-1,0"));
        frame.setProperty("frameResizeMargin", "4,4,4"); // three parts: ignored
        QCOMPARE(frame.frameResizeMargin(), QString("2,2,2,2"));
        frame.setProperty("frameResizeMargin", "4,,4,4");
        QCOMPARE(frame.frameResizeMargin(), QString("4,0,4,4"));
        frame.setProperty("frameResizeMargin", "x,7,y,9"); // non-numbers count as 0
        QCOMPARE(frame.frameResizeMargin(), QString("0,7,0,9"));
        frame.setProperty("frameResizeMargin", "");
        frame.setProperty("frameResizeMargin", "1,2,3,4,5");
        QCOMPARE(frame.frameResizeMargin(), QString("0,7,0,9"));
        frame.setProperty("maskMargin", "8,6,4,2");
        QCOMPARE(frame.property("maskMargin").toString(), QString("8,6,4,2"));
    }

    void attachOnce()
    {
        QWidget window;
        uxWidgetFrame frame(&window);
        QVERIFY(!frame.attachTo(nullptr, false));
        QVERIFY(!frame.titleBar());
        QVERIFY(frame.attachTo(&window, false));
        QVERIFY(window.hasMouseTracking());
        QCOMPARE(frame.titleBar()->parentWidget(), &window);
        QCOMPARE(frame.titleBar()->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QVERIFY(!frame.attachTo(&window, true));
        QCOMPARE(frame.titleBar()->metaObject()->className(), "uxWinTitleBar");
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("moveOnly");
        QTest::newRow("top-left corner inside") << QPoint(2, 2) << 3 << 15;
        QTest::newRow("left edge") << QPoint(0, 150) << 1 << 15;
        QTest::newRow("just outside left") << QPoint(-2, 150) << 1 << 0;
        QTest::newRow("far outside") << QPoint(-5, 150) << 0 << 0;
        QTest::newRow("top") << QPoint(200, 0) << 2 << 15;
        QTest::newRow("top-right") << QPoint(399, 1) << 6 << 15;
        QTest::newRow("right") << QPoint(398, 150) << 4 << 15;
        QTest::newRow("bottom-right") << QPoint(399, 299) << 12 << 15;
        QTest::newRow("bottom") << QPoint(200, 297) << 8 << 15;
        QTest::newRow("bottom-left") << QPoint(1, 298) << 9 << 15;
        QTest::newRow("inside band") << QPoint(3, 150) << 15 << 15;
        QTest::newRow("centre") << QPoint(200, 150) << 15 << 15;
    }

    // Edges resize only a resizable window; anything else just moves it.
    void hitTest()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, mode);
        QFETCH(int, moveOnly);
        Served resizable;
        QCOMPARE(resizable.frame->hitTest(pos), mode);
        Served noMaximize(Qt::Window | Qt::FramelessWindowHint | Qt::WindowCloseButtonHint);
        QCOMPARE(noMaximize.frame->hitTest(pos), moveOnly);
        Served fixed;
        fixed.window.setFixedSize(400, 300);
        QCOMPARE(fixed.frame->hitTest(pos), moveOnly);
        Served switchedOff;
        switchedOff.frame->setResizeWidgetFrame(false);
        QCOMPARE(switchedOff.frame->hitTest(pos), moveOnly);
        uxWidgetFrame unattached;
        QCOMPARE(unattached.hitTest(pos), 0);
    }

    void drags_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("expected"); // relative to the geometry at the press
        QTest::newRow("move") << QPoint(200, 150) << QPoint(30, -20) << QRect(30, -20, 400, 300);
        QTest::newRow("right") << QPoint(399, 150) << QPoint(50, 9) << QRect(0, 0, 450, 300);
        QTest::newRow("bottom") << QPoint(200, 299) << QPoint(5, -40) << QRect(0, 0, 400, 260);
        QTest::newRow("bottom-right")
            << QPoint(399, 299) << QPoint(10, 20) << QRect(0, 0, 410, 320);
        QTest::newRow("left") << QPoint(0, 150) << QPoint(-30, 0) << QRect(-30, 0, 430, 300);
        QTest::newRow("top") << QPoint(200, 0) << QPoint(0, 25) << QRect(0, 25, 400, 275);
        QTest::newRow("top-right") << QPoint(399, 0) << QPoint(10, 10) << QRect(0, 10, 410, 290);
        QTest::newRow("bottom-left") << QPoint(0, 299) << QPoint(10, 10) << QRect(10, 0, 390, 310);
        // Minimum size 300 x 200: the opposite edge stays where it was.
        QTest::newRow("left past minimum")
            << QPoint(0, 150) << QPoint(250, 0) << QRect(100, 0, 300, 300);
        QTest::newRow("top past minimum")
            << QPoint(200, 0) << QPoint(0, 280) << QRect(0, 100, 400, 200);
        QTest::newRow("top-left past minimum")
            << QPoint(0, 0) << QPoint(150, 150) << QRect(100, 100, 300, 200);
        QTest::newRow("bottom-left past minimum")
            << QPoint(0, 299) << QPoint(120, 5) << QRect(100, 0, 300, 305);
        // Maximum size 500 x 420.
        QTest::newRow("left past maximum")
            << QPoint(0, 150) << QPoint(-150, 0) << QRect(-100, 0, 500, 300);
        QTest::newRow("top-right past maximum")
            << QPoint(399, 0) << QPoint(0, -150) << QRect(0, -120, 400, 420);
    }

    void drags()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, delta);
        QFETCH(QRect, expected);
        Served s;
        s.window.setMinimumSize(300, 200);
        s.window.setMaximumSize(500, 420);
        QVERIFY(s.show());
        const QRect before = s.window.geometry();
        s.drag(press, delta, false);
        QVERIFY(s.frame->dragMode() != 0);
        QCOMPARE(s.window.geometry(), expected.translated(before.topLeft()));
        sendMouse(&s.window, QEvent::MouseButtonRelease, press + delta,
                  before.topLeft() + press + delta);
        QCOMPARE(s.frame->dragMode(), 0);
        QCOMPARE(s.window.geometry(), expected.translated(before.topLeft()));
        QCOMPARE(s.window.cursor().shape(), Qt::ArrowCursor); // back to the normal cursor
    }

    void cursorFollowsTheMode()
    {
        Served s;
        QVERIFY(s.show());
        const QPoint edge(399, 150);
        sendMouse(&s.window, QEvent::MouseButtonPress, edge, s.window.mapToGlobal(edge));
        QCOMPARE(s.window.cursor().shape(), Qt::SizeHorCursor);
        sendMouse(&s.window, QEvent::MouseButtonRelease, edge, s.window.mapToGlobal(edge));
        QCursor::setPos(s.window.mapToGlobal(QPoint(0, 0)));
        s.frame->detectAndSetMouseDragmode();
        QCOMPARE(s.window.cursor().shape(), Qt::SizeFDiagCursor);
        QCursor::setPos(s.window.mapToGlobal(QPoint(399, 0)));
        s.frame->detectAndSetMouseDragmode();
        QCOMPARE(s.window.cursor().shape(), Qt::SizeBDiagCursor);
        QCursor::setPos(s.window.mapToGlobal(QPoint(200, 150)));
        s.frame->detectAndSetMouseDragmode();
        QCOMPARE(s.window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(uxWidgetFrame::cursorShape(8), Qt::SizeVerCursor);
        QCOMPARE(uxWidgetFrame::cursorShape(9), Qt::SizeBDiagCursor);
    }

    void maximizedWindowStaysPut()
    {
        Served s;
        QVERIFY(s.show());
        s.window.showMaximized();
        QTRY_VERIFY(s.window.isMaximized());
        QTRY_VERIFY(s.window.width() > 400);
        const QRect maximized = s.window.geometry();
        s.drag(QPoint(200, 150), QPoint(40, 40));
        s.drag(QPoint(maximized.width() - 1, 150), QPoint(-40, 0));
        QCOMPARE(s.window.geometry(), maximized);
        QCOMPARE(s.frame->dragMode(), 0);
        QCursor::setPos(s.window.mapToGlobal(QPoint(maximized.width() - 1, 150)));
        s.frame->detectAndSetMouseDragmode();
        QCOMPARE(s.window.cursor().shape(), Qt::ArrowCursor);
    }

    // A resize may not take the cursor out of the work area; a move may leave
    // the screen entirely.
    void cursorStaysInWorkAreaWhileResizing()
    {
        Served s;
        QVERIFY(s.show());
        const QRect area = s.window.screen()->availableGeometry();
        const QRect before = s.window.geometry();
        const QPoint edge(399, 150);
        const QPoint global = s.window.mapToGlobal(edge);
        sendMouse(&s.window, QEvent::MouseButtonPress, edge, global);
        const QPoint outside(area.right() + 300, global.y());
        sendMouse(&s.window, QEvent::MouseMove, edge, outside);
        QCOMPARE(QCursor::pos(), QPoint(area.right(), global.y()));
        QCOMPARE(s.window.width(), 400 + area.right() - global.x());
        sendMouse(&s.window, QEvent::MouseButtonRelease, edge, QCursor::pos());

        s.window.setGeometry(before);
        QCursor::setPos(area.center());
        const QPoint middle(200, 150);
        const QPoint start = s.window.mapToGlobal(middle);
        sendMouse(&s.window, QEvent::MouseButtonPress, middle, start);
        const QPoint offScreen(area.right() + 500, start.y());
        sendMouse(&s.window, QEvent::MouseMove, middle, offScreen);
        QCOMPARE(QCursor::pos(), area.center());
        QCOMPARE(s.window.x(), before.x() + offScreen.x() - start.x());
        sendMouse(&s.window, QEvent::MouseButtonRelease, middle, offScreen);
    }

    void maskFromImage()
    {
        const QString path = QDir::tempPath() + "/mask.png";
        FrameworkFixture::writePng(path, QSize(20, 20), Qt::black, 4);
        Served s;
        s.frame->setProperty("maskImage", path);
        s.frame->setProperty("maskMargin", "4,4,4,4");
        QPixmap target(100, 80);
        QVERIFY(s.frame->renderMask(target, target.size()));
        const QImage shape = target.toImage();
        QCOMPARE(qAlpha(shape.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(shape.pixel(99, 79)), 0);
        QCOMPARE(qAlpha(shape.pixel(50, 40)), 255);
        QCOMPARE(qAlpha(shape.pixel(50, 0)), 255); // the top edge stretches
        QCOMPARE(qAlpha(shape.pixel(96, 2)), 0);   // corners keep their size

        uxWidgetFrame::updateWindowMask(&s.window, s.frame);
        QVERIFY(s.window.mask().contains(QPoint(200, 150)));
        QVERIFY(!s.window.mask().contains(QPoint(0, 0)));
        QVERIFY(s.window.mask().contains(QPoint(399, 150)));

        s.frame->setProperty("maskImage", QString()); // empty: ignored
        QCOMPARE(s.frame->maskImage(), path);
    }

    void brokenMaskKeepsTheShape()
    {
        Served s;
        const QRegion shape(0, 0, 100, 100);
        s.window.setMask(shape);
        s.frame->setProperty("maskImage", "/no/such/mask.png");
        QPixmap target(50, 50);
        target.fill(Qt::red);
        QVERIFY(!s.frame->renderMask(target, target.size()));
        QCOMPARE(qAlpha(target.toImage().pixel(10, 10)), 0);
        uxWidgetFrame::updateWindowMask(&s.window, s.frame);
        QCOMPARE(s.window.mask(), shape);
        uxWidgetFrame unloaded;
        QVERIFY(!unloaded.renderMask(target, target.size()));

        // Slices that leave no middle to stretch would cut holes into the window.
        const QString tight = QDir::tempPath() + "/tight.png";
        FrameworkFixture::writePng(tight, QSize(16, 16), Qt::black, 4);
        s.frame->setProperty("maskImage", tight);
        s.frame->setProperty("maskMargin", "8,8,8,8");
        QVERIFY(!s.frame->renderMask(target, target.size()));
        uxWidgetFrame::updateWindowMask(&s.window, s.frame);
        QCOMPARE(s.window.mask(), shape);
    }

    void backgroundCoversItsParent()
    {
        QWidget parent;
        parent.resize(200, 100);
        auto* sibling = new QWidget(&parent);
        auto* background = new uxBackgroundWidget(&parent);
        QCOMPARE(background->objectName(), QString("uxBackgroundFrame"));
        QCOMPARE(background->geometry(), QRect(0, 0, 200, 100));
        sibling->raise();
        parent.resize(320, 240);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCOMPARE(background->geometry(), QRect(0, 0, 320, 240));
        QCOMPARE(parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first(),
                 static_cast<QWidget*>(background));
        background->updateOnParentSize(QRect(5, 5, 10, 10));
        QCOMPARE(background->geometry(), QRect(5, 5, 10, 10));
    }
};

KP_TEST_MAIN(TestFrame)
#include "tst_frame.moc"
