// Ejecting a disc as a normal user: through udisks on the system bus, here a
// stand-in udisks on the suite's private bus (it runs under dbus-run-session
// and points the system bus at it), and the fallback when udisks is absent.
#include "platform/platformdiscejector.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kBlock = QStringLiteral("/org/freedesktop/UDisks2/block_devices/sr0");
const QString kDrive = QStringLiteral("/org/freedesktop/UDisks2/drives/Fixture_Drive");

// What the stand-in was asked, and how its unmount answers.
struct Udisks
{
    QStringList calls;
    QStringList unmountErrors; // one error name per call, then success
};

class ManagerAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UDisks2.Manager")
public:
    ManagerAdaptor(QObject* parent, Udisks& state) : QDBusAbstractAdaptor(parent), m_state(state) {}
public slots:
    QList<QDBusObjectPath> ResolveDevice(const QVariantMap& device, const QVariantMap&)
    {
        const QString path = device.value(QStringLiteral("path")).toString();
        m_state.calls << QStringLiteral("resolve ") + path;
        if (path == QLatin1String("/dev/sr0"))
            return {QDBusObjectPath(kBlock)};
        return {};
    }
private:
    Udisks& m_state;
};

class BlockAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UDisks2.Block")
    Q_PROPERTY(QDBusObjectPath Drive READ drive)
public:
    explicit BlockAdaptor(QObject* parent) : QDBusAbstractAdaptor(parent) {}
    QDBusObjectPath drive() const { return QDBusObjectPath(kDrive); }
};

// QtDBus keeps a call's context on the object an adaptor belongs to, and
// finds it through that object's meta-object.
class ContextObject : public QObject, public QDBusContext
{
    Q_OBJECT
public:
    void fail(const QString& name, const QString& text) { sendErrorReply(name, text); }
};

class FilesystemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UDisks2.Filesystem")
public:
    FilesystemAdaptor(QObject* parent, Udisks& state) : QDBusAbstractAdaptor(parent), m_state(state) {}
public slots:
    void Unmount(const QVariantMap&)
    {
        m_state.calls << QStringLiteral("unmount");
        if (!m_state.unmountErrors.isEmpty()) {
            const QString name = m_state.unmountErrors.takeFirst();
            static_cast<ContextObject*>(parent())->fail(name, name.section(QLatin1Char('.'), -1) + QStringLiteral(": refused by the stand-in"));
        }
    }
private:
    Udisks& m_state;
};

class DriveAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.UDisks2.Drive")
public:
    DriveAdaptor(QObject* parent, Udisks& state) : QDBusAbstractAdaptor(parent), m_state(state) {}
public slots:
    void Eject(const QVariantMap&) { m_state.calls << QStringLiteral("eject"); }
private:
    Udisks& m_state;
};

// The stand-in on a connection of its own, so calls go through the daemon.
class StandInUdisks
{
public:
    Udisks state;

    StandInUdisks()
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SystemBus,
                                              QStringLiteral("udisks%1").arg(++s_instances)))
    {
        new ManagerAdaptor(&m_manager, state);
        new BlockAdaptor(&m_block);
        new FilesystemAdaptor(&m_block, state);
        new DriveAdaptor(&m_drive, state);
        m_bus.registerObject(QStringLiteral("/org/freedesktop/UDisks2/Manager"), &m_manager,
                             QDBusConnection::ExportAdaptors);
        m_bus.registerObject(kBlock, &m_block, QDBusConnection::ExportAdaptors);
        m_bus.registerObject(kDrive, &m_drive, QDBusConnection::ExportAdaptors);
        m_bus.registerService(QStringLiteral("org.freedesktop.UDisks2"));
    }
    ~StandInUdisks()
    {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.UDisks2"));
        for (const QString& path : {QStringLiteral("/org/freedesktop/UDisks2/Manager"), kBlock, kDrive})
            m_bus.unregisterObject(path);
    }

