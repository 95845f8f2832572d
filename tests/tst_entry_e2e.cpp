// The staged program started as people and their systems start it: from a
// terminal with a relative path, by a package script without a display, in two
// sessions of one user, and with a damaged settings store.
#include "fixtures/mediafixture.h"
#include "fixtures/stagedcopies.h"
#include "framework/core/uxhandoverslot.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <cstring>

namespace {

const QString ProductName = "Kestrel Player";
const QString ProductGuid = "{5b0e6f3a-9c41-4d2e-b7a8-2f61c0d94e17}";

// One login session of the user: its runtime folder and its settings folder.
struct Session
{
    QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString configDir = qEnvironmentVariable("XDG_CONFIG_HOME");

    QString settingsFile() const { return configDir + "/Kestrel Media/Kestrel Player.conf"; }
    QVariant setting(const QString& key) const
    {
        return QSettings(settingsFile(), QSettings::IniFormat).value(key);
    }
};

// Looks into the segments of a session from this process.
class InSession
{
public:
    explicit InSession(const Session& session) : m_saved(qgetenv("XDG_RUNTIME_DIR"))
    {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(session.runtimeDir));
    }
    ~InSession() { qputenv("XDG_RUNTIME_DIR", m_saved); }

    static QByteArray contents(const QString& key) { return StagedCopies::segmentContents(key); }

private:
    QByteArray m_saved;
};

quint32 publishedWindow(const Session& session)
{
    InSession in(session);
    const QByteArray bytes = InSession::contents(ProductName);
    quint32 id = 0;
    if (bytes.size() >= int(sizeof id))
        std::memcpy(&id, bytes.constData(), sizeof id);
    return id;
}

// The path waiting in the session's hand-over slot; "(none)" without a slot.
QString waitingPath(const Session& session)
{
    InSession in(session);
    const QByteArray bytes = InSession::contents(ProductGuid);
    return bytes.isEmpty() ? QString("(none)") : uxHandoverSlot::deserialise(bytes);
}

bool isViewable(quint32 id)
{
    QProcess xwininfo;
    xwininfo.start("xwininfo", {"-id", QString::number(id)});
    xwininfo.waitForFinished(10000);
    return xwininfo.readAllStandardOutput().contains("IsViewable");
}

QString program()
{
    return stageDir() + "/kestrel-player";
}

} // namespace

class TestEntryE2e : public QObject
{
    Q_OBJECT
    QList<QProcess*> m_copies;

    QProcess* startCopy(const QStringList& arguments, const Session& session = Session(),
                        const QString& workingDir = QString())
    {
        auto* copy = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", session.runtimeDir);
        environment.insert("XDG_CONFIG_HOME", session.configDir);
        copy->setProcessEnvironment(environment);
        copy->setProcessChannelMode(QProcess::ForwardedChannels);
        if (!workingDir.isEmpty())
            copy->setWorkingDirectory(workingDir);
        copy->start(program(), arguments);
        m_copies.append(copy);
        return copy;
    }

