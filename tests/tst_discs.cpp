// Choosing a disc: recognising disc folders from anywhere inside them, the
// file system of a disc image, the mount table, the disc dialog and the
// "Loading" notice.
#include "fixtures/blurayauthor.h"
#include "fixtures/mediafixture.h"
#include "framework/ui/uxmessagebox.h"
#include "platform/platformdevicemonitor.h"
#include "platform/platformopticaldrives.h"
#include "player/discs/discdetection.h"
#include "player/discs/dlgopendisc.h"
#include "player/discs/ffaddfileprocessingdlg.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMovie>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <sys/mount.h>

namespace {

void makeDirs(const QString& root, const QStringList& dirs)
{
    for (const QString& dir : dirs)
        QVERIFY(QDir().mkpath(root + "/" + dir));
}

// Answers the next message box with OK and keeps its text.
void answerMessage(QString* text)
{
    QTimer::singleShot(100, [text] {
        auto* box = qobject_cast<uxMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        *text = box->findChild<QLabel*>("labelinfo")->text();
        box->done(QDialogButtonBox::Ok);
    });
}

// A window announcing drive changes, as the player window does.
class DriveWindow : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void onReloadDevice();
};

} // namespace

class TestDiscs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { FrameworkFixture::loadProduct(); }

    void findsTheDiscFromInside()
    {
        TestEnvironment env;
        const QString base = env.path();
        makeDirs(base, {"movie/BDMV/STREAM", "dvd/VIDEO_TS", "cd/sub", "plain/a/b", "both/BDMV",
                        "both/VIDEO_TS"});
        writeTestFile(base + "/cd/Track01.cda", "x");
        QCOMPARE(findBlurayRoot(base + "/movie/BDMV/STREAM"), base + "/movie/");
        QCOMPARE(findBlurayRoot(base + "/movie"), base + "/movie/");
        QCOMPARE(findDvdRoot(base + "/dvd/VIDEO_TS"), base + "/dvd/");
        QCOMPARE(findAudioCdRoot(base + "/cd/sub"), base + "/cd/");
        QCOMPARE(findBlurayRoot(base + "/plain/a/b"), QString());
        QCOMPARE(findDvdRoot(base + "/movie/BDMV"), QString());
        QCOMPARE(findAudioCdRoot(base + "/plain"), QString());
        // Names are compared exactly.
        makeDirs(base, {"lower/bdmv"});
        QCOMPARE(findBlurayRoot(base + "/lower"), QString());

        QVERIFY(isLoadableDisc(base + "/movie/BDMV/STREAM"));
        QVERIFY(isLoadableDisc(base + "/cd"));
        QVERIFY(!isLoadableDisc(base + "/plain")); // silently
        QVERIFY(!isLoadableDisc(base + "/missing"));
        QVERIFY(!isLoadableDisc(base + "/cd/Track01.cda"));
        QVERIFY(!isLoadableDisc(QString()));
        // A DVD, even one that also has a BDMV folder, is refused with a message.
        QString message;
        answerMessage(&message);
        QVERIFY(!isLoadableDisc(base + "/both"));
        QCOMPARE(message, QString("Invalid Blu-ray file."));
    }

    void readsDiscFileSystems()
    {
        const QString image = BlurayAuthor::discImage();
        QVERIFY2(!image.isEmpty(), "the disc image could not be made");
        QString type, label;
        QVERIFY(PlatformOpticalDrives::probeFileSystem(image, type, label));
        QCOMPARE(type, QString("udf"));
        QCOMPARE(label, QString("KESTREL_TEST"));

        TestEnvironment env;
        const QString noise = env.path() + "/noise.bin";
        writeTestFile(noise, QByteArray(256 * 1024, '\x5a'));
        QVERIFY(!PlatformOpticalDrives::probeFileSystem(noise, type, label));
        QVERIFY(type.isEmpty() && label.isEmpty());
        QVERIFY(!PlatformOpticalDrives::probeFileSystem(env.path() + "/missing", type, label));

        // A folder that is no mount point, or a mount of no device, has no disc label.
        QCOMPARE(discVolumeLabel(env.path()), QString());
        QCOMPARE(discVolumeLabel("/proc"), QString());
        QCOMPARE(PlatformOpticalDrives::deviceOfRoot("/proc"), QString());
        // This machine has no optical drive.
        for (const QString& root : listOpticalDrives())
            QVERIFY(QFileInfo(root).isDir());
    }

    void mountTableAndItsChanges()
    {
        bool rootFound = false;
        for (const PlatformOpticalDrives::Mount& m : PlatformOpticalDrives::mounts())
            rootFound = rootFound || m.point == "/";
        QVERIFY(rootFound);

        TestEnvironment env;
        const QString point = env.path() + "/disc with blanks\\and slash";
        QVERIFY(QDir().mkpath(point));
        PlatformDeviceMonitor monitor;
        QSignalSpy changes(&monitor, &PlatformDeviceMonitor::devicesChanged);
        if (mount("kestrel-test", QFile::encodeName(point).constData(), "tmpfs", 0, nullptr) != 0)
            QSKIP("mounting needs privileges this machine does not give");
        bool seen = false;
        for (const PlatformOpticalDrives::Mount& m : PlatformOpticalDrives::mounts())
            seen = seen || (m.point == point && m.source == "kestrel-test");
        QTRY_VERIFY(changes.size() >= 1);
        QVERIFY(umount(QFile::encodeName(point).constData()) == 0);
        QVERIFY(seen);
    }

    void discDialogChoices()
    {
        TestEnvironment env;
        makeDirs(env.path(), {"movie/BDMV/STREAM", "both/BDMV", "both/VIDEO_TS", "plain"});
        DlgOpenDisc dialog;
        auto* list = dialog.findChild<QListWidget*>("discListWidget");
        auto* ok = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        QCOMPARE(dialog.windowTitle(), QString("Open Disc"));
        QCOMPARE(dialog.findChild<QLabel*>("label")->text(), QString("Select a Blu-ray disc:"));
        int udfDiscs = 0;
        for (const QString& root : listOpticalDrives())
            udfDiscs += discVolumeLabel(root).isEmpty() ? 0 : 1;
        QCOMPARE(list->count(), 1 + udfDiscs);
        QCOMPARE(list->item(0)->text(), QString("Open Folder..."));
        QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), QString("OpenFlder"));
        QVERIFY(!ok->isEnabled());
        list->setCurrentRow(0);
        QVERIFY(ok->isEnabled());

        // Drives changing while the dialog is open rebuild the list.
        DriveWindow window;
        dialog.setMainWindow(&window);
        new QListWidgetItem("stale", list);
        emit window.onReloadDevice();
        QCOMPARE(list->count(), 1);
        QVERIFY(!ok->isEnabled());

        // A refused choice keeps the dialog open; a Blu-ray folder is taken.
        dialog.show();
        auto* dvd = new QListWidgetItem("dvd", list);
        dvd->setData(Qt::UserRole, env.path() + "/both");
        QString message;
        answerMessage(&message);
        dialog.onItemDoubleClicked(dvd);
        QCOMPARE(message, QString("Invalid Blu-ray file."));
        QVERIFY(dialog.isVisible());
        auto* plain = new QListWidgetItem("plain", list);
        plain->setData(Qt::UserRole, env.path() + "/plain");
        list->setCurrentItem(plain);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        auto* movie = new QListWidgetItem("movie", list);
        movie->setData(Qt::UserRole, env.path() + "/movie");
        list->setCurrentItem(movie);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedValue(), env.path() + "/movie");

        // Cancel forgets the choice.
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.selectedValue(), QString());

        DlgOpenDisc folder;
        QTimer::singleShot(100, [&folder] {
            auto* l = folder.findChild<QListWidget*>("discListWidget");
            l->setCurrentRow(0);
            folder.accept();
        });
        QCOMPARE(folder.exec(), int(QDialog::Accepted));
        QCOMPARE(folder.selectedValue(), QString("OpenFlder"));
    }

    void loadingNoticeCannotBeClosedByTheUser()
    {
        FfAddFileProcessingDlg loading;
        QCOMPARE(loading.windowTitle(), QString("Loading"));
        QCOMPARE(loading.findChild<QLabel*>("lblInfo")->text(),
                 QString("Loading disc. Please wait..."));
        const Qt::WindowFlags flags = loading.windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(loading.minimumWidth() > 0);

        TestEnvironment env;
        const QString gif = env.path() + "/spin.gif";
        QImage frame(16, 16, QImage::Format_RGB32);
        frame.fill(Qt::red);
        QVERIFY(frame.save(gif, "GIF") || frame.save(gif.chopped(3) + "png"));
        loading.setProgressAnimation(QFile::exists(gif) ? gif : gif.chopped(3) + "png");
        QVERIFY(loading.findChild<QLabel*>("labprogressBar")->movie());

        loading.setModal(true);
        loading.show();
        QVERIFY(QTest::qWaitForWindowExposed(&loading));
        QTest::keyClick(&loading, Qt::Key_Escape);
        QVERIFY(!loading.close());
        QVERIFY(loading.isVisible());
        loading.done(QDialog::Accepted);
        QVERIFY(!loading.isVisible());
    }
};

KP_TEST_MAIN(TestDiscs)
#include "tst_discs.moc"