private:
    static inline int s_instances = 0;
    QDBusConnection m_bus;
    QObject m_manager;
    ContextObject m_block;
    QObject m_drive;
};

} // namespace

class TestDiscEjector : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void ejectsThroughUdisks_data();
    void ejectsThroughUdisks();
    void withoutUdisksNeverClaimsSuccess();

private:
    // Runs one eject and returns (ejected, why).
    QPair<bool, QString> eject(const QString& device);
};

void TestDiscEjector::initTestCase()
{
    // The system bus of this suite is its private session bus.
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    QVERIFY2(!address.isEmpty(), "the suite runs under dbus-run-session");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    QVERIFY(QDBusConnection::systemBus().isConnected());
}

QPair<bool, QString> TestDiscEjector::eject(const QString& device)
{
    PlatformDiscEjector ejector;
    QSignalSpy finished(&ejector, &PlatformDiscEjector::finished);
    if (!ejector.eject(device, QStringLiteral("/media/user/FIXTURE_DISC")))
        return {false, QStringLiteral("refused to start")};
    if (!finished.wait(20000))
        return {false, QStringLiteral("no answer")};
    return {finished.first().at(0).toBool(), finished.first().at(1).toString()};
}

void TestDiscEjector::ejectsThroughUdisks_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("unmountErrors");
    QTest::addColumn<bool>("ejected");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("reason");
    const QString busy = QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy");
    const QString denied = QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorized");
    const QString notMounted = QStringLiteral("org.freedesktop.UDisks2.Error.NotMounted");
    QTest::newRow("unmount, then eject the drive")
        << "/dev/sr0" << QStringList() << true
        << QStringList({"resolve /dev/sr0", "unmount", "eject"}) << QString();
    // The player lets go of the disc's files a moment after the stop.
    QTest::newRow("busy for a moment")
        << "/dev/sr0" << QStringList({busy, busy}) << true
        << QStringList({"resolve /dev/sr0", "unmount", "unmount", "unmount", "eject"}) << QString();
    QTest::newRow("busy for good")
        << "/dev/sr0" << QStringList(6, busy) << false
        << QStringList({"resolve /dev/sr0", "unmount", "unmount", "unmount", "unmount", "unmount"})
        << "DeviceBusy";
    QTest::newRow("not allowed says why")
        << "/dev/sr0" << QStringList({denied}) << false
        << QStringList({"resolve /dev/sr0", "unmount"}) << "NotAuthorized";
    QTest::newRow("already unmounted still ejects")
        << "/dev/sr0" << QStringList({notMounted}) << true
        << QStringList({"resolve /dev/sr0", "unmount", "eject"}) << QString();
    QTest::newRow("unknown device")
        << "/dev/sr9" << QStringList() << false << QStringList({"resolve /dev/sr9"}) << "/dev/sr9";
}

void TestDiscEjector::ejectsThroughUdisks()
{
    QFETCH(QString, device);
    QFETCH(QStringList, unmountErrors);
    StandInUdisks udisks;
    udisks.state.unmountErrors = unmountErrors;
    const auto [ejected, why] = eject(device);
    QTEST(ejected, "ejected");
    QTEST(udisks.state.calls, "calls");
    QFETCH(QString, reason);
    if (reason.isEmpty())
        QVERIFY2(why.isEmpty(), qPrintable(why));
    else
        QVERIFY2(why.contains(reason), qPrintable(why));
}

void TestDiscEjector::withoutUdisksNeverClaimsSuccess()
{
    // Nothing answers for udisks: the ejector unmounts itself, which fails
    // here (nothing is mounted there), and says so rather than succeeding.
    const auto [ejected, why] = eject(QStringLiteral("/dev/sr0"));
    QVERIFY(!ejected);
    QVERIFY2(why.contains(QLatin1String("/media/user/FIXTURE_DISC")), qPrintable(why));
}

QTEST_GUILESS_MAIN(TestDiscEjector)
#include "tst_discejector.moc"
