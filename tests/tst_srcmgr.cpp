// Discovery, filtering, skin and language switching, and the path lookups.
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsrcmgr.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QResource>
#include <QSignalSpy>
#include <QTranslator>

namespace {

// Packs the files of folder (relative names) into a binary resource package
// whose content sits under the top folder `top`.
void makePackage(const QString& folder, const QString& top, const QString& out)
{
    QString qrc = "<RCC><qresource prefix=\"/" + top + "\">";
    QDir dir(folder);
    for (const QString& f : dir.entryList(QDir::Files))
        qrc += "<file>" + f + "</file>";
    qrc += "</qresource></RCC>";
    writeTestFile(folder + "/pack.qrc", qrc.toUtf8());
    QDir().mkpath(QFileInfo(out).path());
    QCOMPARE(QProcess::execute(KESTREL_RCC, {"--binary", folder + "/pack.qrc", "-o", out}), 0);
}

// A translation file holding one message, made with lrelease's sibling format
// by way of QTranslator's own loader: we write a minimal .ts and compile it.
void makeQm(const QString& out, const QString& context, const QString& source,
            const QString& translation)
{
    const QString ts = out + ".ts";
    writeTestFile(ts,
              QString("<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\">"
                      "<context><name>%1</name><message><source>%2</source>"
                      "<translation>%3</translation></message></context></TS>")
                  .arg(context, source, translation)
                  .toUtf8());
    QCOMPARE(QProcess::execute(QStringLiteral(KESTREL_LRELEASE), {"-silent", ts, "-qm", out}), 0);
}

} // namespace

class TestSrcMgr : public QObject
{
    Q_OBJECT
private:
    TestEnvironment m_env;
    QString m_dir;

