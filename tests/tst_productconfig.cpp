// Product identity: the enciphered container, the producer tool and the
// product information with its fallback rules.
#include "framework/core/uxconfigcipher.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsrcmgr.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QProcess>

namespace {

QByteArray encipherRaw(QByteArray plain)
{
    plain.append(QByteArray((8 - plain.size() % 8) % 8, '\0'));
    uxConfigCipher::encryptConfigFile(uxConfigCipher::keyText(),
                                      reinterpret_cast<unsigned char*>(plain.data()),
                                      int(plain.size() / 8));
    return plain;
}

const char* const Config = R"(<?xml version="1.0" encoding="UTF-8"?>
<Config><Outer><Company><Title>Acme</Title><FullName>Acme Media</FullName>
<FoundYear>2008</FoundYear><ToYear>2012</ToYear>
<AllowedLanguages>en:de::fr:</AllowedLanguages></Company></Outer>
<Program><Name>acme-player</Name><Version>2.1</Version></Program>
<Product><Name>Acme Player</Name><GUID>{g}</GUID><ProductID>AP</ProductID><Version>2.1.0</Version>
<LocaleType>en</LocaleType>
<Language lang="en"><Name>Acme Player EN</Name><HomePage> https://acme.example/en </HomePage>
<ProductUrl>https://acme.example/en/p</ProductUrl><SupportUrl>https://acme.example/en/s</SupportUrl>
<SupportEMail> en@acme.example </SupportEMail><LocaleManual enable="1">help_en/help.html</LocaleManual>
<OnlineManual>https://acme.example/en/m</OnlineManual></Language>
<Language lang="de"><Name></Name><HomePage>https://acme.example/de</HomePage>
<SupportEMail>de@acme.example</SupportEMail><OnlineManual enable="2">https://acme.example/de/m</OnlineManual></Language>
<Language lang="fr"><Name>Lecteur</Name></Language>
<Language lang="fr"><Name>Lecteur Acme</Name><ProductUrl>https://acme.example/fr/p</ProductUrl></Language>
</Product></Config>)";

const char* const Extend = R"(<Extend><Param name="isSupportAutoUpdate" value="01"/>
<Param name="isFilterProductResources" value="true"/><Param name="colour" value="blue"/>
<Language lang="de"><Param name="colour" value="blau"/></Language>
<Language lang="fr"><Param name="size" value="x"/></Language>
<Language lang="fr"><Param name="other" value="y"/></Language></Extend>)";

} // namespace

class TestProductConfig : public QObject
{
    Q_OBJECT
private:
    TestEnvironment m_env;
    QString m_programDir;

    uxSrcMgr* programWith(const QMap<QString, QByteArray>& files)
    {
        QDir(m_programDir).removeRecursively();
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            writeTestFile(m_programDir + "/cfg/" + it.key(), it.value());
        return uxSrcMgr::createInstance(m_programDir);
    }

    uxProductInfo* loadedProduct(const QString& language)
    {
        uxProductInfo::deleteInstance();
        uxProductInfo* info = uxProductInfo::instance();
        QDir(m_programDir).removeRecursively();
        QDir().mkpath(m_programDir + "/cfg/language/" + language);
        uxSrcMgr::createInstance(m_programDir)->setCurrentLanguage(language);
        info->loadConfig(Config);
        info->loadExtend(Extend);
        return info;
    }

private Q_SLOTS:
    void initTestCase() { m_programDir = m_env.path() + "/program"; }
    void cleanup()
    {
        uxProductInfo::deleteInstance();
        uxSrcMgr::deleteInstance();
    }

    void desKnownAnswer()
    {
        // The classic DES test vector: key 133457799BBCDFF1, 0123456789ABCDEF.
        const QByteArray key = QByteArray::fromHex("133457799BBCDFF1");
        QByteArray block = QByteArray::fromHex("85E813540F0AB405");
        QVERIFY(uxConfigCipher::decryptConfigFile(
            key.constData(), reinterpret_cast<unsigned char*>(block.data()), 1));
        QCOMPARE(block.toHex().toUpper(), QByteArray("0123456789ABCDEF"));
        QVERIFY(!uxConfigCipher::decryptConfigFile(key.constData(), nullptr, 1));
        QVERIFY(!uxConfigCipher::decryptConfigFile(
            key.constData(), reinterpret_cast<unsigned char*>(block.data()), 0));
        QCOMPARE(block.toHex().toUpper(), QByteArray("0123456789ABCDEF"));
    }

