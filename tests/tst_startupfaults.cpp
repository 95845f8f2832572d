// The staged program under the faults of a careless world: a damaged product
// configuration, a logout in the middle of start-up, twenty later starts at
// once, a path too long to hand over, and a crash right after opening a file.
#include "fixtures/mediafixture.h"
#include "fixtures/stagedcopies.h"
#include "framework/core/uxhandoverslot.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QThread>
#include <cstring>

namespace {

const QString ProductName = "Kestrel Player";
const QString ProductGuid = "{5b0e6f3a-9c41-4d2e-b7a8-2f61c0d94e17}";

QString settingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Kestrel Media/Kestrel Player.conf";
}

QString recentFirst()
{
    return QSettings(settingsFile(), QSettings::IniFormat).value("RecentFile/strFile_0").toString();
}

quint32 publishedWindow()
{
    const QByteArray bytes = StagedCopies::segmentContents(ProductName);
    quint32 id = 0;
    if (bytes.size() >= int(sizeof id))
        std::memcpy(&id, bytes.constData(), sizeof id);
    return id;
}

QString waitingPath()
{
    return uxHandoverSlot::deserialise(StagedCopies::segmentContents(ProductGuid));
}

// Whether the process has a handler of its own for SIGTERM.
bool catchesTerminate(qint64 pid)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (15 - 1)) & 1;
    }
    return false;
}

} // namespace

class TestStartupFaults : public QObject
{
    Q_OBJECT
    TestEnvironment* m_env = nullptr;
    QList<QProcess*> m_copies;

    QProcess* startCopy(const QStringList& arguments, const QString& program = QString(),
                        const QProcessEnvironment& environment =
                            QProcessEnvironment::systemEnvironment())
    {
        auto* copy = new QProcess(this);
        copy->setProcessEnvironment(environment);
        copy->start(program.isEmpty() ? stageDir() + "/kestrel-player" : program, arguments);
        m_copies.append(copy);
        return copy;
    }

