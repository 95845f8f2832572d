// The settings store: location, framework keys with their defaults, and
// damaged or unwritable stores.
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

class TestSettings : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    QString m_store;

    void writeStore(const QByteArray& ini)
    {
        QFile f(m_store);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(ini);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString dir = m_env.path() + "/program";
        QDir().mkpath(dir + "/cfg/skin/Dark");
        QDir().mkpath(dir + "/cfg/language/de");
        uxSrcMgr::createInstance(dir);
        uxProductInfo::instance()->loadConfig(
            "<Config><Company><Title>Acme</Title><FullName>Acme Media</FullName></Company>"
            "<Product><Name>Acme Player</Name></Product></Config>");
        uxSettings::instance();
        m_store = m_env.home() + "/.config/Acme Media/Acme Player.conf";
    }
    void cleanupTestCase()
    {
        uxSettings::deleteInstance();
        uxProductInfo::deleteInstance();
        uxSrcMgr::deleteInstance();
    }
    void init() { QFile::remove(m_store); }

    void storeIsNamedAfterTheProduct()
    {
        uxSettings::instance()->setValue("Preview/volume", 42);
        QVERIFY(QFile::exists(m_store));
        QCOMPARE(uxSettings::instance()->value("Preview/volume", 7).toInt(), 42);
        QCOMPARE(uxSettings::instance()->value("Preview/other", 7).toInt(), 7);
    }

    void directoriesAreCreatedOnRead()
    {
        uxSettings* s = uxSettings::instance();
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(s->snapshotDir(), documents + "/Acme Media/Snapshot");
        QVERIFY(QDir(documents + "/Acme Media/Snapshot").exists());
        QCOMPARE(s->tempOutputDir(), uxSrcMgr::tempDir() + "/Acme/Acme Player");
        QVERIFY(QDir(s->tempOutputDir()).exists());
        s->setSnapshotDir(m_env.path() + "/shots");
        QCOMPARE(s->snapshotDir(), m_env.path() + "/shots");
        QVERIFY(QDir(m_env.path() + "/shots").exists());
    }

    void frameworkKeyDefaults()
    {
        uxSettings* s = uxSettings::instance();
        QCOMPARE(s->snapshotFormat(), QString("JPEG"));
        s->setSnapshotFormat("");
        QCOMPARE(s->snapshotFormat(), QString()); // stored empty counts as present
        QVERIFY(s->isAutoUpdateEnabled());
        s->setAutoUpdateEnabled(false);
        QVERIFY(!s->isAutoUpdateEnabled());
        QCOMPARE(s->updateDownloadUrl(), QString());
    }

    void skinAndLanguageFallBackWhenUninstalled()
    {
        uxSettings* s = uxSettings::instance();
        QCOMPARE(s->skin("Fallback"), QString("Fallback"));
        s->setSkin("Dark  ");
        QCOMPARE(s->skin("Fallback"), QString("Dark"));
        s->setSkin("Removed");
        QCOMPARE(s->skin("Fallback"), QString("Fallback"));
        s->setLanguage(" de");
        QCOMPARE(s->language("en"), QString("de"));
        s->setLanguage("xx");
        QCOMPARE(s->language("en"), QString("en"));
    }

    void valuesOfTheWrongType()
    {
        QDir().mkpath(QFileInfo(m_store).path());
        writeStore("[General]\nSkin=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x4QFoo)\nLanguage=1, 2, 3\n"
                   "[Snapshot]\nPath=@ByteArray(\\xff\\xfe)\nFormat=@Invalid()\n"
                   "[Update]\nAutoEnabled=@Rect(1 2 3 4)\n[Application]\ngeometry=not geometry\n");
        uxSettings* s = uxSettings::instance();
        QCOMPARE(s->skin("Dark"), QString("Dark"));
        QCOMPARE(s->language("en"), QString("en"));
        QVERIFY(!s->snapshotDir().isEmpty());
        QCOMPARE(s->snapshotFormat(), QString("JPEG"));
        s->isAutoUpdateEnabled(); // any answer, but no crash
        QVERIFY(!s->value("Application/geometry").toByteArray().isEmpty());
    }

    void unwritableStoreKeepsWorking()
    {
        // A file where the store's folder belongs: nothing can be written, even by root.
        const QString folder = QFileInfo(m_store).path();
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        uxSettings* s = uxSettings::instance();
        s->setValue("Lost", "x");
        QCOMPARE(s->value("Lost", "default").toString(), QString("default"));
        QCOMPARE(s->skin("Dark"), QString("Dark"));
        s->setSnapshotDir(folder + "/shots");
        QCOMPARE(s->snapshotDir(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                     "/Acme Media/Snapshot");
        QFile::remove(folder);
        QDir().mkpath(folder);
    }
};

KP_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