    // The window of the session's running copy once it is shown, 0 when none shows.
    static quint32 waitForRunningWindow(const Session& session)
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            const quint32 id = publishedWindow(session);
            if (id != 0 && isViewable(id))
                return id;
            QTest::qWait(50);
        }
        return 0;
    }

    // A later start: it hands its path over and ends at once.
    void handOver(const QStringList& arguments, const Session& session = Session(),
                  const QString& workingDir = QString())
    {
        QProcess* later = startCopy(arguments, session, workingDir);
        QVERIFY(later->waitForFinished(10000));
        QCOMPARE(later->exitStatus(), QProcess::NormalExit);
        QCOMPARE(later->exitCode(), 0);
        // The running copy takes the path within a second and empties the slot.
        QTRY_COMPARE_WITH_TIMEOUT(waitingPath(session), QString(), 10000);
    }

    // Ends a copy as a logout does; it saves what it keeps.
    static void terminate(QProcess* copy) { StagedCopies::terminate(copy); }

    Session newSession(const QString& name) const
    {
        Session session;
        const QString base = QDir::cleanPath(QDir::homePath() + "/../" + name);
        session.runtimeDir = base + "/runtime";
        session.configDir = base + "/config";
        QDir().mkpath(session.runtimeDir);
        QDir().mkpath(session.configDir);
        QFile::setPermissions(session.runtimeDir,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return session;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a window manager");
        QVERIFY(!MediaFixture::movie().isEmpty());
    }

    void init() { QFile::remove(Session().settingsFile()); }

    void cleanup() { StagedCopies::killAll(m_copies); }

    // "kestrel-player clip.mkv" in one folder, then the same in another: the
    // running copy opens both files, and keeps them under their full paths.
    void relativePathsOpenFromEitherStart()
    {
        const QString first = QDir::homePath() + "/Videos/holiday";
        const QString second = QDir::homePath() + "/Videos/party";
        for (const QString& folder : {first, second}) {
            QDir().mkpath(folder);
            QVERIFY(QFile::copy(MediaFixture::movie(), folder + "/clip.mkv"));
        }
        QProcess* running = startCopy({"clip.mkv"}, Session(), first);
        QVERIFY(waitForRunningWindow(Session()) != 0);
        QTRY_COMPARE_WITH_TIMEOUT(waitingPath(Session()), QString(), 10000);

        // Each entry is kept once its file plays.
        QTRY_COMPARE_WITH_TIMEOUT(Session().setting("RecentFile/strFile_0").toString(),
                                  first + "/clip.mkv", 10000);
        handOver({"clip.mkv"}, Session(), second);
        // The second joins the playlist and plays once the first (6 s) has ended.
        QTRY_COMPARE_WITH_TIMEOUT(Session().setting("RecentFile/strFile_0").toString(),
                                  second + "/clip.mkv", 15000);
        terminate(running);
        QCOMPARE(Session().setting("RecentFile/strFile_0").toString(), second + "/clip.mkv");
        QCOMPARE(Session().setting("RecentFile/strFile_1").toString(), first + "/clip.mkv");
        QCOMPARE(Session().setting("Edit/LastVideoFilePath").toString(), second + "/clip.mkv");
    }

    // Package scripts run the installation hooks with no display at all.
    void installHooksRunWithoutADisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        auto runHook = [&environment](const QString& hook) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.setProcessChannelMode(QProcess::ForwardedChannels);
            process.start(program(), {hook});
            const bool ended = process.waitForFinished(20000);
            return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode()
                                                                         : -1;
        };
        const QString self = QFileInfo(program()).canonicalFilePath();
        auto installed = [] {
            return QSettings("Kestrel Media", "Installed").value("KP1").toMap();
        };

        QCOMPARE(runHook("--register"), 0);
        QCOMPARE(installed().value(self).toString(), QString("1.0.0"));
        QCOMPARE(runHook("--deregister"), 0);
        QVERIFY(!QSettings("Kestrel Media", "Installed").contains("KP1"));
    }

    // Two sessions of one user with runtime folders of their own each run a copy;
    // neither takes the other's window slot or the paths handed to the other.
    void sessionsKeepTheirOwnCopies()
    {
        const Session one = newSession("session-one");
        const Session two = newSession("session-two");
        QProcess* copyOne = startCopy({}, one);
        const quint32 windowOne = waitForRunningWindow(one);
        QVERIFY(windowOne != 0);
        QProcess* copyTwo = startCopy({}, two);
        const quint32 windowTwo = waitForRunningWindow(two);
        QVERIFY(windowTwo != 0 && windowTwo != windowOne);
        QCOMPARE(copyTwo->state(), QProcess::Running);
        QCOMPARE(publishedWindow(one), windowOne);

        const QString movie = MediaFixture::movie();
        handOver({movie}, two);
        QTRY_COMPARE_WITH_TIMEOUT(two.setting("RecentFile/strFile_0").toString(), movie, 10000);
        terminate(copyOne);
        terminate(copyTwo);
        QCOMPARE(two.setting("RecentFile/strFile_0").toString(), movie);
        QCOMPARE(one.setting("RecentFile/strFile_0").toString(), QString());
    }

    // A settings store asking for a hundred thousand recent entries gets fifty.
    void recentListIsCapped()
    {
        {
            QSettings settings(Session().settingsFile(), QSettings::IniFormat);
            settings.setValue("RecentFile/Count", 100000);
            settings.setValue("RecentFile/strFile_70", "/old/far/down.mkv");
        }
        const QString movie = MediaFixture::movie();
        QProcess* running = startCopy({movie});
        QVERIFY(waitForRunningWindow(Session()) != 0);
        QTRY_COMPARE_WITH_TIMEOUT(waitingPath(Session()), QString(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(Session().setting("RecentFile/strFile_0").toString(), movie,
                                  10000);
        terminate(running);

        QSettings settings(Session().settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.value("RecentFile/strFile_0").toString(), movie);
        QVERIFY(settings.contains("RecentFile/strFile_49"));
        QVERIFY(!settings.contains("RecentFile/strFile_50"));
        QCOMPARE(settings.value("RecentFile/strFile_70").toString(), QString("/old/far/down.mkv"));
        QCOMPARE(settings.value("RecentFile/Count").toInt(), 100000); // never written
    }
};

KP_TEST_MAIN(TestEntryE2e)
#include "tst_entry_e2e.moc"
