// The staged program against a corpus of damaged media made at test time,
// each opened once from the command line and once handed over to a running
// copy. Every open must end within 15 s in playback, in a message box naming
// the file, or (for a file libVLC probes for minutes) in the slow-open notice,
// which is then cancelled; the window must keep answering throughout. The
// program reports each outcome on its "kestrel.opening" log category; the
// boxes themselves are found and answered in the X window tree.
//
// The corpus is dealt out to a few lanes that run side by side, each a copy of
// this program on an X display, a home and a runtime folder of its own, so
// that the copies neither hand over to each other nor steal each other's
// keyboard focus. Most of an open is waiting, so the lanes share two cores well.
#include "fixtures/damagedmedia.h"
#include "fixtures/mediafixture.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <cstdio>

namespace {

const int kOutcomeMs = 15000;
const QString kCategory = QStringLiteral("kestrel.opening: ");
const int kLanes = 3;
// A lane is told its share of the corpus through these.
const char* const kLaneList = "KESTREL_CORPUS_LIST";
const char* const kLane = "KESTREL_CORPUS_LANE";
const QString kCountMark = QStringLiteral("corpus count\t");
const QString kReadyMark = QStringLiteral("corpus lane ready");

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Where a copy that answers nothing stands: the stack of each of its threads.
QString stacks(qint64 pid)
{
    QProcess gdb;
    gdb.start("gdb", {"-p", QString::number(pid), "-batch", "-ex", "thread apply all bt 16"});
    if (!gdb.waitForFinished(60000))
        gdb.kill();
    return QString::fromLocal8Bit(gdb.readAllStandardOutput());
}

// The viewable top-level windows of a process that are dialogs: message
// boxes and notices.
QStringList dialogWindows(qint64 pid)
{
    QStringList out;
    const QStringList ids =
        run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid), "--name", ".*"})
            .split('\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
        if (run("xprop", {"-id", id, "_NET_WM_WINDOW_TYPE"}).contains("_NET_WM_WINDOW_TYPE_DIALOG"))
            out << id;
    }
    return out;
}

enum class Outcome
{
    None,
    Ended,
    Silent,
    Playing,
    Message,
    Notice
};

} // namespace

class TestDamagedCorpus : public QObject
{
    Q_OBJECT
    QString m_folder;
    QList<DamagedMedia::Item> m_items;
    QProcess* m_running = nullptr;
    QByteArray m_log;
    QMap<QString, int> m_counts;
    QStringList m_failures;
    QStringList m_trace;
    bool m_inLane = false;
    int m_total = 0;
    QProcess* m_cleanup = nullptr;

    QProcess* start(const QStringList& arguments)
    {
        auto* process = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_LOGGING_RULES", "kestrel.opening.info=true\nkestrel.engine.debug=true");
        process->setProcessEnvironment(environment);
        process->start(stageDir() + "/kestrel-player", arguments);
        return process;
    }

    // Waits for the running copy's verdict on path; its log lines are consumed.
    Outcome await(QProcess* process, const QString& path, QString* said)
    {
        QDeadlineTimer deadline(kOutcomeMs);
        QElapsedTimer clock;
        clock.start();
        m_trace.clear();
        while (!deadline.hasExpired() && process->state() == QProcess::Running) {
            process->waitForReadyRead(100);
            m_log += process->readAllStandardError();
            int end;
            while ((end = m_log.indexOf('\n')) >= 0) {
                QString line = QString::fromUtf8(m_log.left(end));
                m_log.remove(0, end + 1);
                if (!line.startsWith(kCategory)) {
                    // The engine's own steps, told only when nothing comes.
                    if (line.startsWith(QLatin1String("kestrel.engine")))
                        m_trace << QStringLiteral("%1 ms: %2").arg(clock.elapsed()).arg(line);
                    continue;
                }
                line.remove(0, kCategory.size());
                m_trace << QStringLiteral("%1 ms: %2").arg(clock.elapsed()).arg(line);
                const int at = line.indexOf(QLatin1Char(' '));
                const QString word = line.left(at);
                const QString rest = line.mid(at + 1);
                // A disc is logged by its root, with a trailing "/".
                const bool named = QDir::cleanPath(rest) == path;
                if (word == "message") {
                    *said = rest;
                    return Outcome::Message;
                }
                if (word == "playing" && named)
                    return Outcome::Playing;
                if (word == "slow" && named)
                    return Outcome::Notice;
                // Stopped before it played and with nothing said.
                if (word == "stopped" && named)
                    return Outcome::Silent;
            }
        }
        return process->state() == QProcess::Running ? Outcome::None : Outcome::Ended;
    }

