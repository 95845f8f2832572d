// The shipped skins and languages switched on live windows: the look and the
// texts change at once, in both directions.
#include "entry/uxsplashscreen.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsrcmgr.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QColor centreColour(QWidget* w)
{
    const QImage image = w->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class TestSkinLanguageLive : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;

private Q_SLOTS:
    void initTestCase()
    {
        uxSrcMgr* mgr = uxSrcMgr::instance();
        uxProductInfo::instance()->loadConfig(mgr->readProductConfig());
        uxProductInfo::instance()->loadExtend(mgr->readProductExtend());
        mgr->filterSkins();
        mgr->filterLanguages();
    }
    void cleanupTestCase() { uxSrcMgr::deleteInstance(); }

    void shippedResourcesAreDiscovered()
    {
        const uxSrcMgr* mgr = uxSrcMgr::instance();
        QCOMPARE(mgr->skins(), QStringList({"Dark", "Light"}));
        QCOMPARE(mgr->languages(), QStringList({"de", "en", "es", "fr", "ja", "zh_CN"}));
        QCOMPARE(uxProductInfo::instance()->defaultSkin(), QString("Dark"));
    }

    void skinSwitchRestylesLiveWindow()
    {
        QWidget window;
        auto* button = new QPushButton("Play", &window);
        button->setMinimumSize(120, 40);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(button);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        uxSrcMgr* mgr = uxSrcMgr::instance();
        mgr->setCurrentSkin("Dark");
        const QColor dark = centreColour(button);
        QVERIFY(QFile::exists(mgr->aboutImagePath()));
        QVERIFY(mgr->aboutImagePath().startsWith(":/skin/Dark/"));
        mgr->setCurrentSkin("Light");
        const QColor light = centreColour(button);
        QVERIFY(mgr->aboutImagePath().endsWith("/cfg/skin/Light/Framework/about.png"));
        QVERIFY2(light.lightness() > dark.lightness() + 60,
                 qPrintable(dark.name() + " vs " + light.name()));
        mgr->setCurrentSkin("Dark");
        QCOMPARE(centreColour(button), dark);
    }

    void languageSwitchRetranslatesLiveWindow()
    {
        uxSplashScreen splash;
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        splash.show();
        buttons.show();
        auto* message = splash.findChild<QLabel*>("lblMessage");
        QVERIFY(message);
        uxSrcMgr* mgr = uxSrcMgr::instance();
        mgr->setCurrentLanguage("de");
        QTRY_COMPARE(message->text(), QString("Laden..."));
        QTRY_COMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Abbrechen"));
        mgr->setCurrentLanguage("ja");
        QTRY_COMPARE(message->text(), QString("読み込み中..."));
        mgr->setCurrentLanguage("en");
        QTRY_COMPARE(message->text(), QString("Load..."));
        QTRY_COMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
    }
};

KP_TEST_MAIN(TestSkinLanguageLive)
#include "tst_skinlanguage_live.moc"
