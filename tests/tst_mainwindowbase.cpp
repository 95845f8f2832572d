// The application's top-level window: flags, menus, help and web actions,
// the manual search, skin and language switching, title, link colour and
// the remembered geometry.
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxaboutdlg.h"
#include "framework/ui/uxhelpfiles.h"
#include "framework/ui/uxwinmenubarex.h"
#include "framework/ui/uxwintitlebarex.h"
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

namespace {

QAction* action(const QMenu* menu, const QString& data)
{
    for (QAction* a : menu->actions())
        if (a->data().toString() == data)
            return a;
    return nullptr;
}

QStringList titles(const QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

} // namespace

class TestMainWindowBase : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { FrameworkFixture::loadProduct(); }

    void frameAndMenus()
    {
        MainWindowBase window;
        QCOMPARE(int(window.windowFlags()), 0x0800E801);
        QCOMPARE(window.property("windowFlags").toInt(), 0x0800E801);
        QCOMPARE(window.windowTitle(), QString("Kestrel Player"));
        QVERIFY(window.titleBarEx());
        QCOMPARE(window.menuBar()->parentWidget(),
                 window.titleBarEx()->menuBar()->menuBarContainer());
        auto* file = window.findChild<QMenu*>("menuFile");
        QCOMPARE(window.menuBar()->actions().first(), file->menuAction());
        QCOMPARE(file->findChild<QAction*>("fileExit")->shortcut(), QKeySequence("Alt+F4"));
        auto* help = window.findChild<QMenu*>("menuHelp");
        QCOMPARE(titles(help), QStringList({"User Help", "&Keyboard Shortcuts", "&Support",
                                            "&Home Page", "&Product Page", "&About..."}));
        auto* skins = window.findChild<QMenu*>("menuSkin");
        QCOMPARE(titles(skins), QStringList({"Dark", "Light"}));
        auto* languages = window.findChild<QMenu*>("menuLanguage");
        QCOMPARE(titles(languages).size(), 6);
        QCOMPARE(action(languages, "ja")->text(), QString("日本語"));
        // The player's own tools come first, then the skin and language choices.
        QCOMPARE(titles(window.findChild<QMenu*>("menuTools")).size(), 4);
        QCOMPARE(window.findChild<QMenu*>("menuTools")->actions().at(3)->menu(), skins);
        emit help->aboutToShow();
        QVERIFY(window.findChild<QAction*>("actionUser_Help")->isVisible());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        file->findChild<QAction*>("fileExit")->trigger();
        QTRY_VERIFY(!window.isVisible());
    }

