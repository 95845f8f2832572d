// With Qt's own scaling off, the logical resolution decides the scale factor,
// and skin lengths follow it.
#include "framework/core/uxsrcmgr.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDir>

class TestSrcMgrScaled : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
private Q_SLOTS:
    void scaledSkin()
    {
        QCOMPARE(uxSrcMgr::dpiScale(), 1.5);
        const QString dir = m_env.path() + "/program";
        QDir().mkpath(dir + "/cfg/skin/S");
        QFile css(dir + "/cfg/skin/S/skin.css");
        QVERIFY(css.open(QIODevice::WriteOnly));
        css.write("QPushButton{min-width:{{3}}px;max-width:{{12}}px;}");
        css.close();
        uxSrcMgr::createInstance(dir)->setCurrentSkin("S");
        QCOMPARE(qApp->styleSheet(), QString("QPushButton{min-width:4px;max-width:18px;}"));
        uxSrcMgr::deleteInstance();
    }
};

KP_TEST_MAIN(TestSrcMgrScaled)
#include "tst_srcmgr_scaled.moc"
