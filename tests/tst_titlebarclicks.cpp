// Double clicks on the main window's caption with real X input when the
// application icon is not shown (hidden by the product, or replaced by a
// skin's large logo): the caption maximizes and restores the window, and the
// place where the icon would be never closes it.
#include "fixtures/xinput.h"
#include "framework/core/uxframeworkflags.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxwintitlebar.h"
#include "framework/ui/uxwintitlebarex.h"
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QLabel>

class TestTitleBarClicks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
    }
    void cleanup() { uxFrameworkFlags::setAboutIconShown(true); }

    void captionWithoutIconMaximizes_data()
    {
        QTest::addColumn<bool>("largeLogo");
        QTest::newRow("icon hidden by the product") << false;
        QTest::newRow("large logo of the skin") << true;
    }
    void captionWithoutIconMaximizes()
    {
        QFETCH(bool, largeLogo);
        uxFrameworkFlags::setAboutIconShown(largeLogo);
        MainWindowBase window;
        window.resize(900, 620);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        uxWinTitleBar* bar = window.titleBarEx()->titleBar();
        auto* icon = bar->findChild<QLabel*>("lblAppIcon");
        if (largeLogo) {
            QTRY_VERIFY(icon->isVisible() && icon->width() > 0);
            window.titleBarEx()->setLogoShowMode(uxWinTitleBarEx::LogoMode_LargeIcon);
        }
        QTRY_VERIFY(!icon->isVisible());
        QTest::qWait(200);

        // Where the icon was, or would be, is empty caption now.
        const QPoint spot = icon->geometry().center();
        QVERIFY(bar->rect().contains(spot));
        QWidget* under = bar->childAt(spot);
        QVERIFY2(!under || under->objectName() == "lblAppTitle",
                 qPrintable(under ? under->objectName() : QString()));
        QVERIFY(XInput::doubleClick(bar, spot));
        QTRY_VERIFY(window.isMaximized());
        QVERIFY(window.isVisible());

        QTest::qWait(QApplication::doubleClickInterval() + 200);
        QVERIFY(XInput::doubleClick(bar, spot));
        QTRY_VERIFY(!window.isMaximized());
        QVERIFY(window.isVisible());
        window.hide();
    }
};

KP_TEST_MAIN(TestTitleBarClicks)
#include "tst_titlebarclicks.moc"
