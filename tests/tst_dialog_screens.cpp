// Dialog placement on two screens side by side: centred over the reference
// and kept inside the work area of the reference's screen.
#include "framework/ui/uxdialogbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QScreen>

class TestDialogScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        QCOMPARE(QGuiApplication::screens().size(), 2);
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("reference");
        QTest::addColumn<QSize>("dialog");
        QTest::addColumn<QPoint>("expected");
        // Right screen: x 800..1823, y 0..767.
        QTest::newRow("centred") << QRect(900, 100, 600, 400) << QSize(200, 100)
                                 << QPoint(1100, 250);
        QTest::newRow("partly below")
            << QRect(1000, 600, 400, 400) << QSize(300, 300) << QPoint(1050, 467);
        QTest::newRow("partly right")
            << QRect(1700, 100, 400, 300) << QSize(300, 200) << QPoint(1523, 150);
        QTest::newRow("larger than screen")
            << QRect(900, 100, 400, 300) << QSize(1200, 900) << QPoint(800, 0);
        // Left screen: x 0..799, y 0..599.
        QTest::newRow("left, partly above")
            << QRect(100, -150, 400, 200) << QSize(200, 100) << QPoint(200, 0);
    }

    void placement()
    {
        QFETCH(QRect, reference);
        QFETCH(QSize, dialog);
        QFETCH(QPoint, expected);
        QWidget owner;
        owner.setGeometry(reference);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        uxDialogBase box(&owner);
        box.setFixedSize(dialog);
        uxDialogBase::placeDialog(&box, nullptr); // the parent is the reference
        QCOMPARE(box.geometry(), QRect(expected, dialog));
        QVERIFY(box.isModal());
    }

    void nullReferenceUsesThePrimaryScreen()
    {
        uxDialogBase box;
        box.setFixedSize(200, 100);
        uxDialogBase::placeDialog(&box, nullptr);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(box.geometry()));
    }
};

KP_TEST_MAIN(TestDialogScreens)
#include "tst_dialog_screens.moc"
