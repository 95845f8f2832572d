// How often the settings file is written: a long list is saved with a bounded
// number of writes, each one complete.
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "player/ui/recentfiles.h"
#include "testenvironment.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Counts the times a finished file is moved into place in a folder under a
// name: each is one complete, atomic write of it.
class WriteCounter
{
public:
    WriteCounter(const QString& folder, const QString& fileName) : m_name(fileName.toUtf8())
    {
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(m_fd, QFile::encodeName(folder).constData(),
                          IN_MOVED_TO);
    }
    ~WriteCounter() { ::close(m_fd); }

    int count()
    {
        alignas(inotify_event) char buffer[64 * 1024];
        ssize_t length;
        while ((length = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len > 0 && m_name == event->name)
                    ++m_count;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return m_count;
    }

private:
    QByteArray m_name;
    int m_fd = -1;
    int m_count = 0;
};

} // namespace

class TestSettingsWrites : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    QString m_folder;

private Q_SLOTS:
    void initTestCase()
    {
        const QString dir = m_env.path() + "/program";
        QDir().mkpath(dir + "/cfg");
        uxSrcMgr::createInstance(dir);
        uxProductInfo::instance()->loadConfig(
            "<Config><Company><Title>Acme</Title><FullName>Acme Media</FullName></Company>"
            "<Product><Name>Acme Player</Name></Product></Config>");
        uxSettings::instance()->setValue("Skin", "Dark");
        m_folder = m_env.home() + "/.config/Acme Media";
        QVERIFY(QFile::exists(m_folder + "/Acme Player.conf"));
    }

    void cleanupTestCase()
    {
        uxSettings::deleteInstance();
        uxProductInfo::deleteInstance();
        uxSrcMgr::deleteInstance();
    }

    void longRecentListIsSavedInOneWrite()
    {
        {
            QSettings settings(m_folder + "/Acme Player.conf", QSettings::IniFormat);
            settings.setValue("RecentFile/Count", RecentFiles::MaxCount);
        }
        RecentFiles recent;
        recent.load();
        for (int i = 0; i < RecentFiles::MaxCount; ++i)
            recent.insert(QString("/media/film %1.mkv").arg(i));

        WriteCounter writes(m_folder, "Acme Player.conf");
        recent.save();
        QCOMPARE(writes.count(), 1);
        recent.clear();
        QCOMPARE(writes.count(), 2);
        recent.insert("/media/last.mkv");
        recent.save();
        QCOMPARE(writes.count(), 3);

        // The file holds the whole list, in the layout it always had.
        QSettings settings(m_folder + "/Acme Player.conf", QSettings::IniFormat);
        QCOMPARE(settings.value("RecentFile/strFile_0").toString(), QString("/media/last.mkv"));
        QCOMPARE(settings.value("RecentFile/strFile_1").toString(), QString());
        QVERIFY(settings.contains("RecentFile/strFile_49"));
        QCOMPARE(settings.value("Skin").toString(), QString("Dark"));
    }

    void valuesSetTogetherAreWrittenOnce()
    {
        QList<std::pair<QString, QVariant>> values;
        for (int i = 0; i < 2000; ++i)
            values.append({QString("Bulk/key%1").arg(i), i});
        WriteCounter writes(m_folder, "Acme Player.conf");
        uxSettings::instance()->setValues(values);
        QCOMPARE(writes.count(), 1);
        QCOMPARE(uxSettings::instance()->value("Bulk/key1999").toInt(), 1999);
    }
};

KP_TEST_MAIN(TestSettingsWrites)
#include "tst_settingswrites.moc"
