// The staged program given several files at once: by its first start, and by
// a later start that hands them to the copy already running.
#include "fixtures/mediafixture.h"
#include "testenvironment.h"

#include <QProcess>
#include <QSettings>

namespace {

QString clip(const QString& name, const QString& colour)
{
    return MediaFixture::ffmpeg(
        name, {"-f", "lavfi", "-i", QStringLiteral("color=c=%1:size=640x360:rate=25:duration=2").arg(colour),
               "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25"});
}

QString settingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Kestrel Media/Kestrel Player.conf";
}

QStringList recentFiles()
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    QStringList out;
    for (int i = 0; i < 5; ++i) {
        const QString entry = settings.value(QString("RecentFile/strFile_%1").arg(i)).toString();
        if (!entry.isEmpty())
            out << entry;
    }
    return out;
}

} // namespace

class TestPlaylistE2e : public QObject
{
    Q_OBJECT
    QList<QProcess*> m_copies;

    QProcess* start(const QStringList& arguments)
    {
        auto* copy = new QProcess(this);
        copy->setProcessChannelMode(QProcess::ForwardedChannels);
        copy->start(stageDir() + "/kestrel-player", arguments);
        m_copies << copy;
        return copy;
    }

    // Ends a copy as a logout does; it saves its recent list.
    static void terminate(QProcess* copy)
    {
        copy->terminate();
        QVERIFY(copy->waitForFinished(20000));
        QCOMPARE(copy->exitCode(), 0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display with a window manager");
        QVERIFY(!clip("playlist-a.mkv", "0x204060").isEmpty());
        QVERIFY(!clip("playlist-b.mkv", "0x602040").isEmpty());
    }
    void init() { QFile::remove(settingsFile()); }
    void cleanup()
    {
        for (QProcess* copy : std::as_const(m_copies)) {
            if (copy->state() != QProcess::NotRunning) {
                copy->kill();
                copy->waitForFinished(10000);
            }
        }
        qDeleteAll(m_copies);
        m_copies.clear();
    }

    // Both files play, the first one first; each goes to the recent list as it opens.
    void firstStartPlaysEveryFile()
    {
        const QString a = clip("playlist-a.mkv", "0x204060");
        const QString b = clip("playlist-b.mkv", "0x602040");
        QProcess* running = start({a, b});
        QTest::qWait(12000);
        terminate(running);
        QCOMPARE(recentFiles(), QStringList({b, a}));
    }

    void laterStartHandsOverEveryFile()
    {
        const QString a = clip("playlist-a.mkv", "0x204060");
        const QString b = clip("playlist-b.mkv", "0x602040");
        QProcess* running = start({});
        QTest::qWait(3000);
        QProcess* later = start({a, b});
        QVERIFY(later->waitForFinished(20000));
        QCOMPARE(later->exitCode(), 0);
        QTest::qWait(8000);
        terminate(running);
        QCOMPARE(recentFiles(), QStringList({b, a}));
    }
};

KP_TEST_MAIN(TestPlaylistE2e)
#include "tst_playlist_e2e.moc"
