// Another local user, played by a second real uid, lays segments in the way of
// this user's player: under the keys of its instance segment and its hand-over
// slot, open to everybody, with a window id and a path of its choosing.
#include "entry/uxsingleinstance.h"
#include "fixtures/mediafixture.h"
#include "framework/core/uxhandoverslot.h"
#include "platform/platformsharedmemory.h"
#include "platform/platformusersharedmemory.h"
#include "testenvironment.h"

#include <QApplication>
#include <QProcess>
#include <QSettings>
#include <QUuid>
#include <QWidget>

#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

namespace {

const QString Intruder = "kp-intruder";
const QString ProductName = "Kestrel Player";
const QString ProductGuid = "{5b0e6f3a-9c41-4d2e-b7a8-2f61c0d94e17}";

// The System V key the user's segment under key has now (Qt's ftok with 'Q').
key_t systemKey(const QString& key)
{
    const QString keyFile = PlatformUserSharedMemory::userNativeKey(key);
    if (!QFile::exists(keyFile))
        writeTestFile(keyFile, QByteArray());
    return ftok(QFile::encodeName(keyFile).constData(), 'Q');
}

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

class TestForeignSegments : public QObject
{
    Q_OBJECT
    QString m_helper;
    QString m_helperDir;
    QString m_group;
    QList<key_t> m_intrudersKeys;

    // Runs the helper as the other user; its exit code (0 done, 2 refused).
    int asIntruder(const QStringList& arguments)
    {
        int code = -1;
        run("setpriv", QStringList{"--reuid=" + Intruder, "--regid=" + m_group, "--clear-groups",
                                   "--", m_helper} + arguments,
            &code);
        return code;
    }

    // The other user's segment under key, readable and writable by everybody.
    void plant(key_t key, int size, const QByteArray& bytes)
    {
        QCOMPARE(asIntruder({"create", QString::number(key), QString::number(size),
                             QString::fromLatin1(bytes.toHex())}),
                 0);
        m_intrudersKeys << key;
    }

    int intruderAttaches(const QString& key)
    {
        return asIntruder({"attach", QString::number(systemKey(key))});
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (::getuid() != 0)
            QSKIP("a second real user can only be made by root");
        int code = -1;
        run("id", {"-u", Intruder}, &code);
        if (code != 0) {
            run("useradd", {"--system", "--no-create-home", "--shell", "/usr/sbin/nologin",
                            Intruder},
                &code);
            QCOMPARE(code, 0);
        }
        m_group = run("id", {"-g", Intruder});
        QVERIFY(!m_group.isEmpty());
        // The other user must reach the helper: a folder everybody may enter.
        m_helperDir = "/tmp/kp-foreign-" + QUuid::createUuid().toString(QUuid::Id128);
        QVERIFY(QDir().mkpath(m_helperDir));
        m_helper = m_helperDir + "/kp-foreign-segment";
        QVERIFY(QFile::copy(KESTREL_TEST_BIN_DIR "/kp-foreign-segment", m_helper));
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(m_helperDir, open));
        QVERIFY(QFile::setPermissions(m_helper, open));
    }

    void cleanup()
    {
        for (key_t key : std::as_const(m_intrudersKeys)) {
            const int id = shmget(key, 0, 0);
            if (id != -1)
                shmctl(id, IPC_RMID, nullptr);
        }
        m_intrudersKeys.clear();
    }

    void cleanupTestCase()
    {
        if (!m_helperDir.isEmpty())
            QDir(m_helperDir).removeRecursively();
    }

    // The hand-over slot: a later start does not write into the other user's
    // segment, the running copy makes its own and never reads the planted path,
    // and the other user cannot reach the new one.
    void handOverSlotOfAnotherUserIsNeverUsed()
    {
        const QString key = QUuid::createUuid().toString();
        const key_t planted = systemKey(key);
        plant(planted, uxHandoverSlot::SegmentSize, uxHandoverSlot::serialise("/intruder.mkv"));

        QCOMPARE(uxHandoverSlot::handOver(key, "/mine.mkv", 0), uxHandoverSlot::NoRunningCopy);
        uxHandoverSlot slot(key);
        QVERIFY(slot.open());
        QVERIFY(!slot.wasAttached());
        QCOMPARE(slot.takePath(), QString());
        QVERIFY(systemKey(key) != planted);
        QCOMPARE(PlatformSharedMemory::permissions(slot.nativeKey()), 0600);
        QCOMPARE(intruderAttaches(key), 2);

        QCOMPARE(uxHandoverSlot::handOver(key, "/mine.mkv", 0), uxHandoverSlot::Delivered);
        QCOMPARE(slot.takePath(), QString("/mine.mkv"));
    }

    // The instance segment: the copy runs, publishes its window into a segment
    // of its own, and the other user can neither read nor replace it.
    void instanceSegmentOfAnotherUserIsNeverUsed()
    {
        const QString name = "kp-test-" + QUuid::createUuid().toString(QUuid::Id128);
        plant(systemKey(name), 64, QByteArray::fromHex("78563412"));

        uxSingleInstance guard(name);
        QVERIFY(guard.isRunningAllowed());
        QWidget window;
        window.show();
        guard.setMainWindow(&window);
        const QString keyFile = PlatformUserSharedMemory::userNativeKey(name);
        QCOMPARE(PlatformSharedMemory::permissions(keyFile), 0600);
        QVERIFY(PlatformSharedMemory::isPrivate(keyFile));
        QCOMPARE(intruderAttaches(name), 2);
    }

    // The staged player started over both planted segments says so on standard
    // error, runs, and never opens the other user's path.
    void playerNeverOpensAnotherUsersPath()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a window manager");
        const QString movie = MediaFixture::movie();
        QVERIFY(!movie.isEmpty());
        plant(systemKey(ProductGuid), uxHandoverSlot::SegmentSize, uxHandoverSlot::serialise(movie));
        plant(systemKey(ProductName), 64, QByteArray(64, '\0'));

        QProcess player;
        player.start(stageDir() + "/kestrel-player", {});
        QVERIFY(player.waitForStarted());
        // Its own instance segment holds its window once it shows.
        auto publishedWindow = [] {
            PlatformUserSharedMemory segment(ProductName);
            quint32 id = 0;
            if (segment.attach(QSharedMemory::ReadOnly) && segment.size() >= 4)
                std::memcpy(&id, segment.constData(), sizeof id);
            return id;
        };
        QTRY_VERIFY_WITH_TIMEOUT(publishedWindow() != 0, 20000);
        QCOMPARE(intruderAttaches(ProductGuid), 2);
        QCOMPARE(intruderAttaches(ProductName), 2);
        QTest::qWait(2500); // more than two polls of the hand-over slot

        player.terminate();
        QVERIFY(player.waitForFinished(20000));
        QCOMPARE(player.exitCode(), 0);
        QVERIFY2(player.readAllStandardError().contains("belongs to another user"),
                 "the replaced segments are reported");
        const QString settings =
            qEnvironmentVariable("XDG_CONFIG_HOME") + "/Kestrel Media/Kestrel Player.conf";
        QCOMPARE(QSettings(settings, QSettings::IniFormat).value("RecentFile/strFile_0").toString(),
                 QString());
    }
};

KP_TEST_MAIN(TestForeignSegments)
#include "tst_foreignsegments.moc"
