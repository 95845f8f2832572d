// The dialog base: flags and their publication, frame initialisation, the
// modal depth counter, placement on one screen and the skinned shape.
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxdialogbase.h"
#include "framework/ui/uxwidgetframe.h"
#include "framework/ui/uxwintitlebar.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QFrame>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A dialog with the client frame the base expects.
class Dialog : public uxDialogBase
{
public:
    explicit Dialog(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags(),
                    bool withClient = true)
        : uxDialogBase(parent, f)
    {
        auto* outer = new QVBoxLayout(this);
        outer->setContentsMargins(0, 0, 0, 0);
        if (withClient) {
            auto* client = new QFrame(this);
            client->setObjectName("uxDialogExClient");
            auto* layout = new QVBoxLayout(client);
            layout->addWidget(new QWidget(client));
            outer->addWidget(client);
        }
        resize(300, 200);
        initWidgetFrame(true, false, nullptr);
    }
    uxWinTitleBar* bar() const { return qobject_cast<uxWinTitleBar*>(widgetFrame()->titleBar()); }
    bool shows(const char* button) const
    {
        return !bar()->findChild<QToolButton*>(button)->isHidden();
    }
};

} // namespace

class TestDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { FrameworkFixture::loadProduct(); }

    void defaultFlagsShowOnlyClose()
    {
        Dialog dialog;
        QCOMPARE(int(dialog.windowFlags()), 0x08000803);
        QCOMPARE(dialog.property("windowFlags").toInt(), 0x08000803);
        QVERIFY(dialog.shows("btnClose"));
        QVERIFY(!dialog.shows("btnMinimize"));
        QVERIFY(!dialog.shows("btnMaximize"));
        // Moved by any free area, never resized by its margins.
        QCOMPARE(dialog.widgetFrame()->hitTest(QPoint(0, 100)), 15);
        QCOMPARE(dialog.widgetFrame()->hitTest(QPoint(299, 199)), 15);
    }

    void givenFlagsBecomeFrameless()
    {
        Dialog dialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint);
        QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!dialog.shows("btnClose"));
    }

    void setWindowFlagsIsPublished()
    {
        Dialog dialog;
        QSignalSpy spy(&dialog, &uxDialogBase::windowFlagsChanged);
        dialog.setWindowFlags(int(Qt::WindowMinimizeButtonHint));
        const int expected = int(Qt::WindowMinimizeButtonHint) | 0x803;
        QCOMPARE(int(dialog.windowFlags()), expected);
        QCOMPARE(dialog.property("windowFlags").toInt(), expected);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first().first().toInt(), expected);
        QVERIFY(dialog.shows("btnMinimize"));
        QVERIFY(!dialog.shows("btnClose"));
    }

    void titleBarGoesFirstInTheClient()
    {
        Dialog dialog;
        auto* client = dialog.findChild<QFrame*>("uxDialogExClient");
        QCOMPARE(client->layout()->itemAt(0)->widget(), dialog.widgetFrame()->titleBar());
        Dialog bare(nullptr, Qt::WindowFlags(), false); // no client frame: no title bar
        QVERIFY(bare.widgetFrame()->titleBar()->isHidden());
    }

    void nestedModalDialogs()
    {
        QCOMPARE(uxDialogBase::modalDepth(), 0);
        int innerDepth = -1;
        Dialog outer;
        QTimer::singleShot(50, &outer, [&] {
            Dialog inner(&outer);
            QTimer::singleShot(50, &inner, [&] {
                innerDepth = uxDialogBase::modalDepth();
                inner.accept();
            });
            QCOMPARE(inner.exec(), int(QDialog::Accepted));
            QCOMPARE(uxDialogBase::modalDepth(), 1);
            outer.reject();
        });
        QCOMPARE(outer.exec(), int(QDialog::Rejected));
        QCOMPARE(innerDepth, 2);
        QCOMPARE(uxDialogBase::modalDepth(), 0);
    }

    // On one screen the window system places the dialog; bad references do
    // no harm.
    void placementOnOneScreen()
    {
        QWidget reference;
        reference.setGeometry(-3000, -3000, 200, 100); // far off the screen
        Dialog dialog(&reference);
        uxDialogBase::placeDialog(&dialog, &reference);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.isModal());
        dialog.close();
        Dialog orphan;
        uxDialogBase::placeDialog(&orphan, nullptr);
        QVERIFY(orphan.isVisible());
        uxDialogBase::placeDialog(nullptr, &reference);
    }

    void skinShapesTheDialog()
    {
        uxSrcMgr::instance()->setCurrentSkin("Dark");
        Dialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY(dialog.widgetFrame()->maskImage().endsWith("mask.png"));
        dialog.updateWindowMask();
        QVERIFY(!dialog.mask().isEmpty());
        QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
        QVERIFY(dialog.mask().contains(QPoint(150, 100)));
        dialog.resize(420, 260);
        QTRY_VERIFY(dialog.mask().contains(QPoint(400, 130)));
        QCOMPARE(dialog.widgetFrame()->frameResizeMargin(), QString("4,4,4,4"));
        uxSrcMgr::instance()->setCurrentSkin("Light");
        QVERIFY(dialog.mask().contains(QPoint(400, 130)));
    }
};

KP_TEST_MAIN(TestDialog)
#include "tst_dialog.moc"
