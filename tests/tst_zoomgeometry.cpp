// Where the zoom presets put the window: sizes around the picture, truncated
// halves, the work area as the bound, and the corner that stays.
#include "player/ui/zoomgeometry.h"

#include <QtTest>

namespace {

enum Preset { Half, Normal, Double, Fit };

QRect apply(const ZoomGeometry& zoom, int preset)
{
    switch (preset) {
    case Half: return zoom.halfSize();
    case Normal: return zoom.normalSize();
    case Double: return zoom.doubleSize();
    default: return zoom.fitToScreen();
    }
}

} // namespace

class TestZoomGeometry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void presets_data();
    void presets();
};

void TestZoomGeometry::presets_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QSize>("chrome");
    QTest::addColumn<QSize>("video");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("expected");

    const QRect work(0, 0, 1600, 870); // a screen of 1600 x 900 with a panel below
    const QRect at(100, 80, 640, 420);
    const QSize chrome(0, 60);
    const QSize none(0, 0);

    QTest::newRow("half of 1080p") << int(Half) << chrome << QSize(1920, 1080) << work << at << at
                                   << none << QRect(100, 80, 960, 600);
    QTest::newRow("half truncates odd sizes")
        << int(Half) << QSize(0, 0) << QSize(1919, 1079) << work << at << at << none
        << QRect(100, 80, 959, 539);
    QTest::newRow("half keeps the least window size")
        << int(Half) << chrome << QSize(320, 180) << work << at << at << QSize(400, 300)
        << QRect(100, 80, 400, 300);
    QTest::newRow("half of a 4K picture stays on the work area")
        << int(Half) << chrome << QSize(3840, 2160) << work << at << at << none
        << QRect(0, 0, 1600, 870);
    QTest::newRow("normal size") << int(Normal) << chrome << QSize(640, 360) << work << at << at
                                 << none << QRect(100, 80, 640, 420);
    QTest::newRow("normal size of 1080p is bounded by the work area")
        << int(Normal) << chrome << QSize(1920, 1080) << work << at << at << none
        << QRect(0, 0, 1600, 870);
    QTest::newRow("normal size moves back inside the work area")
        << int(Normal) << chrome << QSize(1280, 800) << work << at << at << none
        << QRect(100, 10, 1280, 860);
    QTest::newRow("double size keeps the frame's corner")
        << int(Double) << chrome << QSize(320, 180) << work << at << QRect(98, 50, 644, 452)
        << none << QRect(98, 50, 640, 420);
    QTest::newRow("double size of an odd picture")
        << int(Double) << QSize(0, 0) << QSize(321, 181) << work << at << at << none
        << QRect(100, 80, 642, 362);
    QTest::newRow("double size of 1080p fills the work area")
        << int(Double) << chrome << QSize(1920, 1080) << work << at << at << none
        << QRect(0, 0, 1600, 870);
    QTest::newRow("work area beside a left panel")
        << int(Normal) << chrome << QSize(1920, 1080) << QRect(64, 0, 1536, 900) << at << at
        << none << QRect(64, 0, 1536, 900);
    QTest::newRow("fit to screen, frameless") << int(Fit) << chrome << QSize(640, 360) << work
                                              << at << at << none << work;
    QTest::newRow("fit to screen keeps the frame's top on the screen")
        << int(Fit) << chrome << QSize(640, 360) << work << at << QRect(96, 52, 648, 452) << none
        << QRect(0, 28, 1600, 842);
}

void TestZoomGeometry::presets()
{
    QFETCH(int, preset);
    QFETCH(QSize, chrome);
    QFETCH(QSize, video);
    QFETCH(QRect, available);
    QFETCH(QRect, geometry);
    QFETCH(QRect, frame);
    QFETCH(QSize, minimum);
    QFETCH(QRect, expected);
    QCOMPARE(apply(ZoomGeometry(chrome, video, available, geometry, frame, minimum), preset),
             expected);
}

QTEST_APPLESS_MAIN(TestZoomGeometry)
#include "tst_zoomgeometry.moc"