    QProcess* startRunningCopy(const QStringList& arguments = {})
    {
        QProcess* running = startCopy(arguments);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(publishedWindow() != 0, 20000); }();
        return running;
    }

    // A copy of the program whose product configuration is damaged as named.
    QString damagedProgram(const QString& damage)
    {
        const QString dir = makeProgramDir(*m_env, "damaged");
        const QString info = dir + "/cfg/product.info";
        QFile::remove(info);
        QByteArray xml;
        QFile source(KESTREL_SOURCE_DIR "/resources/product/product.xml");
        if (source.open(QIODevice::ReadOnly))
            xml = source.readAll();
        if (damage == "random bytes") {
            QByteArray bytes;
            for (int i = 0; i < 4096; ++i)
                bytes += char((i * 7919 + 13) % 251);
            writeTestFile(info, bytes);
        } else if (damage == "truncated") {
            QFile whole(stageDir() + "/cfg/product.info");
            if (whole.open(QIODevice::ReadOnly))
                writeTestFile(info, whole.read(24));
        } else if (damage == "no GUID") {
            xml.replace("<GUID>{5b0e6f3a-9c41-4d2e-b7a8-2f61c0d94e17}</GUID>", "");
            writeTestFile(dir + "/cfg/product.xml", xml);
        } else if (damage == "empty name") {
            xml.replace("<Name>Kestrel Player</Name>\n    <Description>Media",
                        "<Name></Name>\n    <Description>Media");
            writeTestFile(dir + "/cfg/product.xml", xml);
        }
        return dir;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a window manager");
        QVERIFY(!MediaFixture::movie().isEmpty());
    }

    void init() { QFile::remove(settingsFile()); }

    void cleanup() { StagedCopies::killAll(m_copies); }

    void damagedProductConfigurationStopsTheStart_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("named");
        for (const char* damage : {"missing", "random bytes", "truncated"})
            QTest::newRow(damage) << damage << "/cfg/product.info";
        for (const char* damage : {"no GUID", "empty name"})
            QTest::newRow(damage) << damage << "/cfg/product.xml";
    }

    // Nothing may be written under a name that is not the product's, and the
    // user learns which file is at fault. Without a display only standard error
    // can tell.
    void damagedProductConfigurationStopsTheStart()
    {
        QFETCH(QString, damage);
        QFETCH(QString, named);
        const QString dir = damagedProgram(damage);
        const QString config = m_env->path() + "/damaged-config";
        QDir(config).removeRecursively();
        QDir().mkpath(config);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config);
        environment.insert("QT_QPA_PLATFORM", "offscreen");

        QProcess* copy = startCopy({MediaFixture::movie()}, dir + "/kestrel-player", environment);
        QVERIFY(copy->waitForFinished(20000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 1);
        QVERIFY2(copy->readAllStandardError().contains(QFile::encodeName(dir + named)),
                 "standard error names the file");
        QCOMPARE(QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void damagedProductConfigurationIsShownInAMessageBox()
    {
        const QString dir = damagedProgram("random bytes");
        QProcess* copy = startCopy({}, dir + "/kestrel-player");
        QVERIFY(copy->waitForStarted());
        auto boxes = [copy] {
            QProcess search;
            search.start("xdotool", {"search", "--onlyvisible", "--pid",
                                     QString::number(copy->processId()), "--name", "^Error$"});
            search.waitForFinished(5000);
            return QString::fromLatin1(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        };
        QTRY_VERIFY_WITH_TIMEOUT(!boxes().isEmpty(), 20000);
        QCOMPARE(copy->state(), QProcess::Running); // the box waits for the user
        // Enter on the box's default button ends it, and the program with it.
        QDeadlineTimer deadline(20000);
        while (!copy->waitForFinished(500) && !deadline.hasExpired()) {
            for (const QString& box : boxes()) {
                QProcess::execute("xdotool", {"windowactivate", "--sync", box});
                QProcess::execute("xdotool", {"key", "Return"});
            }
        }
        QCOMPARE(copy->state(), QProcess::NotRunning);
        QCOMPARE(copy->exitCode(), 1);
        QVERIFY(!QFile::exists(settingsFile()));
    }

    void quitAtAnyMomentOfStartUp_data()
    {
        QTest::addColumn<int>("delayMs");
        for (int delay : {0, 20, 50, 100, 200}) {
            for (int round = 1; round <= 3; ++round)
                QTest::addRow("%d ms, round %d", delay, round) << delay;
        }
    }

    // A logout may come while the program is still starting: it ends, cleanly.
    // The moments count from the first instant the program's own code runs (it
    // catches the quit signals then); before, the system is still loading its
    // libraries, and a signal ends it there as it ends any program.
    void quitAtAnyMomentOfStartUp()
    {
        QFETCH(int, delayMs);
        QProcess* copy = startCopy({MediaFixture::movie()});
        QVERIFY(copy->waitForStarted());
        QDeadlineTimer deadline(20000);
        while (!catchesTerminate(copy->processId()) && !deadline.hasExpired())
            QThread::usleep(200);
        QVERIFY(!deadline.hasExpired());
        QThread::msleep(ulong(delayMs));
        copy->terminate();
        QVERIFY(copy->waitForFinished(30000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
    }

    // Twenty later starts at the same moment all hand their files over, and
    // the running copy takes every one of them.
    void twentySimultaneousStartsHandEveryPathOver()
    {
        QProcess* running = startRunningCopy();
        const QString folder = QDir::homePath() + "/twenty";
        QDir().mkpath(folder);
        QSet<QString> files;
        QList<QProcess*> later;
        for (int i = 0; i < 20; ++i) {
            const QString file = folder + QString("/clip %1.mkv").arg(i);
            QFile::remove(file);
            QVERIFY(QFile::link(MediaFixture::movie(), file));
            files << file;
        }
        for (const QString& file : std::as_const(files))
            later << startCopy({file});
        for (QProcess* copy : std::as_const(later)) {
            QVERIFY(copy->waitForFinished(30000));
            QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy->exitCode(), 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(waitingPath(), QString(), 10000);
        QCOMPARE(running->state(), QProcess::Running);
        QTest::qWait(3000); // the last one opens and plays
        StagedCopies::terminate(running);
        QVERIFY2(files.contains(recentFirst()), qPrintable(recentFirst()));
    }

    void pathTooLongToHandOverFailsTheLaterStart()
    {
        startRunningCopy();
        QProcess* later = startCopy({"/" + QString(6000, QLatin1Char('x')) + ".mkv"});
        QVERIFY(later->waitForFinished(20000));
        QCOMPARE(later->exitStatus(), QProcess::NormalExit);
        QVERIFY(later->exitCode() != 0);
        QVERIFY(later->readAllStandardError().contains("too long"));
    }

    // A crash right after a file opened does not lose its recent entry.
    void recentEntryOutlivesACrash()
    {
        const QString movie = MediaFixture::movie();
        QProcess* running = startRunningCopy({movie});
        QTRY_COMPARE_WITH_TIMEOUT(recentFirst(), movie, 20000);
        running->kill();
        QVERIFY(running->waitForFinished(10000));
        QCOMPARE(recentFirst(), movie);
    }

public:
    explicit TestStartupFaults(TestEnvironment* env = nullptr) : m_env(env) {}
};

int main(int argc, char** argv)
{
    TestEnvironment environment;
    QApplication app(argc, argv);
    TestStartupFaults tc(&environment);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_startupfaults.moc"
