// What the window's first picture does not need waits until it is on the
// screen.
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QFile>
#include <QTest>

namespace {

// libVLC's modules are loaded when its instance is made, not with the library.
bool libVlcModulesLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/vlc/plugins/");
}

} // namespace

class TestStartupOrder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { FrameworkFixture::loadProduct(); }

    // Runs first: no other window of this process has made libVLC yet.
    void libVlcIsMadeAfterTheFirstPaint()
    {
        QVERIFY(!libVlcModulesLoaded());
        MainWindowBase window;
        QTest::qWait(500);
        QVERIFY(!libVlcModulesLoaded());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Nothing asks for libVLC here: the painted window starts it by itself.
        QTRY_VERIFY_WITH_TIMEOUT(libVlcModulesLoaded(), 15000);
    }
};

KP_TEST_MAIN(TestStartupOrder)
#include "tst_startuporder.moc"
