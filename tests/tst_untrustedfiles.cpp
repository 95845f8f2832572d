// Files a distributor or a careless hand may get wrong: a splash layout with
// absurd sizes, scale markers that overflow, a skin folder with looping and
// outward symbolic links.
#include "entry/uxsplashscreen.h"
#include "framework/core/uxsrcmgr.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>

class TestUntrustedFiles : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    QString m_dir;

    void freshProgram()
    {
        uxSrcMgr::deleteInstance();
        m_dir = m_env.path() + "/program";
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir + "/cfg/skin");
    }

private Q_SLOTS:
    void cleanup()
    {
        uxSrcMgr::deleteInstance();
        qApp->setStyleSheet(QString());
    }

    void splashLayoutStaysOnTheScreen_data()
    {
        QTest::addColumn<QByteArray>("layout");
        QTest::newRow("huge") << QByteArray(
            "<S><L><Width>100000</Width><Height>100000</Height>"
            "<Message x='2147483647' y='-5' width='100000' height='99999999999'/>"
            "<Version x='-2147483648' y='2147483647' width='2147483647' height='2147483647'/>"
            "<CopyRight x='10' y='10' width='-300' height='-1'/></L></S>");
        QTest::newRow("negative") << QByteArray(
            "<S><L><Width>-600</Width><Height>-2147483648</Height></L></S>");
        QTest::newRow("wider than the screen only") << QByteArray(
            "<S><L><Width>2147483647</Width><Height>200</Height>"
            "<Message x='100' y='150' width='200' height='20'/></L></S>");
    }

    void splashLayoutStaysOnTheScreen()
    {
        QFETCH(QByteArray, layout);
        freshProgram();
        writeTestFile(m_dir + "/splashscreen.xml", layout);
        uxSrcMgr::createInstance(m_dir);
        uxSplashScreen splash;
        const QRect screen = splash.screen()->geometry();
        QVERIFY2(screen.contains(splash.geometry()) || splash.size().isEmpty(),
                 qPrintable(QString("splash %1x%2").arg(splash.width()).arg(splash.height())));
        for (const char* name : {"lblMessage", "lblVersion", "lblCopyRight"}) {
            const QRect label = splash.findChild<QLabel*>(name)->geometry();
            QVERIFY2(label.isEmpty() || splash.rect().contains(label), name);
        }
    }

    void scaleMarkersNeverOverflow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("expected");
        QTest::newRow("huge factor") << "w:{{2000000000}}px" << 1e200 << "w:2147483647px";
        QTest::newRow("huge negative") << "{{-2000000000}}" << 1e200 << "-2147483647";
        QTest::newRow("not a number") << "{{12}}" << qQNaN() << "0";
        QTest::newRow("infinite") << "{{12}}" << qInf() << "0";
        QTest::newRow("ordinary") << "{{12}}" << 1.5 << "18";
    }

    void scaleMarkersNeverOverflow()
    {
        QFETCH(QString, text);
        QFETCH(double, factor);
        QFETCH(QString, expected);
        QCOMPARE(uxSrcMgr::scaleStyleSheet(text, factor), expected);
    }

    // A link back up would make the scan endless; a link out of the skin folder
    // would pull in style sheets from anywhere. Links that stay inside count.
    void skinScanStaysInsideTheSkinFolder()
    {
        freshProgram();
        const QString skin = m_dir + "/cfg/skin/Loopy";
        const QString outside = m_env.path() + "/elsewhere";
        writeTestFile(skin + "/skin.css", "#top {}");
        writeTestFile(skin + "/sub/skin.css", "#nested {}");
        writeTestFile(outside + "/skin.css", "#outside {}");
        writeTestFile(outside + "/deeper/skin.css", "#outsideDeeper {}");
        QVERIFY(QFile::link(skin, skin + "/sub/up"));
        QVERIFY(QFile::link("..", skin + "/sub/parent"));
        QVERIFY(QFile::link(outside, skin + "/out"));
        QVERIFY(QFile::link(outside + "/skin.css", skin + "/skin_project.css"));
        QVERIFY(QFile::link(skin + "/sub/skin.css", skin + "/skin_public.css"));

        uxSrcMgr::createInstance(m_dir);
        QVERIFY(uxSrcMgr::instance()->hasSkin("Loopy"));
        uxSrcMgr::instance()->setCurrentSkin("Loopy");
        const QString sheet = qApp->styleSheet();
        QCOMPARE(sheet.count("#top"), 1);
        QCOMPARE(sheet.count("#nested"), 2); // its own file and the inner link to it
        QVERIFY(!sheet.contains("#outside"));
    }
};

KP_TEST_MAIN(TestUntrustedFiles)
#include "tst_untrustedfiles.moc"