    // The dialog the verdict announced must be on screen; answering it shows
    // the program still handles input. Escape dismisses a box and cancels a notice.
    bool answerDialog(qint64 pid)
    {
        QStringList dialogs;
        QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired() && (dialogs = dialogWindows(pid)).isEmpty())
            QTest::qWait(50);
        if (dialogs.isEmpty())
            return false;
        for (const QString& id : dialogs)
            run("xdotool", {"windowactivate", "--sync", id, "key", "--clearmodifiers", "Escape"});
        while (!deadline.hasExpired() && !dialogWindows(pid).isEmpty())
            QTest::qWait(50);
        return dialogWindows(pid).isEmpty();
    }

    Outcome judge(const QString& how, const DamagedMedia::Item& item, QProcess* process)
    {
        QString said;
        const Outcome outcome = await(process, item.path, &said);
        const QString name = how + ' ' + item.path + " (" + item.kind + ")";
        switch (outcome) {
        case Outcome::None:
            m_failures << name + ": nothing within 15 s; it logged: " + m_trace.join("; ") +
                              "\nits threads:\n" + stacks(process->processId());
            return outcome;
        case Outcome::Ended:
            m_failures << name + ": the program ended";
            return outcome;
        case Outcome::Silent:
            m_failures << name + ": stopped without playback or a message";
            return outcome;
        case Outcome::Playing:
            ++m_counts[how + " playing"];
            return outcome;
        case Outcome::Message:
            if (!said.contains(QDir::toNativeSeparators(item.path)))
                m_failures << name + ": the message does not name it: " + said;
            ++m_counts[how + " message"];
            break;
        case Outcome::Notice:
            ++m_counts[how + " slow-open notice, cancelled"];
            break;
        }
        if (!answerDialog(process->processId()))
            m_failures << name + ": no dialog to answer, or it did not go";
        return outcome;
    }

    QProcess* startRunning()
    {
        // What an earlier copy wrote last must not pass for this one's verdict.
        m_log.clear();
        QProcess* running = start({});
        if (!running->waitForStarted() || !waitForWindow(running->processId()))
            m_failures << "the running copy did not show its window";
        return running;
    }

    // The running copy's window once it is shown; a later start hands over to it.
    static bool waitForWindow(qint64 pid)
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (!run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid), "--name",
                                 "Kestrel Player"})
                     .isEmpty())
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    void finishRunning(QProcess* process)
    {
        if (process->state() != QProcess::Running) {
            m_failures << "a copy ended by itself";
            delete process;
            return;
        }
        process->terminate();
        if (!process->waitForFinished(20000)) {
            m_failures << "a copy did not end on request";
            process->kill();
            process->waitForFinished(5000);
        }
        delete process;
    }

    // Hands every item over to a running copy, each to one that plays nothing.
    void handOverEach()
    {
        QProcess* running = startRunning();
        m_cleanup = running;
        for (const DamagedMedia::Item& item : std::as_const(m_items)) {
            QProcess* later = start({item.path});
            QVERIFY(later->waitForFinished(10000));
            QCOMPARE(later->exitCode(), 0);
            delete later;
            const Outcome outcome = judge("hand-over", item, running);
            QCOMPARE(running->state(), QProcess::Running);
            // A hand-over while anything still plays or opens joins the
            // playlist after it; each file goes to a copy that plays nothing.
            // After a message, or a cancelled notice, the copy is idle again.
            if (outcome == Outcome::Message || outcome == Outcome::Notice)
                continue;
            m_cleanup = nullptr;
            finishRunning(running);
            running = startRunning();
            m_cleanup = running;
        }
        m_cleanup = nullptr;
        finishRunning(running);
    }

    void openEachFromTheCommandLine()
    {
        for (const DamagedMedia::Item& item : std::as_const(m_items)) {
            m_log.clear();
            QProcess* copy = start({item.path});
            QVERIFY(copy->waitForStarted());
            judge("command line", item, copy);
            finishRunning(copy);
        }
    }

    // This lane's share of the corpus: every kLanes-th item of the list.
    bool readLaneItems()
    {
        QFile list(qEnvironmentVariable(kLaneList));
        const QStringList lane = qEnvironmentVariable(kLane).split('/');
        if (lane.size() != 2 || !list.open(QIODevice::ReadOnly))
            return false;
        const int index = lane[0].toInt();
        const int lanes = lane[1].toInt();
        int n = 0;
        for (const QByteArray& line : list.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() == 2 && n++ % lanes == index)
                m_items.append({QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1])});
        }
        return !m_items.isEmpty();
    }

    bool writeList(const QString& path) const
    {
        QByteArray bytes;
        for (const DamagedMedia::Item& item : m_items)
            bytes += item.path.toUtf8() + '\t' + item.kind.toUtf8() + '\n';
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QProcess* startLane(int index, const QString& list)
    {
        auto* lane = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kLaneList, list);
        environment.insert(kLane, QStringLiteral("%1/%2").arg(index).arg(kLanes));
        lane->setProcessEnvironment(environment);
        lane->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        lane->start(QStringLiteral(KESTREL_WITH_DISPLAY),
                    {QCoreApplication::applicationFilePath(), "eachEndsBothWays"});
        return lane;
    }

    // Waits until the lane's display is taken, so that the next lane's
    // display script cannot pick the same free number.
    static bool waitForReady(QProcess* lane, QByteArray* output)
    {
        QDeadlineTimer deadline(60000);
        if (!lane->waitForStarted())
            return false;
        while (!deadline.hasExpired() && lane->state() == QProcess::Running) {
            lane->waitForReadyRead(200);
            *output += lane->readAllStandardOutput();
            if (output->contains(kReadyMark.toUtf8()))
                return true;
        }
        return false;
    }

    // Adds the lane's counts to this run's and returns what it reported failing.
    QString takeLaneResult(QProcess* lane, const QByteArray& output)
    {
        QStringList failed;
        bool failing = false;
        for (const QByteArray& raw : output.split('\n')) {
            const QString line = QString::fromUtf8(raw);
            const int at = line.indexOf(kCountMark);
            if (at >= 0) {
                const QStringList fields = line.mid(at + kCountMark.size()).split('\t');
                if (fields.size() == 2)
                    m_counts[fields[0]] += fields[1].toInt();
            }
            // A failure's text runs over several lines, up to the lane's next report.
            if (line.startsWith("FAIL!"))
                failing = true;
            else if (line.startsWith("PASS") || line.startsWith("QINFO") ||
                     line.startsWith("Totals"))
                failing = false;
            if (failing)
                failed << line;
        }
        if (lane->exitStatus() != QProcess::NormalExit || lane->exitCode() != 0)
            failed << QStringLiteral("the lane ended with %1").arg(lane->exitCode());
        return failed.join('\n');
    }

    void runLanes()
    {
        const QString list = m_folder + "/corpus.list";
        QVERIFY(writeList(list));
        QList<QProcess*> lanes;
        QList<QByteArray> outputs;
        QStringList failures;
        for (int i = 0; i < kLanes; ++i) {
            lanes << startLane(i, list);
            outputs << QByteArray();
            if (!waitForReady(lanes.last(), &outputs.last()))
                failures << QStringLiteral("lane %1 did not start").arg(i);
        }
        for (int i = 0; i < kLanes; ++i) {
            if (!lanes[i]->waitForFinished(25 * 60 * 1000))
                lanes[i]->kill();
            lanes[i]->waitForFinished(5000);
            outputs[i] += lanes[i]->readAllStandardOutput();
            const QString failed = takeLaneResult(lanes[i], outputs[i]);
            if (!failed.isEmpty())
                failures << QStringLiteral("lane %1:\n%2").arg(i).arg(failed);
            delete lanes[i];
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a window manager");
        m_inLane = qEnvironmentVariableIsSet(kLane);
        if (m_inLane) {
            QVERIFY(readLaneItems());
            // Written at once: the driver waits for it before it starts the next lane.
            std::printf("%s\n", qPrintable(kReadyMark));
            std::fflush(stdout);
            return;
        }
        m_folder = QDir::homePath() + "/damaged";
        m_items = DamagedMedia::make(m_folder);
        QVERIFY(!m_items.isEmpty());
        const QString zeros = DamagedMedia::sparseZeros(m_folder);
        QVERIFY(!zeros.isEmpty());
        m_items.append({zeros, "4 GiB of zeros"});
        QVERIFY2(m_items.size() >= 50, qPrintable(QString::number(m_items.size())));
        m_total = int(m_items.size());
        if (DamagedMedia::readsEverything())
            qInfo("the unreadable file is left out: this user reads every file");
    }

    // Each file once by hand-over to a running copy, once on a copy's command line.
    void eachEndsBothWays()
    {
        if (!m_inLane) {
            runLanes();
            return;
        }
        m_failures.clear();
        handOverEach();
        if (!QTest::currentTestFailed())
            openEachFromTheCommandLine();
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            std::printf("%s%s\t%d\n", qPrintable(kCountMark), qPrintable(it.key()), it.value());
        std::fflush(stdout);
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    }

    void cleanup()
    {
        if (m_cleanup) {
            m_cleanup->kill();
            m_cleanup->waitForFinished(5000);
        }
        m_cleanup = nullptr;
    }

    void cleanupTestCase()
    {
        if (m_inLane)
            return;
        qInfo("%d damaged files, each opened twice, in %d lanes:", m_total, kLanes);
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            qInfo("  %-40s %d", qPrintable(it.key()), it.value());
    }
};

KP_TEST_MAIN(TestDamagedCorpus)
#include "tst_damagedcorpus.moc"
