// The staged program against a corpus of damaged media made at test time,
// each opened once from the command line and once handed over to a running
// copy. Every open must end within 15 s in playback, in a message box naming
// the file, or (for a file libVLC probes for minutes) in the slow-open notice,
// which is then cancelled; the window must keep answering throughout. The
// program reports each outcome on its "kestrel.opening" log category; the
// boxes themselves are found and answered in the X window tree.
#include "fixtures/damagedmedia.h"
#include "fixtures/mediafixture.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

const int kOutcomeMs = 15000;
const QString kCategory = QStringLiteral("kestrel.opening: ");

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
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
    QProcess* m_cleanup = nullptr;

    QProcess* start(const QStringList& arguments)
    {
        auto* process = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_LOGGING_RULES", "kestrel.opening.info=true");
        process->setProcessEnvironment(environment);
        process->start(stageDir() + "/kestrel-player", arguments);
        return process;
    }

    // Waits for the running copy's verdict on path; its log lines are consumed.
    Outcome await(QProcess* process, const QString& path, QString* said)
    {
        QDeadlineTimer deadline(kOutcomeMs);
        while (!deadline.hasExpired() && process->state() == QProcess::Running) {
            process->waitForReadyRead(100);
            m_log += process->readAllStandardError();
            int end;
            while ((end = m_log.indexOf('\n')) >= 0) {
                QString line = QString::fromUtf8(m_log.left(end));
                m_log.remove(0, end + 1);
                if (!line.startsWith(kCategory))
                    continue;
                line.remove(0, kCategory.size());
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
            m_failures << name + ": nothing within 15 s";
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

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a window manager");
        m_folder = QDir::homePath() + "/damaged";
        m_items = DamagedMedia::make(m_folder);
        QVERIFY(!m_items.isEmpty());
        const QString zeros = DamagedMedia::sparseZeros(m_folder);
        QVERIFY(!zeros.isEmpty());
        m_items.append({zeros, "4 GiB of zeros"});
        QVERIFY2(m_items.size() >= 50, qPrintable(QString::number(m_items.size())));
        if (DamagedMedia::readsEverything())
            qInfo("the unreadable file is left out: this user reads every file");
    }

    void eachEndsWhenHandedOver()
    {
        m_failures.clear();
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
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    }

    void eachEndsFromTheCommandLine()
    {
        m_failures.clear();
        for (const DamagedMedia::Item& item : std::as_const(m_items)) {
            m_log.clear();
            QProcess* copy = start({item.path});
            QVERIFY(copy->waitForStarted());
            judge("command line", item, copy);
            finishRunning(copy);
        }
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
        qInfo("%d damaged files, each opened twice:", int(m_items.size()));
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            qInfo("  %-40s %d", qPrintable(it.key()), it.value());
    }
};

KP_TEST_MAIN(TestDamagedCorpus)
#include "tst_damagedcorpus.moc"