    void decipherPaddingAndBlocks_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        const QByteArray xml = "<Config><a>é</a></Config>";
        QTest::newRow("zero padding") << encipherRaw(xml) << QString::fromUtf8(xml);
        QTest::newRow("non-zero padding")
            << encipherRaw(xml + "garbage</Config>x") << QString::fromUtf8(xml);
        QByteArray partial = encipherRaw(xml + "12345678");
        partial.chop(3);
        QTest::newRow("partial last block") << partial << QString::fromUtf8(xml);
        QTest::newRow("empty file") << QByteArray() << QString("</Config>");
        QTest::newRow("oversized") << QByteArray(65536, 'x') << QString();
    }
    void decipherPaddingAndBlocks()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QCOMPARE(uxConfigCipher::decipherText(file, "</Config>"), expected);
    }

    void readsInfoBeforeXmlAndFallsBack()
    {
        const QByteArray xml = "<Config><Product><Name>Info</Name></Product></Config>";
        uxSrcMgr* mgr = programWith({{"product.info", encipherRaw(xml)},
                                     {"product.xml", "<Config>plain</Config>"},
                                     {"product_extend.xml", "<Extend/>\n  trailing"}});
        QCOMPARE(mgr->productRoot(), m_programDir + "/cfg");
        QCOMPARE(mgr->readProductConfig(), QString::fromUtf8(xml));
        QCOMPARE(mgr->readProductExtend(), QString("<Extend/>\n  trailing"));
        mgr = programWith({});
        QVERIFY(mgr->readProductConfig().isEmpty());
        QVERIFY(mgr->readProductExtend().isEmpty());
    }

    void wronglyKeyedOrTruncatedFilesFallBack()
    {
        QByteArray wrongKey = "<Config><Product><Name>X</Name></Product></Config>";
        wrongKey.append(QByteArray((8 - wrongKey.size() % 8) % 8, '\0'));
        uxConfigCipher::encryptConfigFile("WrongKey",
                                          reinterpret_cast<unsigned char*>(wrongKey.data()),
                                          int(wrongKey.size() / 8));
        QByteArray truncated = encipherRaw("<Config><Product><Name>X</Name></Product></Config>");
        truncated.truncate(13);
        for (const QByteArray& file :
             {wrongKey, truncated, QByteArray(), QByteArray(70000, '\1')}) {
            uxSrcMgr* mgr = programWith({{"product.info", file}});
            uxProductInfo::deleteInstance();
            uxProductInfo* info = uxProductInfo::instance();
            const QString text = mgr->readProductConfig();
            // Garbage may still parse as an empty document; nothing is taken from it.
            if (!text.isEmpty())
                info->loadConfig(text);
            QVERIFY(info->name().isEmpty());
            QCOMPARE(info->localeType(), QString("en"));
        }
    }

    void packageRootHidesLooseFiles()
    {
        const QString qrcDir = m_env.path() + "/package";
        writeTestFile(qrcDir + "/product.xml", "<Config>packaged</Config>");
        writeTestFile(qrcDir + "/product.qrc", "<RCC><qresource prefix=\"/\"><file>product.xml</file>"
                                           "</qresource></RCC>");
        QDir().mkpath(m_programDir + "/cfg");
        QDir(m_programDir).removeRecursively();
        QDir().mkpath(m_programDir + "/cfg");
        QCOMPARE(QProcess::execute(KESTREL_RCC, {"--binary", qrcDir + "/product.qrc", "-o",
                                                 m_programDir + "/cfg/product.data"}),
                 0);
        writeTestFile(m_programDir + "/cfg/product.xml", "<Config>loose</Config>");
        uxSrcMgr* mgr = uxSrcMgr::createInstance(m_programDir);
        QCOMPARE(mgr->productRoot(), QString(":/product"));
        QCOMPARE(mgr->readProductConfig(), QString("<Config>packaged</Config>"));
        QVERIFY(mgr->readProductExtend().isEmpty());
    }

    void shippedProductFilesDecipher()
    {
        uxSrcMgr* mgr = uxSrcMgr::createInstance(stageDir());
        uxProductInfo* info = uxProductInfo::instance();
        QVERIFY(info->loadConfig(mgr->readProductConfig()));
        QVERIFY(info->loadExtend(mgr->readProductExtend()));
        QCOMPARE(info->name(), QString("Kestrel Player"));
        QCOMPARE(info->fullName(), QString("Kestrel Media"));
        QCOMPARE(info->guid(), QString("{5b0e6f3a-9c41-4d2e-b7a8-2f61c0d94e17}"));
        QCOMPARE(info->allowedLanguages(), QStringList({"en", "de", "fr", "es", "ja", "zh_CN"}));
        QVERIFY(info->isFilterProductResources());
        QVERIFY(!info->isSupportAutoUpdate());
    }

    void producerToolRoundTripAndErrors()
    {
        const QString tool = KESTREL_PRODUCTFILE_TOOL;
        const QString in = KESTREL_SOURCE_DIR "/resources/product/product_extend.xml";
        const QString info = m_env.path() + "/x.info";
        const QString back = m_env.path() + "/x.xml";
        QCOMPARE(QProcess::execute(tool, {"encrypt", in, info}), 0);
        QCOMPARE(QProcess::execute(tool, {"decrypt", info, back}), 0);
        QFile original(in), restored(back);
        QVERIFY(original.open(QIODevice::ReadOnly) && restored.open(QIODevice::ReadOnly));
        QCOMPARE(restored.readAll().trimmed(), original.readAll().trimmed());

        QProcess p;
        p.start(tool, {"decrypt", m_env.path() + "/missing.info", back});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("cannot read"));
        QCOMPARE(QProcess::execute(tool, {"--help"}), 0);
        QCOMPARE(QProcess::execute(tool, {"sideways"}), 2);
    }

    void yearTextAndLists()
    {
        uxProductInfo* info = uxProductInfo::instance();
        QCOMPARE(info->yearText(), QString("0"));
        QVERIFY(info->loadConfig(Config));
        QCOMPARE(info->yearText(), QString("2008-2012"));
        QCOMPARE(info->allowedLanguages(), QStringList({"en", "de", "fr"}));
        QCOMPARE(info->title(), QString("Acme"));
        QVERIFY(!info->loadConfig("<Config><Company>"));
        QCOMPARE(info->title(), QString("Acme"));
    }

    void configWithoutCompany()
    {
        programWith({});
        uxProductInfo* info = uxProductInfo::instance();
        QVERIFY(info->loadConfig("<Config><Program><Name>p</Name></Program>"
                                 "<Product><Name>n</Name></Product></Config>"));
        QCOMPARE(info->programName(), QString("p"));
        QCOMPARE(info->name(), QString("n"));
        QVERIFY(info->title().isEmpty());
        QCOMPARE(info->foundYear(), 0);
        QCOMPARE(uxSrcMgr::instance()->hasSkin("en"), false);
        QVERIFY(info->defaultSkin().isEmpty()); // "en" is not an installed skin
    }

    void perLanguageFallbacks_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("values"); // home, product, support, mail, online, local
        QTest::newRow("en") << "en"
                            << QStringList{"https://acme.example/en",   "https://acme.example/en/p",
                                           "https://acme.example/en/s", " en@acme.example ",
                                           "https://acme.example/en/m", "help_en/help.html"};
        // The de record has no ProductUrl, so home page and mail come from en.
        QTest::newRow("de") << "de"
                            << QStringList{"https://acme.example/en",   "https://acme.example/en/p",
                                           "https://acme.example/en/s", " en@acme.example ",
                                           "https://acme.example/de/m", "help_en/help.html"};
        QTest::newRow("unknown") << "it"
                                 << QStringList{
                                        "https://acme.example/en",   "https://acme.example/en/p",
                                        "https://acme.example/en/s", " en@acme.example ",
                                        "https://acme.example/en/m", "help_en/help.html"};
    }
    void perLanguageFallbacks()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, values);
        uxProductInfo* info = loadedProduct(language);
        QCOMPARE(QStringList({info->homePage(), info->productUrl(), info->supportUrl(),
                              info->supportEMail(), info->onlineManual(), info->localeManual()}),
                 values);
    }

    void displayNameFlagsAndParams()
    {
        uxProductInfo* info = loadedProduct("de");
        QCOMPARE(info->displayName(), QString("Acme Player")); // empty de name: product level
        QVERIFY(info->isOnlineManualEnabled());
        QVERIFY(!info->isLocaleManualEnabled());
        QCOMPARE(info->extendParam("colour"), QString("blau"));
        QCOMPARE(info->extendParam("colour", "en"), QString("blue"));
        QCOMPARE(info->extendParam("missing"), QString());
        QVERIFY(info->isSupportAutoUpdate());       // "01"
        QVERIFY(!info->isFilterProductResources()); // "true"
        info = loadedProduct("fr");
        QCOMPARE(info->displayName(), QString("Lecteur Acme")); // the later record wins
        QCOMPARE(info->productUrl(), QString("https://acme.example/fr/p"));
        QCOMPARE(info->extendParam("size"), QString()); // later map replaced, not merged
        QCOMPARE(info->extendParam("other"), QString("y"));
        info = loadedProduct("en");
        QCOMPARE(info->displayName(), QString("Acme Player EN"));
    }
};

KP_TEST_MAIN(TestProductConfig)
#include "tst_productconfig.moc"
