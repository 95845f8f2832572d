// The start-up picture: built-in layout, the layout file and its fallbacks,
// the picture, and hand-over to the main window.
#include "entry/uxsplashscreen.h"
#include "framework/core/uxsrcmgr.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMovie>
#include <QScreen>

class TestSplashScreen : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    QString m_dir;

    void useLayout(const QByteArray& xml)
    {
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir + "/cfg");
        if (!xml.isNull())
            writeTestFile(m_dir + "/splashscreen.xml", xml);
        uxSrcMgr::createInstance(m_dir);
    }
    static QLabel* label(const uxSplashScreen& s, const char* name)
    {
        return s.findChild<QLabel*>(name);
    }

private Q_SLOTS:
    void init() { m_dir = m_env.path() + "/program"; }
    void cleanup() { uxSrcMgr::deleteInstance(); }

    void builtInLayoutWithoutFile_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not well-formed") << QByteArray("<Splash><Layout><Width>600</Layout>");
    }
    void builtInLayoutWithoutFile()
    {
        QFETCH(QByteArray, xml);
        useLayout(xml);
        uxSplashScreen splash;
        QCOMPARE(splash.size(), QSize(513, 288));
        QCOMPARE(splash.objectName(), QString("uxSplashScreen"));
        QCOMPARE(label(splash, "lblMessage")->geometry(), QRect(20, 250, 250, 16));
        QCOMPARE(label(splash, "lblVersion")->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(label(splash, "lblCopyRight")->text(), QString("Copyright"));
        QVERIFY(splash.messageColor().isEmpty());
        QVERIFY(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void layoutFileCentresAndPlaces()
    {
        useLayout("<S><L><Width>600</Width><Height>400</Height>"
                  "<Message x='10' y='300' width='200' height='20' color='#ff0000'"
                  " valign='top' halign='centre'/>"
                  "<Version x='400' y='20' width='150' height='22' color='blue' halign='right'/>"
                  "<CopyRight y='350' width='500' height='20' valign='bottom' halign='center'/>"
                  "</L></S>");
        uxSplashScreen splash;
        const QRect screen = splash.screen()->geometry();
        QCOMPARE(splash.geometry(), QRect((screen.left() + screen.right()) / 2 - 300,
                                          (screen.top() + screen.bottom()) / 2 - 200, 600, 400));
        QCOMPARE(label(splash, "lblMessage")->geometry(), QRect(10, 300, 200, 20));
        QCOMPARE(label(splash, "lblMessage")->alignment(), Qt::AlignTop | Qt::AlignLeft);
        QCOMPARE(label(splash, "lblVersion")->alignment(), Qt::AlignVCenter | Qt::AlignRight);
        QCOMPARE(label(splash, "lblCopyRight")->geometry(), QRect(0, 350, 500, 20));
        QCOMPARE(label(splash, "lblCopyRight")->alignment(), Qt::AlignBottom | Qt::AlignHCenter);
        QCOMPARE(splash.messageColor(), QString("#ff0000"));
        QCOMPARE(splash.versionColor(), QString("blue"));
        QVERIFY(splash.copyrightColor().isEmpty());
    }

    void pictureShownOrSkipped()
    {
        useLayout(QByteArray());
        uxSplashScreen splash;
        splash.setBackground(stageDir() + "/splashscreen_de.png");
        auto* picture = splash.findChild<QLabel*>("lblBackground");
        QVERIFY(picture && picture->movie());
        QVERIFY(picture->movie()->isValid());
        QCOMPARE(picture->geometry(), splash.rect());
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QImage shot = splash.grab().toImage();
        QVERIFY(shot.pixelColor(5, 5) != QColor(Qt::black) || shot.pixelColor(400, 100).isValid());

        writeTestFile(m_dir + "/fake.png", "not an image at all");
        for (const QString& bad : {m_dir + "/missing.png", m_dir + "/fake.png"}) {
            splash.setBackground(bad);
            QVERIFY(!splash.findChild<QLabel*>("lblBackground")->movie()->isValid());
            splash.setMessage("<font color = red>still works</font>");
            QVERIFY(label(splash, "lblMessage")->text().contains("still works"));
        }
    }

    void finishClosesAndRaisesTheWindow()
    {
        useLayout(QByteArray());
        uxSplashScreen splash;
        QWidget window;
        window.setWindowTitle("main");
        splash.show();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        splash.finish(&window);
        QVERIFY(!splash.isVisible());
        QTRY_VERIFY(window.isActiveWindow());
    }

    void scaledBuiltInSize()
    {
        if (uxSrcMgr::dpiScale() != 1.5)
            QSKIP("runs with a logical resolution of 144 DPI");
        useLayout(QByteArray());
        uxSplashScreen splash;
        QCOMPARE(splash.size(), QSize(770, 432));
        useLayout("<S><L><Width>100</Width><Height>51</Height>"
                  "<Message x='3' y='5' width='7' height='9'/></L></S>");
        uxSplashScreen fromFile;
        QCOMPARE(fromFile.size(), QSize(150, 76));
        QCOMPARE(label(fromFile, "lblMessage")->geometry(), QRect(4, 7, 10, 13));
    }
};

KP_TEST_MAIN(TestSplashScreen)
#include "tst_splashscreen.moc"