    void webActionsOpenTheProductPages()
    {
        UrlCatcher catcher;
        MainWindowBase window;
        window.on_support();
        window.on_homePage();
        window.on_product();
        window.on_onlineHelp();
        window.on_contactus();
        window.on_manual();
        const QString base = "https://www.kestrel-player.example/en/";
        QCOMPARE(catcher.urls.size(), 6);
        QCOMPARE(catcher.urls[0], QUrl(base + "support/"));
        QCOMPARE(catcher.urls[1], QUrl(base));
        QCOMPARE(catcher.urls[2], QUrl(base + "player/"));
        QCOMPARE(catcher.urls[3], QUrl(base + "manual/"));
        QCOMPARE(catcher.urls[4], QUrl("mailto:support@kestrel-player.example"));
        QCOMPARE(catcher.urls[5], QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                                      "/cfg/help_en/help.html"));
    }

    // Every shipped language has its manual, opened by User Help.
    void manualInEveryLanguage()
    {
        UrlCatcher catcher;
        MainWindowBase window;
        const QStringList codes = uxSrcMgr::instance()->languages();
        QCOMPARE(codes.size(), 6);
        for (const QString& code : codes) {
            uxSrcMgr::instance()->setCurrentLanguage(code);
            catcher.urls.clear();
            window.findChild<QAction*>("actionUser_Help")->trigger();
            QCOMPARE(catcher.urls.size(), 1);
            const QString path = catcher.urls.first().toLocalFile();
            QVERIFY2(path.endsWith("/cfg/help_" + code + "/help.html"), qPrintable(path));
            QFile page(path);
            QVERIFY(page.open(QIODevice::ReadOnly));
            QVERIFY(page.readAll().contains("lang=\"" + code.left(2).toUtf8()));
        }
        uxSrcMgr::instance()->setCurrentLanguage("en");
    }

    void manualSearch()
    {
        const QString app = QDir::tempPath() + "/program";
        const QString cfg = app + "/cfg";
        QDir(app).removeRecursively();
        QCOMPARE(uxHelpFiles::htmlManual(cfg, QString(), "de"), QString());
        QCOMPARE(uxHelpFiles::compiledManual(app, QString(), "de"), QString());
        writeTestFile(cfg + "/help/help.html", "x");
        writeTestFile(app + "/help.CHM", "x");
        QCOMPARE(uxHelpFiles::htmlManual(cfg, QString(), "de"), cfg + "/help/help.html");
        QCOMPARE(uxHelpFiles::compiledManual(app, QString(), "de"), app + "/help.CHM");
        writeTestFile(cfg + "/help_de/help.html", "x");
        writeTestFile(app + "/help_de.CHM", "x");
        QCOMPARE(uxHelpFiles::htmlManual(cfg, QString(), "de"), cfg + "/help_de/help.html");
        QCOMPARE(uxHelpFiles::compiledManual(app, QString(), "de"), app + "/help_de.CHM");
        // The name's ending decides the kind of manual.
        writeTestFile(app + "/guide.chm", "x");
        QCOMPARE(uxHelpFiles::htmlManual(cfg, "guide.chm", "de"), QString());
        QCOMPARE(uxHelpFiles::compiledManual(app, "guide.chm", "de"), app + "/guide.chm");
        QCOMPARE(uxHelpFiles::compiledManual(app, "help_de/help.HTML", "de"), QString());
        QCOMPARE(uxHelpFiles::htmlManual(cfg, "help_de/help.html", "de"),
                 cfg + "/help_de/help.html");
        QCOMPARE(uxHelpFiles::compiledManual(app, "help_de/help.html", "de"), QString());
        QCOMPARE(uxHelpFiles::htmlManual(cfg, "missing.htm", "de"), cfg + "/help/help.html");
    }

    void skinAndLanguageAreSwitchedAndRemembered()
    {
        MainWindowBase window;
        auto* skins = window.findChild<QMenu*>("menuSkin");
        action(skins, "Light")->trigger();
        QCOMPARE(uxSrcMgr::instance()->currentSkin(), QString("Light"));
        QCOMPARE(uxSettings::instance()->value("Skin").toString(), QString("Light"));
        QVERIFY(action(skins, "Light")->isChecked());
        QVERIFY(!action(skins, "Dark")->isChecked());

        auto* languages = window.findChild<QMenu*>("menuLanguage");
        QSignalSpy switched(uxSrcMgr::instance(), &uxSrcMgr::languageChanged);
        action(languages, "en")->trigger(); // the current one: nothing happens
        QCOMPARE(switched.size(), 0);
        action(languages, "fr")->trigger();
        QCOMPARE(switched.size(), 1);
        QCOMPARE(uxSettings::instance()->value("Language").toString(), QString("fr"));
        QVERIFY(action(languages, "fr")->isChecked());
        QCOMPARE(window.windowTitle(), uxProductInfo::instance()->displayName());
        QTRY_COMPARE(window.findChild<QMenu*>("menuHelp")->title(),
                     QCoreApplication::translate("uxMainWindowBase", "&Help"));
        uxSrcMgr::instance()->setCurrentLanguage("en");
        uxSrcMgr::instance()->setCurrentSkin("Dark");
        QVERIFY(action(skins, "Dark")->isChecked());
    }

    void linkColourReachesThePalette()
    {
        MainWindowBase window;
        window.setProperty("LinkDefaultColor", QColor("#123456"));
        QCOMPARE(QApplication::palette().color(QPalette::Link), QColor("#123456"));
        QCOMPARE(window.property("LinkDefaultColor").value<QColor>(), QColor("#123456"));
        window.show(); // the skin sets its own colour when the window is polished
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.linkDefaultColor() != QColor("#123456"));
        QCOMPARE(QApplication::palette().color(QPalette::Link), window.linkDefaultColor());
    }

    void aboutBoxIsModal()
    {
        MainWindowBase window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool found = false;
        QTimer::singleShot(100, [&found] {
            auto* about = qobject_cast<uxAboutDlg*>(QApplication::activeModalWidget());
            found = about && uxDialogBase::modalDepth() == 1;
            if (about)
                about->reject();
        });
        window.on_about();
        QVERIFY(found);
        QCOMPARE(uxDialogBase::modalDepth(), 0);
    }

    void geometryIsCentredSavedAndRestored()
    {
        uxSettings::instance()->setValue("Application/geometry", QByteArray());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QRect first;
        {
            MainWindowBase window;
            window.restoreWindowGeometry(400, 300, false);
            QCOMPARE(window.minimumSize(), QSize(400, 300));
            QVERIFY(area.contains(window.geometry()));
            QCOMPARE(window.x(), (area.left() + area.right()) / 2 - window.width() / 2);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.move(window.pos() + QPoint(20, 10));
            QTRY_COMPARE(window.x(), (area.left() + area.right()) / 2 - window.width() / 2 + 20);
            first = window.geometry();
            window.saveWindowGeometry();
        }
        QVERIFY(!uxSettings::instance()->value("Application/geometry").toByteArray().isEmpty());
        MainWindowBase again;
        again.restoreWindowGeometry(0, 0, false);
        QCOMPARE(again.geometry(), first);
        MainWindowBase ignoring;
        ignoring.restoreWindowGeometry(400, 300, true);
        QVERIFY(ignoring.minimumSize() != QSize(400, 300));
        QVERIFY(ignoring.geometry() != first);

        uxSettings::instance()->setValue("Application/geometry", QByteArray("garbage"));
        MainWindowBase damaged;
        damaged.restoreWindowGeometry(0, 0, false);
        QVERIFY(area.contains(damaged.geometry()));
    }

    void largeLogoGoesToTheHeader()
    {
        MainWindowBase window;
        window.setLargeIconPath(uxSrcMgr::instance()->largeLogoPath());
        QCOMPARE(window.titleBarEx()->largeIconPath(), uxSrcMgr::instance()->largeLogoPath());
    }
};

KP_TEST_MAIN(TestMainWindowBase)
#include "tst_mainwindowbase.moc"
