// Where the player keeps what belongs to one user's session: the runtime folder,
// the instance lock, the shared segments and the temporary output folder.
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "platform/platformenvironment.h"
#include "platform/platforminstancelock.h"
#include "platform/platformusersharedmemory.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUuid>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <memory>

namespace {

const QFile::Permissions OthersMay = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                     QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

bool isClosedToOthers(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink() && !(info.permissions() & OthersMay);
}

// Sets XDG_RUNTIME_DIR for the life of the object.
class RuntimeDir
{
public:
    explicit RuntimeDir(const QByteArray& path) : m_saved(qgetenv("XDG_RUNTIME_DIR"))
    {
        if (path.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", path);
    }
    ~RuntimeDir() { qputenv("XDG_RUNTIME_DIR", m_saved); }

private:
    QByteArray m_saved;
};

void writeInto(PlatformUserSharedMemory& segment, const QByteArray& bytes)
{
    QVERIFY(segment.lock());
    std::memcpy(segment.data(), bytes.constData(), size_t(bytes.size()));
    segment.unlock();
}

QByteArray readFrom(PlatformUserSharedMemory& segment, int count)
{
    if (!segment.lock())
        return QByteArray();
    const QByteArray bytes(static_cast<const char*>(segment.constData()), count);
    segment.unlock();
    return bytes;
}

} // namespace

class TestUserPlaces : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;

    QString fallbackDir() const
    {
        return m_env.home() + "/.cache/runtime-" + QSysInfo::machineHostName();
    }

    QString folder(const QString& name, QFile::Permissions permissions) const
    {
        const QString path = m_env.path() + "/" + name;
        QDir().mkpath(path);
        QFile::setPermissions(path, permissions);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString dir = m_env.path() + "/program";
        QDir().mkpath(dir + "/cfg/skin/Dark");
        uxSrcMgr::createInstance(dir);
        uxProductInfo::instance()->loadConfig(
            "<Config><Company><Title>Acme</Title><FullName>Acme Media</FullName></Company>"
            "<Product><Name>Acme Player</Name></Product></Config>");
        uxSettings::instance();
    }

    void cleanupTestCase()
    {
        uxSettings::deleteInstance();
        uxProductInfo::deleteInstance();
        uxSrcMgr::deleteInstance();
    }

    // The session's folder is used only when it is the user's own and closed to
    // others; otherwise a private folder in the user's cache folder stands in.
    void runtimeFolderIsPrivate()
    {
        QCOMPARE(PlatformEnvironment::userRuntimeDir(), m_env.runtimeDir());

        const QString open = folder("open-runtime", QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ExeOwner | QFile::ReadOther |
                                                           QFile::ExeOther);
        const QString linkToPrivate = m_env.path() + "/runtime-link";
        QVERIFY(QFile::link(m_env.runtimeDir(), linkToPrivate));
        for (const QByteArray& session :
             {QByteArray(), QByteArray(""), QByteArray("relative/runtime"), QFile::encodeName(open),
              QFile::encodeName(linkToPrivate), QFile::encodeName(m_env.path() + "/missing")}) {
            RuntimeDir runtime(session);
            QCOMPARE(PlatformEnvironment::userRuntimeDir(), fallbackDir());
            QVERIFY(isClosedToOthers(fallbackDir()));
        }

        // A fallback folder someone opened up is closed again.
        QFile::setPermissions(fallbackDir(), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::ReadOther |
                                                 QFile::WriteOther | QFile::ExeOther);
        RuntimeDir runtime(QByteArray{});
        QCOMPARE(PlatformEnvironment::userRuntimeDir(), fallbackDir());
        QVERIFY(isClosedToOthers(fallbackDir()));
    }

    // Snapshots pass through the temporary output folder on their way to the user.
    void temporaryOutputIsPrivate()
    {
        const QString output = uxSettings::instance()->tempOutputDir();
        QCOMPARE(output, m_env.runtimeDir() + "/Acme/Acme Player");
        QVERIFY(isClosedToOthers(output));

        RuntimeDir runtime(QByteArray{});
        const QString fallback = uxSettings::instance()->tempOutputDir();
        QCOMPARE(fallback, fallbackDir() + "/Acme/Acme Player");
        QVERIFY(isClosedToOthers(fallback));
    }

    // One segment object goes through the steps the running copy and later copies
    // take: create, find it taken, attach, let go and attach again.
    void segmentObjectsCanBeUsedAgain()
    {
        const QString key = QUuid::createUuid().toString();
        PlatformUserSharedMemory holder(key);
        QVERIFY(holder.create(64));
        PlatformUserSharedMemory other(key);
        QVERIFY(!other.create(64));
        QCOMPARE(other.error(), QSharedMemory::AlreadyExists);
        QVERIFY(other.attach());
        writeInto(other, "shared");
        QVERIFY(holder.detach());
        QVERIFY(holder.attach(QSharedMemory::ReadOnly));
        QCOMPARE(readFrom(holder, 6), QByteArray("shared"));
        QVERIFY(other.detach());
        QVERIFY(other.attach());
    }

    // The lock and both segments live in the same folder, so two sessions with
    // folders of their own never meet in a segment, while copies in one session do.
    void sessionsHaveSegmentsOfTheirOwn()
    {
        const QString key = QUuid::createUuid().toString();
        const QString first = folder("session-1", QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner);
        const QString second = folder("session-2", QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ExeOwner);
        std::unique_ptr<PlatformUserSharedMemory> inFirst, inSecond;
        {
            RuntimeDir runtime(QFile::encodeName(first));
            QVERIFY(PlatformInstanceLock::lockFilePath(key).startsWith(first + "/"));
            inFirst = std::make_unique<PlatformUserSharedMemory>(key);
            QVERIFY(inFirst->nativeKey().startsWith(first + "/"));
            QVERIFY(inFirst->create(64));
            writeInto(*inFirst, "first");
        }
        {
            RuntimeDir runtime(QFile::encodeName(second));
            inSecond = std::make_unique<PlatformUserSharedMemory>(key);
            QVERIFY(inSecond->create(64));
            writeInto(*inSecond, "second");
            PlatformUserSharedMemory sameSession(key);
            QVERIFY(sameSession.attach(QSharedMemory::ReadOnly));
            QCOMPARE(readFrom(sameSession, 6), QByteArray("second"));
        }
        QCOMPARE(readFrom(*inFirst, 5), QByteArray("first"));
        // Nothing is left in the shared temporary folder for others to find.
        QVERIFY(QDir(QDir::tempPath()).entryList(QDir::Files | QDir::System).isEmpty());
    }

    // After a large block is freed, a smaller large block still comes from the
    // system (and goes back to it when freed), instead of staying in the heap.
    void largeFreedBlocksGoBackToTheSystem()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer has an allocator of its own");
#endif
        PlatformEnvironment::returnLargeFreedBlocks();
        void* picture = std::malloc(4 * 1024 * 1024);
        QVERIFY(picture);
        std::memset(picture, 1, 4 * 1024 * 1024);
        std::free(picture);
        const size_t mapped = mallinfo2().hblks;
        void* smaller = std::malloc(512 * 1024);
        QVERIFY(smaller);
        QCOMPARE(mallinfo2().hblks, mapped + 1);
        std::free(smaller);
        QCOMPARE(mallinfo2().hblks, mapped);
    }
};

KP_TEST_MAIN(TestUserPlaces)
#include "tst_userplaces.moc"
