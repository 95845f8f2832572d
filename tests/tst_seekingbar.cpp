// The seek and volume slider: where values sit on its groove, clicks that
// jump, the skin's texts and the highlighted range it paints.
#include "testenvironment.h"
#include "widgets/kpplayseekingbar.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStyleOptionSlider>

namespace {

QRect handleRect(KpPlaySeekingBar& bar)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.upsideDown = bar.invertedAppearance();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &bar);
}

int columnsWithColour(const QImage& image, const QColor& colour, int from, int to)
{
    int count = 0;
    for (int x = from; x <= to; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == colour) {
                ++count;
                break;
            }
        }
    }
    return count;
}

} // namespace

class TestSeekingBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void skinTexts()
    {
        KpPlaySeekingBar bar;
        QCOMPARE(bar.trimRangeMargin(), QString("0,-1,-1,0"));
        bar.setProperty("trimRangeMargin", "1,2,3,4");
        QCOMPARE(bar.property("trimRangeMargin").toString(), QString("1,2,3,4"));
        for (const char* ignored : {"5,6", "1,2,3,4,5", ""}) {
            bar.setProperty("trimRangeMargin", ignored);
            QCOMPARE(bar.trimRangeMargin(), QString("1,2,3,4"));
        }
        bar.setProperty("trimRangeMargin", "7,x,9,10");
        QCOMPARE(bar.trimRangeMargin(), QString("7,0,9,10"));
        QCOMPARE(bar.grooveOutterSpace(), QString("0,0"));
        bar.setProperty("grooveOutterSpace", "6,8");
        QCOMPARE(bar.grooveOutterSpace(), QString("6,8"));
        bar.setProperty("grooveOutterSpace", "1,2,3");
        QCOMPARE(bar.grooveOutterSpace(), QString("6,8"));
    }

    void valuesOnTheGroove()
    {
        KpPlaySeekingBar bar;
        bar.setOrientation(Qt::Horizontal);
        bar.resize(520, 24);
        bar.setRange(0, 500);
        bar.setGrooveOutterSpace("10,10");
        const int left = bar.pixelOfValue(0);
        const int right = bar.pixelOfValue(500);
        bar.setGrooveOutterSpace("0,0");
        QCOMPARE(bar.pixelOfValue(0), left - 10);
        QCOMPARE(bar.pixelOfValue(500), right + 10);
        bar.setGrooveOutterSpace("10,10");
        for (int v : {0, 1, 137, 250, 499, 500})
            QCOMPARE(bar.valueOfPixel(bar.pixelOfValue(v)), v);
        QVERIFY(bar.valueOfPixel(left - 8) == 0);  // the outer space clamps
        QVERIFY(bar.valueOfPixel(right + 8) == 500);
    }

    void clicksJumpWithinTheTrimRange()
    {
        KpPlaySeekingBar bar;
        bar.setOrientation(Qt::Horizontal);
        bar.resize(600, 24);
        bar.setRange(0, 5400);
        bar.setTrimRange(0, 5400);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy actions(&bar, &QAbstractSlider::actionTriggered);
        QSignalSpy values(&bar, &QAbstractSlider::valueChanged);
        const int middle = bar.pixelOfValue(2700);
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(middle, 12));
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.first().first().toInt(), int(QAbstractSlider::SliderMove));
        QVERIFY(qAbs(bar.value() - 2700) <= 10);
        QCOMPARE(values.size(), 1);

        // The handle is dragged, not jumped to.
        actions.clear();
        const QRect handle = handleRect(bar);
        const int before = bar.value();
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, handle.center());
        QCOMPARE(bar.value(), before);
        QVERIFY(bar.isSliderDown());
        QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, handle.center());

        // Outside the trim range, on a disabled slider or with another button: no jump.
        bar.setTrimRange(4000, 1000); // either order
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar.pixelOfValue(4500), 12));
        QCOMPARE(bar.value(), before);
        QTest::mouseClick(&bar, Qt::RightButton, Qt::NoModifier, QPoint(bar.pixelOfValue(1500), 12));
        QCOMPARE(bar.value(), before);
        bar.setEnabled(false);
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar.pixelOfValue(1500), 12));
        QCOMPARE(bar.value(), before);
        bar.setEnabled(true);
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar.pixelOfValue(1500), 12));
        QVERIFY(qAbs(bar.value() - 1500) <= 10);
    }

    void paintsTheTrimRange()
    {
        TestEnvironment env;
        const QString path = env.path() + "/trim.png";
        QImage image(12, 8, QImage::Format_ARGB32);
        image.fill(QColor(255, 0, 0));
        QVERIFY(image.save(path));

        KpPlaySeekingBar bar;
        bar.setOrientation(Qt::Horizontal);
        bar.resize(400, 24);
        bar.setRange(0, 100);
        bar.setValue(100); // the handle sits out of the way at the end
        bar.setProperty("trimRangeImage", path);
        bar.setProperty("trimRangeMargin", "2,3,2,3");
        bar.setTrimRange(0, 50);
        const QImage shown = bar.grab().toImage();
        const int start = bar.pixelOfValue(0);
        const int half = bar.pixelOfValue(50);
        const int end = bar.pixelOfValue(90);
        const QColor red(255, 0, 0);
        QVERIFY(columnsWithColour(shown, red, start + 1, half - 1) >= half - start - 2);
        QCOMPARE(columnsWithColour(shown, red, half + 1, end), 0);

        // Without an image only the slider is drawn.
        bar.setProperty("trimRangeImage", env.path() + "/missing.png");
        QCOMPARE(columnsWithColour(bar.grab().toImage(), red, start, end), 0);
    }
};

KP_TEST_MAIN(TestSeekingBar)
#include "tst_seekingbar.moc"