    uxSrcMgr* fresh() { return uxSrcMgr::createInstance(m_dir); }

private Q_SLOTS:
    void init()
    {
        m_dir = m_env.path() + "/program";
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir + "/cfg");
    }
    void cleanup()
    {
        uxSrcMgr::deleteInstance();
        uxProductInfo::deleteInstance();
        qApp->setStyleSheet(QString());
    }

    void discoveryOrder()
    {
        writeTestFile(m_dir + "/cfg/skin/src/skin.css", "QWidget{}");
        makePackage(m_dir + "/cfg/skin/src", "A", m_dir + "/cfg/skin/A.rcc");
        QDir().mkpath(m_dir + "/cfg/skin/B");
        QDir().mkpath(m_dir + "/cfg/skin/A");
        QDir(m_dir + "/cfg/skin/src").removeRecursively();
        writeTestFile(m_dir + "/cfg/language/de.rcc", "");
        QDir().mkpath(m_dir + "/cfg/language/fr");
        uxSrcMgr* mgr = fresh();
        QCOMPARE(mgr->skins(), QStringList({"A", "A", "B"}));
        QCOMPARE(mgr->languages(), QStringList({"de"}));
        QCOMPARE(mgr->firstSkin(), QString("A"));
        QDir(m_dir + "/cfg/language").removeRecursively();
        QDir().mkpath(m_dir + "/cfg/language/fr");
        QDir().mkpath(m_dir + "/cfg/language/en");
        QCOMPARE(fresh()->languages(), QStringList({"en", "fr"}));
    }

    void filteringAndFallbackLanguage()
    {
        for (const char* l : {"de", "en", "fr", "ja"})
            QDir().mkpath(m_dir + "/cfg/language/" + l);
        for (const char* s : {"Dark", "Light", "Other"})
            QDir().mkpath(m_dir + "/cfg/skin/" + s);
        uxSrcMgr* mgr = fresh();
        uxProductInfo* info = uxProductInfo::instance();
        info->loadConfig("<Config><Company><AllowedSkins>Light:Dark</AllowedSkins>"
                         "<AllowedLanguages>fr:de</AllowedLanguages></Company>"
                         "<Product><LocaleType>fr</LocaleType></Product></Config>");
        mgr->filterSkins(); // not switched on yet
        QCOMPARE(mgr->skins().size(), 3);
        info->loadExtend("<Extend><Param name=\"isFilterProductResources\" value=\"1\"/></Extend>");
        mgr->filterSkins();
        mgr->filterLanguages();
        QCOMPARE(mgr->skins(), QStringList({"Dark", "Light"}));
        QCOMPARE(mgr->languages(), QStringList({"de", "fr"}));
        QCOMPARE(mgr->fallbackLanguage(), QString("fr"));
        QCOMPARE(info->defaultSkin(), QString("Dark")); // DefaultSkin absent: "en", not installed
    }

    void scaling_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("expected");
        QTest::newRow("12 at 1.25") << "a{{12}}b" << 1.25 << "a15b";
        QTest::newRow("3 at 1.5") << "{{3}}px {{3}}" << 1.5 << "4px 4";
        QTest::newRow("not a number") << "w:{{x}}px" << 2.0 << "w:0px";
        QTest::newRow("unclosed") << "a{{5}} b{{7 c" << 2.0 << "a10 b{{7 c";
        QTest::newRow("negative") << "{{-3}}" << 1.5 << "-4";
    }
    void scaling()
    {
        QFETCH(QString, text);
        QFETCH(double, factor);
        QFETCH(QString, expected);
        QCOMPARE(uxSrcMgr::scaleStyleSheet(text, factor), expected);
    }

    void composesStyleSheetsDepthFirst()
    {
        const QString skin = m_dir + "/cfg/skin/S";
        writeTestFile(skin + "/skin.css", "/*top*/ QLabel{image:url(:/img/a.svg);}");
        writeTestFile(skin + "/skin_public.css", "/*public*/");
        writeTestFile(skin + "/skin_x11.css", "/*ws*/");
        writeTestFile(skin + "/skin_project.css", "/*project*/");
        writeTestFile(skin + "/Zeta/skin.css", "/*zeta*/");
        writeTestFile(skin + "/Framework/skin.css", "/*framework*/");
        writeTestFile(skin + "/Alpha/skin.css", "/*alpha*/ QWidget{margin:{{10}}px;}");
        writeTestFile(skin + "/Alpha/skin_win.css", "/*not this platform*/");
        uxSrcMgr* mgr = fresh();
        QSignalSpy spy(mgr, &uxSrcMgr::skinChanged);
        mgr->setCurrentSkin("S");
        QCOMPARE(spy.count(), 1);
        const QString sheet = qApp->styleSheet();
        const QStringList order = {"public", "top", "ws", "project", "framework", "alpha", "zeta"};
        int at = -1;
        for (const QString& mark : order) {
            const int next = sheet.indexOf("/*" + mark + "*/");
            QVERIFY2(next > at, qPrintable(mark));
            at = next;
        }
        QVERIFY(sheet.contains("url(" + skin + "/img/a.svg)"));
        QVERIFY(!sheet.contains("not this platform"));
        QVERIFY(sheet.contains("margin:10px")); // dpiScale() is 1 at 96 DPI
        QCOMPARE(mgr->currentSkinRoot(), QString(":/skin/S"));
    }

    void packageToFolderSwitchUnregistersFirst()
    {
        const QString src = m_env.path() + "/pkgsrc";
        writeTestFile(src + "/skin.css", "/*packaged*/ QLabel{image:url(:/i.svg);}");
        writeTestFile(src + "/i.svg", "<svg/>");
        makePackage(src, "", m_dir + "/cfg/skin/P.rcc");
        writeTestFile(m_dir + "/cfg/skin/F/skin.css", "/*folder*/");
        uxSrcMgr* mgr = fresh();
        mgr->setCurrentSkin("P");
        QVERIFY(qApp->styleSheet().contains("/*packaged*/"));
        QVERIFY(qApp->styleSheet().contains("url(:/skin/P/i.svg)"));
        QVERIFY(QFile::exists(":/skin/P/i.svg"));
        QCOMPARE(mgr->aboutImagePath(), mgr->productRoot() + "/about.png");
        mgr->setCurrentSkin("F");
        QVERIFY(!QFile::exists(":/skin/P/i.svg"));
        QCOMPARE(qApp->styleSheet(), QString("/*folder*/"));
        mgr->setCurrentSkin("Missing");
        QCOMPARE(mgr->currentSkin(), QString("F"));
    }

    void skinWithoutStyleSheetsAndBadText()
    {
        QDir().mkpath(m_dir + "/cfg/skin/Empty/Framework");
        writeTestFile(m_dir + "/cfg/skin/Latin/skin.css", "/*caf\xe9*/ QWidget{}");
        writeTestFile(m_dir + "/cfg/skin/Broken.rcc", "this is not a resource package");
        uxSrcMgr* mgr = fresh();
        QSignalSpy spy(mgr, &uxSrcMgr::skinChanged);
        mgr->setCurrentSkin("Empty");
        QCOMPARE(qApp->styleSheet(), QString());
        mgr->setCurrentSkin("Latin"); // not UTF-8: read with replacement characters
        QVERIFY(qApp->styleSheet().contains("QWidget{}"));
        mgr->setCurrentSkin("Broken");
        QCOMPARE(spy.count(), 3);
        QCOMPARE(mgr->currentSkin(), QString("Broken"));
    }

    void languageSwitching()
    {
        const QString de = m_dir + "/cfg/language/de";
        makeQm(de + "/app_de.qm", "Ctx", "Open", "Öffnen");
        makeQm(de + "/qtbase_de.qm", "Ctx", "Close", "Schließen");
        writeTestFile(de + "/broken_de.qm", "not a translation");
        const QString pt = m_dir + "/cfg/language/pt";
        makeQm(pt + "/app_pt.qm", "Ctx", "Open", "Abrir");
        makeQm(pt + "/app_pt_BR.qm", "Ctx", "Close", "Fechar (BR)");
        uxSrcMgr* mgr = fresh();
        QSignalSpy spy(mgr, &uxSrcMgr::languageChanged);
        mgr->setCurrentLanguage("de");
        QCOMPARE(QCoreApplication::translate("Ctx", "Open"), QString("Öffnen"));
        QCOMPARE(QCoreApplication::translate("Ctx", "Close"), QString("Schließen"));
        mgr->setCurrentLanguage("pt");
        QCOMPARE(QCoreApplication::translate("Ctx", "Open"), QString("Abrir"));
        QCOMPARE(QCoreApplication::translate("Ctx", "Close"), QString("Close"));
        mgr->setCurrentLanguage("xx");
        QCOMPARE(mgr->currentLanguage(), QString("pt"));
        QCOMPARE(spy.count(), 2);
        QDir().mkpath(m_dir + "/cfg/language/empty");
        mgr = fresh();
        mgr->setCurrentLanguage("empty"); // nothing to install, still switched
        QCOMPARE(QCoreApplication::translate("Ctx", "Open"), QString("Open"));
        QCOMPARE(mgr->currentLanguage(), QString("empty"));
        mgr->setCurrentLanguage("pt");
        spy.clear();
        QDir(pt).removeRecursively();
        QSignalSpy vanished(mgr, &uxSrcMgr::languageChanged);
        mgr->setCurrentLanguage("pt"); // vanished: released, nothing applied, no signal
        QCOMPARE(QCoreApplication::translate("Ctx", "Open"), QString("Open"));
        QCOMPARE(vanished.count(), 0);
    }

    void languagePackage()
    {
        const QString src = m_env.path() + "/langsrc";
        makeQm(src + "/app_fr.qm", "Ctx", "Open", "Ouvrir");
        QFile::remove(src + "/app_fr.qm.ts");
        makePackage(src, "", m_dir + "/cfg/language/fr.rcc");
        QDir().mkpath(m_dir + "/cfg/language/ja");
        uxSrcMgr* mgr = fresh();
        QCOMPARE(mgr->languages(), QStringList({"fr"}));
        mgr->setCurrentLanguage("fr");
        QCOMPARE(QCoreApplication::translate("Ctx", "Open"), QString("Ouvrir"));
        uxSrcMgr::deleteInstance();
        QCOMPARE(QCoreApplication::translate("Ctx", "Open"), QString("Open"));
    }

    void nativeNames()
    {
        QCOMPARE(uxSrcMgr::nativeLanguageName("de"), QString("Deutsch"));
        QCOMPARE(uxSrcMgr::nativeLanguageName("zh_CN"), QString("简体中文"));
        QCOMPARE(uxSrcMgr::nativeLanguageName("fr_CA"), QString("French"));
    }

    void pictureAndFolderLookups()
    {
        uxSrcMgr* mgr = fresh();
        QCOMPARE(mgr->appIconPath(), m_dir + "/app.ico");
        QCOMPARE(mgr->splashImagePath("de"), m_dir + "/splashscreen.png");
        QCOMPARE(mgr->largeLogoPath(), m_dir + "/appLarge.png");
        writeTestFile(m_dir + "/app.png", "x");
        writeTestFile(m_dir + "/splashscreen_de.png", "x");
        writeTestFile(m_dir + "/cfg/about_de.png", "x");
        writeTestFile(m_dir + "/cfg/skin/S/Framework/appLarge.png", "x");
        QDir().mkpath(m_dir + "/cfg/language/de");
        mgr = fresh();
        mgr->setCurrentLanguage("de");
        QCOMPARE(mgr->appIconPath(), m_dir + "/app.png");
        QCOMPARE(mgr->splashImagePath("de"), m_dir + "/splashscreen_de.png");
        QCOMPARE(mgr->aboutImagePath(), m_dir + "/cfg/about_de.png");
        QCOMPARE(mgr->largeLogoPath(), m_dir + "/appLarge.png"); // no skin applied yet
        mgr->setCurrentSkin("S");
        QCOMPARE(mgr->largeLogoPath(), m_dir + "/cfg/skin/S/Framework/appLarge.png");
        QCOMPARE(mgr->audioPreviewPath(), m_dir + "/cfg/audiopreview.png");
        QVERIFY(QDir(uxSrcMgr::tempDir()).exists());
        QCOMPARE(uxSrcMgr::dpiScale(), 1.0);
        QCOMPARE(uxSrcMgr::osVersionName(), QString("linux"));
        QCOMPARE(uxSrcMgr::windowingSystemName(), QString("x11"));
    }

    void developerDumpOnlyWhenFolderExists()
    {
        uxProductInfo::instance()->loadConfig(
            "<Config><Product><Name>dumped</Name></Product></Config>");
        const QString base = m_env.home() + "/Tandrel_zoom";
        QVERIFY(uxSrcMgr::developerDumpDir().isEmpty());
        QVERIFY(!QDir(base).exists());
        QDir().mkpath(base);
        uxProductInfo::instance()->loadExtend("<Extend/>");
#ifdef KESTREL_DEVELOPER_DUMP
        QVERIFY(QFile::exists(base + "/dumped/product_extend.xml"));
#else
        QVERIFY(uxSrcMgr::developerDumpDir().isEmpty());
        QVERIFY(!QDir(base + "/dumped").exists());
#endif
        QDir(base).removeRecursively();
    }

    void systemLanguageFromLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("german") << "de_AT.UTF-8"
                                << "de";
        QTest::newRow("prc") << "zh_CN.UTF-8"
                             << "zh_CN";
        QTest::newRow("hong kong") << "zh_HK.UTF-8"
                                   << "zh_TW";
        QTest::newRow("taiwan") << "zh_TW.UTF-8"
                                << "zh_TW";
        QTest::newRow("english") << "en_GB.UTF-8"
                                 << "en";
        QTest::newRow("unlisted") << "sw_KE.UTF-8"
                                  << "en";
        QTest::newRow("bokmal") << "nb_NO.UTF-8"
                                << "no";
    }
    void systemLanguageFromLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, code);
        // The lookup runs in a child process, since the system locale is read once.
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("LANGUAGE");
        env.insert("LC_ALL", locale);
        env.insert("LANG", locale);
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationFilePath(), {"systemLanguage"});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), code);
    }
};

int main(int argc, char** argv)
{
    if (argc == 2 && qstrcmp(argv[1], "systemLanguage") == 0) {
        QCoreApplication app(argc, argv);
        printf("%s\n", qPrintable(uxSrcMgr::systemLanguage()));
        return 0;
    }
    TestEnvironment environment;
    QApplication app(argc, argv);
    TestSrcMgr tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_srcmgr.moc"
