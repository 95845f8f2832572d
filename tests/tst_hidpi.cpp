// The framework's windows at twice the pixel density (QT_SCALE_FACTOR=2), as
// the X server shows them: message icons at their intended size, the about
// picture and the large logo as sharp as their sources, and rounded window
// corners without light pixels in the dark skin.
#include "fixtures/xinput.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxaboutdlg.h"
#include "framework/ui/uxmessagebox.h"
#include "framework/ui/uxwintitlebar.h"
#include "framework/ui/uxwintitlebarex.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// Columns of image holding a pixel of the information icon's blue.
int blueWidth(const QImage& image)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c(image.pixel(x, y));
            if (c.blue() > c.red() + 60) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// Mean difference per channel between what the screen shows and the source
// picture at the screen's size, over the source's opaque pixels.
double differenceFromSource(const QImage& shown, const QImage& source)
{
    if (shown.size() != source.size())
        return 255;
    double sum = 0;
    int count = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb s = source.pixel(x, y);
            if (qAlpha(s) < 255)
                continue;
            const QRgb d = shown.pixel(x, y);
            sum += qAbs(qRed(s) - qRed(d)) + qAbs(qGreen(s) - qGreen(d)) +
                   qAbs(qBlue(s) - qBlue(d));
            ++count;
        }
    }
    return count ? sum / (3.0 * count) : 255;
}

QImage sourceAt(const QString& path, const QSize& pixels)
{
    return QImage(path)
        .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

int lightPixels(const QImage& image)
{
    int light = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            light += qGray(image.pixel(x, y)) > 0x70 ? 1 : 0;
    return light;
}

// A black window behind the one under test, so the corners show what the
// window draws and not the desktop.
class Backdrop : public QWidget
{
public:
    Backdrop()
    {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::black);
        setPalette(p);
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setGeometry(QGuiApplication::primaryScreen()->geometry());
    }
};

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
    }

    void messageIconHasItsSize()
    {
        uxMessageBox box;
        box.setText("Twice the pixels");
        box.setIconType(uxMessageBox::Information);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* icon = box.findChild<QLabel*>("labelicon");
        const QSize side = box.iconSize(); // the skin's, in points
        QVERIFY(side.width() > 0);
        QCOMPARE(icon->pixmap().deviceIndependentSize().toSize(), side);
        QTest::qWait(200);
        // The icon's circle spans 22 of its 24 units.
        const int shown = blueWidth(XInput::grab(icon, icon->rect()));
        QVERIFY2(shown >= side.width() * 2 * 20 / 24, qPrintable(QString::number(shown)));
    }

    void aboutPictureIsSharp()
    {
        uxAboutDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(200);
        auto* label = dialog.findChild<QLabel*>("lblAboutImage");
        const QImage shown = XInput::grab(label, label->rect());
        QCOMPARE(shown.size(), label->size() * 2);
        // A copy at points, stretched by Qt, can come close to the source on a
        // smooth picture; the picture itself must hold the screen's pixels.
        QCOMPARE(label->pixmap().devicePixelRatio(), 2.0);
        const QImage source = sourceAt(uxSrcMgr::instance()->aboutImagePath(), shown.size());
        const double difference = differenceFromSource(shown, source);
        QVERIFY2(difference < 2.0, qPrintable(QString::number(difference)));
    }

    void largeLogoIsSharp()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* header = new uxWinTitleBarEx(&window);
        layout->addWidget(header);
        layout->addStretch();
        header->setLargeIconPath(uxSrcMgr::instance()->largeLogoPath());
        header->setLogoShowMode(uxWinTitleBarEx::LogoMode_LargeIcon);
        header->setMinimumHeight(64); // room for the whole logo, as in a two-row header
        window.resize(400, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(200);
        auto* logo = header->findChild<QLabel*>("lblLargeIcon");
        const QSize size = header->largeIconSize();
        QCOMPARE(logo->pixmap().deviceIndependentSize().toSize(), size);
        // The picture holds the screen's pixels, not a copy at points stretched by Qt.
        QCOMPARE(logo->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(logo->pixmap().size(), size * 2);
    }

    void darkCornersHaveNoLightPixels()
    {
        Backdrop backdrop;
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        uxAboutDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.raise();
        QTest::qWait(300);
        const QRect frame = dialog.rect();
        const int c = 10; // a little more than the corners' radius, in points
        const QList<QPair<QString, QRect>> corners = {
            {"top left", QRect(frame.topLeft(), QSize(c, c))},
            {"top right", QRect(frame.topRight() - QPoint(c - 1, 0), QSize(c, c))},
            {"bottom left", QRect(frame.bottomLeft() - QPoint(0, c - 1), QSize(c, c))},
            {"bottom right", QRect(frame.bottomRight() - QPoint(c - 1, c - 1), QSize(c, c))}};
        for (const auto& [name, rect] : corners) {
            const QImage shown = XInput::grab(&dialog, rect);
            QCOMPARE(shown.size(), rect.size() * 2);
            QVERIFY2(lightPixels(shown) == 0,
                     qPrintable(QString("%1: %2 light pixels").arg(name).arg(lightPixels(shown))));
        }
    }
};

KP_TEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
