// The start-up sequence run in this process: options, installation hooks,
// window placement and a clean second run.
#include "entry/aentry.h"
#include "framework/core/uxhandoverslot.h"
#include "testenvironment.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace {

struct RunResult
{
    int code = -1;
    bool windowShown = false;
    QString title;
    QRect geometry;
    QSize clientSize;
    QString handedOver;
};

// Runs a_entry with the given arguments; once the main window shows, records
// what it looks like and ends the event loop.
RunResult runEntry(const QStringList& args)
{
    RunResult result;
    QList<QByteArray> storage{QCoreApplication::applicationFilePath().toLocal8Bit()};
    for (const QString& a : args)
        storage << a.toLocal8Bit();
    QList<char*> argv;
    for (QByteArray& s : storage)
        argv << s.data();
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [&result, poll] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || w->windowTitle().isEmpty())
                continue;
            result.windowShown = true;
            result.title = w->windowTitle();
            result.geometry = w->frameGeometry();
            result.clientSize = w->size();
            uxHandoverSlot slot("{5b0e6f3a-9c41-4d2e-b7a8-2f61c0d94e17}");
            result.handedOver = slot.takePath();
            poll->stop();
            QTimer::singleShot(50, qApp, &QCoreApplication::quit);
        }
    });
    poll->start(50);
    result.code = a_entry(int(argv.size()), argv.data());
    delete poll;
    return result;
}

// Where the window's frame goes when it is centred on the screen's work area.
QPoint centredTopLeft(const QSize& size, const QRect& area)
{
    return QPoint((area.left() + area.right()) / 2 - size.width() / 2,
                  (area.top() + area.bottom()) / 2 - size.height() / 2);
}

QVariantMap installedCopies()
{
    return QSettings("Kestrel Media", "Installed").value("KP1").toMap();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void installationHooks()
    {
        const QString self = QCoreApplication::applicationFilePath();
        RunResult r = runEntry({"--register"});
        QCOMPARE(r.code, 0);
        QVERIFY(!r.windowShown);
        QCOMPARE(installedCopies().value(self).toString(), QString("1.0.0"));

        r = runEntry({"--register", "movie.avi"}); // not the only argument: a normal start
        QVERIFY(r.windowShown);
        // An installation hook is no media; the path handed on is a full one.
        QCOMPARE(r.handedOver, QFileInfo("movie.avi").absoluteFilePath());

        r = runEntry({"--DEREGISTER"});
        QVERIFY(r.windowShown);
        QVERIFY(QSettings("Kestrel Media", "Installed").contains("KP1"));
        r = runEntry({"--deregister"});
        QCOMPARE(r.code, 0);
        QVERIFY(!r.windowShown);
        QVERIFY(!QSettings("Kestrel Media", "Installed").contains("KP1"));
    }

    void firstRunIsCentredThenGeometryIsRestored()
    {
        QSettings("Kestrel Media", "Kestrel Player").remove("Application/geometry");
        RunResult r = runEntry({});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.title, QString("Kestrel Player"));
        QVERIFY(r.handedOver.isEmpty()); // no argument, nothing handed over
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(r.geometry));
        QCOMPARE(r.geometry.topLeft(), centredTopLeft(r.clientSize, area));
        QVERIFY(r.clientSize.width() <= area.width() && r.clientSize.height() <= area.height());
        const QByteArray stored = QSettings("Kestrel Media", "Kestrel Player")
                                      .value("Application/geometry")
                                      .toByteArray();
        QVERIFY(!stored.isEmpty());

        RunResult again = runEntry({}); // a second run in this process starts from scratch
        QCOMPARE(again.title, QString("Kestrel Player"));
        QCOMPARE(again.geometry, r.geometry);
    }

    void damagedGeometryFallsBackToCentring()
    {
        QSettings("Kestrel Media", "Kestrel Player").setValue("Application/geometry", "garbage");
        RunResult r = runEntry({});
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(r.geometry));
        QCOMPARE(r.geometry.topLeft(), centredTopLeft(r.clientSize, area));
    }

    void languageOptionIsStoredAndNotOpened()
    {
        RunResult r = runEntry({"-l", "de_DE", "movie.avi"});
        QVERIFY(r.windowShown);
        QCOMPARE(QSettings("Kestrel Media", "Kestrel Player").value("Language").toString(),
                 QString("de_DE"));
        QCOMPARE(r.handedOver, QFileInfo("movie.avi").absoluteFilePath());
        r = runEntry({"movie.avi", "-l"}); // a trailing -l is ignored
        QCOMPARE(QSettings("Kestrel Media", "Kestrel Player").value("Language").toString(),
                 QString("de_DE"));
        QCOMPARE(r.handedOver, QFileInfo("movie.avi").absoluteFilePath());
    }
};

KP_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
