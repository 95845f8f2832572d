// The about box: texts from the product, link colour, the two arrangements,
// the copyright line and a language switch while it is open.
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxaboutdlg.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QFrame>
#include <QLabel>

namespace {

QString text(const uxAboutDlg& about, const char* label)
{
    return about.findChild<QLabel*>(label)->text();
}

bool shown(const uxAboutDlg& about, const char* frame)
{
    return !about.findChild<QFrame*>(frame)->isHidden();
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        uxProductInfo::deleteInstance();
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark"); // the about picture comes with the skin
    }

    void textsFromTheProduct()
    {
        uxAboutDlg about;
        QCOMPARE(about.objectName(), QString("uxAboutDlg"));
        QCOMPARE(about.windowTitle(), QString("About"));
        QCOMPARE(text(about, "labelProduct"), QString("Kestrel Player"));
        QCOMPARE(text(about, "labelProduct_2"), QString("Kestrel Player"));
        QCOMPARE(text(about, "labelVersion"), QString("Version: 1.0.0"));
        QCOMPARE(text(about, "labelHomePage"),
                 QString("HomePage: <a href=\"https://www.kestrel-player.example/en/\">"
                         "https://www.kestrel-player.example/en/</a>"));
        QVERIFY(text(about, "labelSupport").startsWith("Support: <a href=\"https://www."));
        QCOMPARE(text(about, "labelCopyright"),
                 QString("Copyright © 2025-2026 Kestrel Media. All rights reserved."));
        auto* picture = about.findChild<QLabel*>("lblAboutImage");
        QCOMPARE(picture->minimumSize(), QSize(476, 138));
        QCOMPARE(picture->maximumSize(), QSize(476, 138));
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(shown(about, "frmHorzProductVersion"));
        QVERIFY(!shown(about, "frmVertProductVersion"));
        QVERIFY(about.findChild<QLabel*>("labelHomePage")->openExternalLinks());
    }

    void skinProperties()
    {
        uxAboutDlg about;
        about.setProperty("linkFontColor", QColor(Qt::red));
        QVERIFY(text(about, "labelHomePage").contains("style=\"color:#ff0000\""));
        QVERIFY(text(about, "labelSupport").contains("style=\"color:#ff0000\""));
        about.setProperty("horzProductVersion", false);
        QVERIFY(!shown(about, "frmHorzProductVersion"));
        QVERIFY(shown(about, "frmVertProductVersion"));
        QCOMPARE(about.findChild<QLabel*>("labelProduct_2")->alignment(), Qt::AlignCenter);
        about.setHorzProductVersion(true);
        QVERIFY(shown(about, "frmHorzProductVersion"));
    }

    void singleYearAndMissingCompanyName()
    {
        uxProductInfo::deleteInstance();
        QVERIFY(uxProductInfo::instance()->loadConfig(
            "<Config><Company><Title>Kestrel</Title><FoundYear>2026</FoundYear>"
            "<ToYear>2026</ToYear></Company><Product><Version>2.0</Version></Product></Config>"));
        QCOMPARE(uxAboutDlg::copyrightText(),
                 QString("Copyright © 2026 Kestrel. All rights reserved."));
    }

    void languageSwitchWhileOpen()
    {
        uxAboutDlg about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        uxSrcMgr::instance()->setCurrentLanguage("de");
        QTRY_VERIFY(text(about, "labelHomePage").contains("example/de/"));
        QCOMPARE(about.windowTitle(), QCoreApplication::translate("uxAboutDlg", "About"));
        QCOMPARE(text(about, "labelVersion"),
                 QCoreApplication::translate("uxAboutDlg", "Version: %1").arg("1.0.0"));
        QVERIFY(text(about, "labelSupport").contains("example/de/support/"));
        uxSrcMgr::instance()->setCurrentLanguage("en");
        QTRY_VERIFY(text(about, "labelHomePage").contains("example/en/"));
    }
};

KP_TEST_MAIN(TestAbout)
#include "tst_about.moc"
