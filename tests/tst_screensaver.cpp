// The screen stays awake while a video plays and only then: the real window
// plays generated media on a private session bus (the suite runs under
// dbus-run-session) where a stand-in screensaver service records every call.
#include "fixtures/mediafixture.h"
#include "fixtures/playerwindowfixture.h"
#include "platform/platformscreensaverinhibitor.h"
#include "framework/core/uxsrcmgr.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtTest>

namespace {

// Records Inhibit/UnInhibit as "+cookie" and "-cookie", like the desktop's
// service it hands out a new cookie per inhibition.
class StandInService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QStringList calls;
    QString lastApplication;
    uint next = 41;
public slots:
    uint Inhibit(const QString& application, const QString&)
    {
        lastApplication = application;
        calls << QStringLiteral("+%1").arg(++next);
        return next;
    }
    void UnInhibit(uint cookie) { calls << QStringLiteral("-%1").arg(cookie); }
};

class PowerStandIn : public StandInService
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.PowerManagement.Inhibit")
};

// The service lives on a connection of its own, so the player's calls travel
// through the bus daemon as they would to the desktop's service.
struct Registration
{
    QDBusConnection bus;
    QString service;
    Registration(const QString& name, const QString& service, const QString& path, QObject* object)
        : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)), service(service)
    {
        bus.registerObject(path, object, QDBusConnection::ExportAllSlots);
        bus.registerService(service);
    }
    static Registration screenSaver(StandInService* service)
    {
        return Registration(QStringLiteral("standin"), QStringLiteral("org.freedesktop.ScreenSaver"),
                            QStringLiteral("/org/freedesktop/ScreenSaver"), service);
    }
    ~Registration()
    {
        bus.unregisterService(service);
        QDBusConnection::disconnectFromBus(bus.name());
    }
};

} // namespace

class TestScreenSaver : public QObject, public PlayerWindowFixture
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void videoKeepsTheScreenAwakeOnlyWhilePlaying();
    void audioAndClosingLetTheScreenSleep();
    void fallsBackToPowerManagement();
    void noServicePlaysOn();
};

void TestScreenSaver::initTestCase()
{
    FrameworkFixture::loadProduct();
    uxSrcMgr::instance()->setCurrentSkin("Dark");
    QVERIFY2(QDBusConnection::sessionBus().isConnected(),
             "the suite runs under dbus-run-session with a private bus");
    QVERIFY(!MediaFixture::movie().isEmpty());
    QVERIFY(!MediaFixture::audioOnly().isEmpty());
}

void TestScreenSaver::cleanup()
{
    closeWindow();
}

void TestScreenSaver::videoKeepsTheScreenAwakeOnlyWhilePlaying()
{
    StandInService service;
    const Registration reg = Registration::screenSaver(&service);
    openWindow();
    openAndPlay(MediaFixture::movie());
    QTRY_COMPARE(service.calls, QStringList({"+42"}));
    QVERIFY(!service.lastApplication.isEmpty());

    m_player->pause();
    QTRY_COMPARE(service.calls, QStringList({"+42", "-42"}));
    m_player->play();
    QTRY_COMPARE(service.calls, QStringList({"+42", "-42", "+43"}));
    m_player->stop();
    QTRY_COMPARE(service.calls, QStringList({"+42", "-42", "+43", "-43"}));
    // Nothing more comes from the stop's later state changes.
    QTest::qWait(500);
    QCOMPARE(service.calls.size(), 4);
}

void TestScreenSaver::audioAndClosingLetTheScreenSleep()
{
    StandInService service;
    const Registration reg = Registration::screenSaver(&service);
    openWindow();
    openAndPlay(MediaFixture::audioOnly());
    QTest::qWait(800);
    QCOMPARE(service.calls, QStringList());

    // Switching to a video while audio plays inhibits; closing the window
    // while it plays releases.
    openAndPlay(MediaFixture::movie());
    QTRY_COMPARE(service.calls, QStringList({"+42"}));
    closeWindow();
    QTRY_COMPARE(service.calls, QStringList({"+42", "-42"}));
}

void TestScreenSaver::fallsBackToPowerManagement()
{
    PowerStandIn power;
    Registration reg(QStringLiteral("power"), QStringLiteral("org.freedesktop.PowerManagement"),
                     QStringLiteral("/org/freedesktop/PowerManagement/Inhibit"), &power);
    openWindow();
    openAndPlay(MediaFixture::movie());
    QTRY_COMPARE(power.calls, QStringList({"+42"}));
    m_player->pause();
    QTRY_COMPARE(power.calls, QStringList({"+42", "-42"}));
}

void TestScreenSaver::noServicePlaysOn()
{
    // Neither service on the bus: the calls fail quickly and the window plays,
    // pauses and plays again as usual.
    PlatformScreenSaverInhibitor inhibitor(QStringLiteral("test"));
    inhibitor.setInhibited(true, QStringLiteral("why"));
    QTest::qWait(300);
    QVERIFY(!inhibitor.isHeld());
    openWindow();
    openAndPlay(MediaFixture::movie());
    m_player->pause();
    QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
}

KP_TEST_MAIN(TestScreenSaver)
#include "tst_screensaver.moc"
