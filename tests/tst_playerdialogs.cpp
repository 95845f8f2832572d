// The preferences and picture adjustment dialogs, on the real settings store,
// real message boxes and folder dialogs answered as a user would, and a real
// player playing a real clip.
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/ui/uxmessagebox.h"
#include "player/engine/qvlcplayer.h"
#include "player/ui/adjustdialog.h"
#include "player/ui/preferencesdialog.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

namespace {

const int Escape = 0;

// Answers the next modal message box with a standard button (or Escape) and
// remembers what it showed. Stops looking when it goes out of scope.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(int button) : m_button(button) { m_timer = startTimer(20); }

    bool shown = false;
    QString title;
    QString text;
    int icon = 0;

protected:
    void timerEvent(QTimerEvent*) override
    {
        auto* box = qobject_cast<uxMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        killTimer(m_timer);
        shown = true;
        title = box->windowTitle();
        text = box->textLabel()->text();
        icon = box->iconType();
        if (m_button == Escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->buttonBox()->button(QDialogButtonBox::StandardButton(m_button))->click();
    }

private:
    int m_button;
    int m_timer = 0;
};

// Picks folder in the next folder dialog (an empty folder cancels it) and
// remembers how the dialog was opened.
class FolderChooser : public QObject
{
public:
    explicit FolderChooser(const QString& folder) : m_folder(folder) { m_timer = startTimer(20); }

    bool shown = false;
    QString caption;
    QString startFolder;
    QFileDialog::Options options;

protected:
    void timerEvent(QTimerEvent*) override
    {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        killTimer(m_timer);
        shown = true;
        caption = dialog->windowTitle();
        startFolder = dialog->directory().absolutePath();
        options = dialog->options();
        if (m_folder.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(m_folder);
        static_cast<QDialog*>(dialog)->accept();
    }

private:
    QString m_folder;
    int m_timer = 0;
};

QString storedString(const char* key)
{
    return QSettings().value(QLatin1String(key)).toString();
}

void storePreferences(const QString& folder, const QString& format, bool autoUpdate)
{
    uxSettings* settings = uxSettings::instance();
    settings->setSnapshotDir(folder);
    settings->setSnapshotFormat(format);
    settings->setAutoUpdateEnabled(autoUpdate);
}

// Mean absolute difference per colour channel of two pictures of one size.
double pictureDistance(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0, count = 0;
    for (int row = 0; row < x.height(); row += 2) {
        for (int col = 0; col < x.width(); col += 2) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
            count += 3;
        }
    }
    return double(sum) / double(count);
}

} // namespace

class TestPlayerDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void preferencesForm();
    void preferencesShowAndSaveTheStore_data();
    void preferencesShowAndSaveTheStore();
    void leavingAsksOnlyAboutChanges();
    void restoredDefaultsWaitForConfirmation();
    void browsingChecksTheFolder();
    void writableFolderProbe();

    void adjustForm();
    void slidersSendThePlayersValues();
    void openingAppliesTheRememberedPicture();
    void onlyCloseRemembers();
    void adjustsThePlayingPicture();

private:
    QString m_home;
};

void TestPlayerDialogs::initTestCase()
{
    FrameworkFixture::loadProduct();
    // The folder dialog must be Qt's own, so the test can answer it.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    m_home = QDir::homePath();
}

void TestPlayerDialogs::init()
{
    QSettings().clear();
}

// --- Preferences -------------------------------------------------------------

void TestPlayerDialogs::preferencesForm()
{
    PreferencesDialog dialog;
    QCOMPARE(dialog.objectName(), QString("PreferencesDialog"));
    QCOMPARE(dialog.size(), QSize(546, 296));
    QCOMPARE(dialog.windowTitle(), QString("Preferences"));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    for (const char* name : {"uxDialogExClient", "frmoption", "frmButtonBoxBackGround"})
        QVERIFY2(dialog.findChild<QFrame*>(name), name);
    for (const char* name :
         {"verticalLayout", "verticalLayout_2", "verticalLayout_3", "verticalLayout_4",
          "formLayout", "horizontalLayout_2", "horizontalLayout_3", "horizontalLayout_6"})
        QVERIFY2(dialog.findChild<QLayout*>(name), name);
    // The title bar sits first in the client frame, the options and buttons below.
    auto* client = dialog.findChild<QFrame*>("uxDialogExClient");
    QCOMPARE(client->layout()->objectName(), QString("verticalLayout_3"));
    QCOMPARE(client->layout()->indexOf(dialog.findChild<QFrame*>("frmoption")), 1);

    auto* output = dialog.findChild<QGroupBox*>("grpOutPut");
    QCOMPARE(output->title(), QString("Snapshot"));
    auto* labelFolder = dialog.findChild<QLabel*>("label_2");
    auto* labelFormat = dialog.findChild<QLabel*>("label_3");
    QCOMPARE(labelFolder->text(), QString("Snapshot Folder:"));
    QCOMPARE(labelFormat->text(), QString("Snapshot Format:"));
    QCOMPARE(labelFolder->minimumWidth(), 100);
    QCOMPARE(labelFormat->minimumWidth(), 100);
    QVERIFY(dialog.findChild<QLineEdit*>("editSnapshotFolder")->isReadOnly());
    QCOMPARE(dialog.findChild<QPushButton*>("btnSnapshotFolderBrowse")->text(), QString("Browse"));
    QCOMPARE(dialog.findChild<QPushButton*>("btnSnapshotFolderOpen")->text(), QString("Open"));
    auto* formats = dialog.findChild<QComboBox*>("cmbSnapshotType");
    QCOMPARE(formats->count(), 3);
    QCOMPARE(QStringList({formats->itemText(0), formats->itemText(1), formats->itemText(2)}),
             QStringList({"JPEG", "PNG", "BMP"}));

    // The product has no update service, so its choice is not offered.
    auto* update = dialog.findChild<QGroupBox*>("groupUpdateSetting");
    QVERIFY(!uxProductInfo::instance()->isSupportAutoUpdate());
    QVERIFY(update->isHidden());
    QCOMPARE(update->title(), QString("Update Settings"));
    QCOMPARE(dialog.findChild<QCheckBox*>("chkAutoUpdate")->text(),
             QString("Check for Updates Automatically"));

    auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
    QCOMPARE(int(buttons->standardButtons()), 0x8400400);
    QVERIFY(buttons->button(QDialogButtonBox::Ok)->isDefault());

    // Texts come back on a language change.
    output->setTitle("x");
    dialog.setWindowTitle("x");
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&dialog, &change);
    QCOMPARE(output->title(), QString("Snapshot"));
    QCOMPARE(dialog.windowTitle(), QString("Preferences"));
}

void TestPlayerDialogs::preferencesShowAndSaveTheStore_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("saved");
    QTest::newRow("known") << "BMP" << 2 << "BMP";
    QTest::newRow("any case") << "png" << 1 << "PNG";
    QTest::newRow("unknown") << "TIFF" << -1 << "";
}

void TestPlayerDialogs::preferencesShowAndSaveTheStore()
{
    QFETCH(QString, format);
    QFETCH(int, index);
    QFETCH(QString, saved);
    const QString folder = m_home + "/shots/long folder name/with more";
    storePreferences(folder, format, false);

    PreferencesDialog dialog;
    dialog.load();
    auto* edit = dialog.findChild<QLineEdit*>("editSnapshotFolder");
    QCOMPARE(edit->text(), folder);
    QCOMPARE(edit->cursorPosition(), 0);
    QVERIFY(!edit->hasSelectedText());
    QCOMPARE(dialog.findChild<QComboBox*>("cmbSnapshotType")->currentIndex(), index);
    QVERIFY(!dialog.findChild<QCheckBox*>("chkAutoUpdate")->isChecked());

    dialog.findChild<QCheckBox*>("chkAutoUpdate")->setChecked(true);
    dialog.show();
    BoxAnswerer none(QDialogButtonBox::Cancel);
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!none.shown);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(uxSettings::instance()->snapshotDir(), folder);
    QCOMPARE(storedString("Snapshot/Format"), saved);
    QVERIFY(QSettings().contains("Snapshot/Format"));
    QVERIFY(uxSettings::instance()->isAutoUpdateEnabled());
}

void TestPlayerDialogs::leavingAsksOnlyAboutChanges()
{
    storePreferences(m_home + "/shots", "JPEG", true);
    {
        // Nothing changed: Cancel closes without a question.
        PreferencesDialog dialog;
        dialog.show();
        BoxAnswerer box(QDialogButtonBox::Cancel);
        dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
        QTest::qWait(100);
        QVERIFY(!box.shown);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    PreferencesDialog dialog;
    dialog.load();
    dialog.show();
    auto* formats = dialog.findChild<QComboBox*>("cmbSnapshotType");
    formats->setCurrentIndex(1);
    {
        BoxAnswerer box(QDialogButtonBox::Cancel);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(box.shown);
        QCOMPARE(box.title, QString("Preferences"));
        QCOMPARE(box.text, QString("You have changed some settings. Do you want to save the "
                                   "changes before exiting?"));
        QCOMPARE(box.icon, int(uxMessageBox::Question));
        QVERIFY(dialog.isVisible());
        QCOMPARE(formats->currentText(), QString("PNG"));
    }
    {
        // A question dismissed with Escape keeps the changes on screen too.
        BoxAnswerer box(Escape);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(box.shown);
        QVERIFY(dialog.isVisible());
    }
    {
        // The title bar's close button asks the same question.
        BoxAnswerer box(QDialogButtonBox::Cancel);
        QTest::mouseClick(dialog.findChild<QToolButton*>("btnClose"), Qt::LeftButton);
        QVERIFY(box.shown);
        QVERIFY(dialog.isVisible());
    }
    {
        BoxAnswerer box(QDialogButtonBox::No);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(box.shown);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(uxSettings::instance()->snapshotFormat(), QString("JPEG"));
    }

    // Yes saves, whichever way the dialog is left.
    dialog.load();
    dialog.show();
    formats->setCurrentIndex(2);
    {
        BoxAnswerer box(QDialogButtonBox::Yes);
        QTest::mouseClick(dialog.findChild<QToolButton*>("btnClose"), Qt::LeftButton);
        QVERIFY(box.shown);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(uxSettings::instance()->snapshotFormat(), QString("BMP"));
    }
    dialog.load();
    dialog.show();
    dialog.findChild<QCheckBox*>("chkAutoUpdate")->setChecked(false);
    {
        BoxAnswerer box(QDialogButtonBox::Yes);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(box.shown);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!uxSettings::instance()->isAutoUpdateEnabled());
    }
}

void TestPlayerDialogs::restoredDefaultsWaitForConfirmation()
{
    const QString folder = m_home + "/elsewhere";
    storePreferences(folder, "PNG", false);
    PreferencesDialog dialog;
    dialog.load();
    dialog.show();
    auto* buttons = dialog.findChild<QDialogButtonBox*>("buttonBox");
    buttons->button(QDialogButtonBox::RestoreDefaults)->click();
    QVERIFY(dialog.isVisible());
    auto* edit = dialog.findChild<QLineEdit*>("editSnapshotFolder");
    const QString defaultFolder =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
        "/Kestrel Media/Snapshot";
    QCOMPARE(edit->text(), defaultFolder);
    QCOMPARE(edit->cursorPosition(), 0);
    QCOMPARE(dialog.findChild<QComboBox*>("cmbSnapshotType")->currentText(), QString("JPEG"));
    QVERIFY(dialog.findChild<QCheckBox*>("chkAutoUpdate")->isChecked());
    QCOMPARE(uxSettings::instance()->snapshotDir(), folder);
    {
        BoxAnswerer box(QDialogButtonBox::No);
        buttons->button(QDialogButtonBox::Cancel)->click();
        QVERIFY(box.shown);
        QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(uxSettings::instance()->snapshotDir(), folder);
    QCOMPARE(uxSettings::instance()->snapshotFormat(), QString("PNG"));
    QVERIFY(!uxSettings::instance()->isAutoUpdateEnabled());

    dialog.load();
    dialog.show();
    buttons->button(QDialogButtonBox::RestoreDefaults)->click();
    buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(uxSettings::instance()->snapshotFormat(), QString("JPEG"));
    QVERIFY(uxSettings::instance()->isAutoUpdateEnabled());
    // The restored folder is the one the store itself falls back to.
    QSettings().remove("Snapshot/Path");
    QCOMPARE(uxSettings::instance()->snapshotDir(), defaultFolder);
}

void TestPlayerDialogs::browsingChecksTheFolder()
{
    const QString start = m_home + "/start";
    const QString chosen = m_home + "/chosen";
    QDir().mkpath(chosen);
    storePreferences(start, "JPEG", true);
    PreferencesDialog dialog;
    dialog.load();
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>("editSnapshotFolder");
    auto* browse = dialog.findChild<QPushButton*>("btnSnapshotFolderBrowse");
    {
        FolderChooser chooser(chosen);
        BoxAnswerer box(QDialogButtonBox::Ok);
        browse->click();
        QVERIFY(chooser.shown);
        QCOMPARE(chooser.caption, QString("Select Snapshot Folder"));
        QCOMPARE(chooser.startFolder, start);
        QVERIFY(chooser.options.testFlag(QFileDialog::ShowDirsOnly));
        QVERIFY(chooser.options.testFlag(QFileDialog::DontResolveSymlinks));
        QVERIFY(!box.shown);
        QCOMPARE(edit->text(), chosen);
        QCOMPARE(edit->cursorPosition(), 0);
        QVERIFY(QDir(chosen).isEmpty());
    }
    QCOMPARE(uxSettings::instance()->snapshotDir(), start);
    {
        FolderChooser chooser{QString()};
        browse->click();
        QVERIFY(chooser.shown);
        QCOMPARE(edit->text(), chosen);
    }
    {
        // Nobody, root included, may create files in /proc.
        FolderChooser chooser("/proc");
        BoxAnswerer box(QDialogButtonBox::Ok);
        browse->click();
        QVERIFY(chooser.shown);
        QVERIFY(box.shown);
        QCOMPARE(box.title, uxProductInfo::instance()->displayName());
        QCOMPARE(box.text, QString("\"/proc\" is not writable, Please select another one."));
        QCOMPARE(box.icon, int(uxMessageBox::Information));
        QCOMPARE(edit->text(), chosen);
    }

    UrlCatcher catcher;
    dialog.findChild<QPushButton*>("btnSnapshotFolderOpen")->click();
    QCOMPARE(catcher.urls, QList<QUrl>({QUrl::fromLocalFile(chosen)}));

    BoxAnswerer box(QDialogButtonBox::Yes);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(box.shown);
    QCOMPARE(uxSettings::instance()->snapshotDir(), chosen);
}

void TestPlayerDialogs::writableFolderProbe()
{
    const QString folder = m_home + "/probe";
    QDir().mkpath(folder);
    QVERIFY(PreferencesDialog::isFolderWritable(folder));
    QVERIFY(QDir(folder).isEmpty());

    // Files of those names are left alone, and so is a link under such a name,
    // even one that leads nowhere: the probe never writes through a link.
    writeTestFile(folder + "/1.temp", "mine");
    writeTestFile(folder + "/1(0).temp", "mine too");
    QVERIFY(QFile::link(folder + "/target", folder + "/1(1).temp"));
    QVERIFY(PreferencesDialog::isFolderWritable(folder));
    QVERIFY(!QFile::exists(folder + "/target"));
    QVERIFY(QFileInfo(folder + "/1(1).temp").isSymLink());
    QFile first(folder + "/1.temp"), second(folder + "/1(0).temp");
    QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), QByteArray("mine"));
    QCOMPARE(second.readAll(), QByteArray("mine too"));
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList({"1(0).temp", "1(1).temp", "1.temp"}));

    // Tests may run as root, which may write anywhere a mode forbids; a
    // folder below a regular file cannot hold files for anyone.
    QVERIFY(!PreferencesDialog::isFolderWritable(folder + "/1.temp/sub"));
    QVERIFY(!PreferencesDialog::isFolderWritable(m_home + "/missing"));
}

// --- Picture adjustment --------------------------------------------------------

void TestPlayerDialogs::adjustForm()
{
    AdjustDialog dialog;
    QCOMPARE(dialog.objectName(), QString("AdjustDialog"));
    QCOMPARE(dialog.size(), QSize(400, 200));
    QCOMPARE(dialog.minimumSize(), QSize(400, 200));
    QCOMPARE(dialog.maximumSize(), QSize(400, 200));
    QCOMPARE(dialog.windowTitle(), QString("Effects"));
    for (const char* name : {"uxDialogExClient", "frame", "frmButtonBoxBackGround"})
        QVERIFY2(dialog.findChild<QFrame*>(name), name);
    for (const char* name :
         {"verticalLayout", "verticalLayout_2", "gridLayout_2", "horizontalLayout"})
        QVERIFY2(dialog.findChild<QLayout*>(name), name);

    struct Row
    {
        const char* label;
        const char* text;
        const char* slider;
        int minimum, maximum, value;
    };
    const Row rows[] = {{"label", "Hue", "hueSlider", -180, 180, 0},
                        {"label_2", "Brightness", "brightnessSlider", 0, 200, 100},
                        {"label_3", "Contrast", "contrastSlider", 0, 200, 100},
                        {"label_4", "Saturation", "saturationSlider", 0, 300, 100},
                        {"label_5", "Gamma", "gammaSlider", 0, 100, 10}};
    auto* grid = dialog.findChild<QGridLayout*>("gridLayout_2");
    for (int i = 0; i < 5; ++i) {
        auto* label = dialog.findChild<QLabel*>(rows[i].label);
        auto* slider = dialog.findChild<QSlider*>(rows[i].slider);
        QVERIFY2(label && slider, rows[i].slider);
        QCOMPARE(label->text(), QString(rows[i].text));
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->minimum(), rows[i].minimum);
        QCOMPARE(slider->maximum(), rows[i].maximum);
        QCOMPARE(slider->value(), rows[i].value);
        QCOMPARE(grid->itemAtPosition(i, 0)->widget(), label);
        QCOMPARE(grid->itemAtPosition(i, 1)->widget(), slider);
    }
    auto* reset = dialog.findChild<QPushButton*>("btnRestore");
    auto* close = dialog.findChild<QPushButton*>("btnClose");
    QCOMPARE(reset->text(), QString("Reset"));
    QCOMPARE(close->text(), QString("Close"));

    reset->setText("x");
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&dialog, &change);
    QCOMPARE(reset->text(), QString("Reset"));

    // Without a player nothing is applied or remembered, but Close still closes.
    dialog.show();
    dialog.findChild<QSlider*>("hueSlider")->setValue(30);
    reset->click();
    QCOMPARE(dialog.findChild<QSlider*>("hueSlider")->value(), 30);
    close->click();
    QVERIFY(!dialog.isVisible());
    QVERIFY(!QSettings().contains("hue"));
}

void TestPlayerDialogs::slidersSendThePlayersValues()
{
    QVlcPlayer player;
    AdjustDialog dialog;
    dialog.init(&player);
    AdjustDialog::Picture sent = dialog.appliedPicture();
    // The neutral hue reaches the player as a full turn.
    QCOMPARE(sent.hue, 360);
    QCOMPARE(sent.contrast, 1.0f);
    QCOMPARE(sent.brightness, 1.0f);
    QCOMPARE(sent.saturation, 1.0f);
    QCOMPARE(sent.gamma, 1.0f);

    auto* hue = dialog.findChild<QSlider*>("hueSlider");
    const QList<QPair<int, int>> hues = {{-90, 270}, {1, 1}, {180, 180}, {0, 360}, {-180, 180}};
    for (const auto& [position, degrees] : hues) {
        hue->setValue(position);
        QCOMPARE(dialog.appliedPicture().hue, degrees);
    }
    dialog.findChild<QSlider*>("gammaSlider")->setValue(25);
    dialog.findChild<QSlider*>("brightnessSlider")->setValue(150);
    dialog.findChild<QSlider*>("contrastSlider")->setValue(0);
    dialog.findChild<QSlider*>("saturationSlider")->setValue(300);
    sent = dialog.appliedPicture();
    QCOMPARE(sent.gamma, 2.5f);
    QCOMPARE(sent.brightness, 1.5f);
    QCOMPARE(sent.contrast, 0.0f);
    QCOMPARE(sent.saturation, 3.0f);
    QCOMPARE(sent.hue, 180);

    dialog.findChild<QPushButton*>("btnRestore")->click();
    sent = dialog.appliedPicture();
    QCOMPARE(sent.hue, 0);
    QCOMPARE(sent.contrast, 1.0f);
    QCOMPARE(sent.brightness, 1.0f);
    QCOMPARE(sent.saturation, 1.0f);
    QCOMPARE(sent.gamma, 1.0f);
    QCOMPARE(hue->value(), 0);
    QCOMPARE(dialog.findChild<QSlider*>("gammaSlider")->value(), 10);
    QCOMPARE(dialog.findChild<QSlider*>("saturationSlider")->value(), 100);
}

void TestPlayerDialogs::openingAppliesTheRememberedPicture()
{
    uxSettings* settings = uxSettings::instance();
    settings->setValue("hue", -90.7f);
    settings->setValue("brightness", 150.0f);
    settings->setValue("contrast", 50.0f);
    settings->setValue("saturation", 200.0f);
    settings->setValue("gamma", 25.0f);
    QVlcPlayer player;
    AdjustDialog dialog;
    dialog.init(&player);
    QCOMPARE(dialog.findChild<QSlider*>("hueSlider")->value(), -90);
    QCOMPARE(dialog.findChild<QSlider*>("gammaSlider")->value(), 25);
    const AdjustDialog::Picture sent = dialog.appliedPicture();
    QCOMPARE(sent.hue, 270);
    QCOMPARE(sent.brightness, 1.5f);
    QCOMPARE(sent.contrast, 0.5f);
    QCOMPARE(sent.saturation, 2.0f);
    QCOMPARE(sent.gamma, 2.5f);
}

void TestPlayerDialogs::onlyCloseRemembers()
{
    QVlcPlayer player;
    const auto stored = [] {
        const uxSettings* s = uxSettings::instance();
        return QList<float>({s->value("hue").toFloat(), s->value("brightness").toFloat(),
                             s->value("contrast").toFloat(), s->value("saturation").toFloat(),
                             s->value("gamma").toFloat()});
    };
    {
        AdjustDialog dialog;
        dialog.init(&player);
        dialog.show();
        dialog.findChild<QSlider*>("hueSlider")->setValue(-45);
        dialog.findChild<QSlider*>("contrastSlider")->setValue(120);
        dialog.findChild<QSlider*>("gammaSlider")->setValue(30);
        dialog.findChild<QPushButton*>("btnClose")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(stored(), QList<float>({-45, 100, 120, 100, 30}));
    }
    {
        // Escape and the title bar leave the remembered values alone.
        AdjustDialog dialog;
        dialog.init(&player);
        QCOMPARE(dialog.appliedPicture().hue, 315);
        dialog.show();
        dialog.findChild<QSlider*>("brightnessSlider")->setValue(20);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        dialog.init(&player);
        dialog.show();
        dialog.findChild<QSlider*>("saturationSlider")->setValue(0);
        QTest::mouseClick(dialog.findChild<QToolButton*>("btnClose"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(stored(), QList<float>({-45, 100, 120, 100, 30}));
    }
    {
        AdjustDialog dialog;
        dialog.init(&player);
        dialog.show();
        dialog.findChild<QPushButton*>("btnRestore")->click();
        dialog.findChild<QPushButton*>("btnClose")->click();
        QCOMPARE(stored(), QList<float>({0, 100, 100, 100, 10}));
    }
}

// The sliders change what the player shows, and the picture keeps the
// adjustment after Escape until the next opening re-applies the stored one.
void TestPlayerDialogs::adjustsThePlayingPicture()
{
    QVlcPlayer player;
    PlayerProbe probe(&player);
    const QString movie = MediaFixture::movie();
    QVERIFY2(!movie.isEmpty(), "ffmpeg could not make the test movie");
    player.openFile(movie);
    QVERIFY2(probe.waitForState(QVlcPlayer::Started), qPrintable(probe.order.join(' ')));
    QVERIFY(probe.waitForTime(0.3f));
    const auto snapshot = [&] {
        QTest::qWait(400);
        player.snapshot();
        return probe.snapshots.isEmpty() ? QImage() : probe.snapshots.takeLast();
    };
    const QImage plain = snapshot();
    QVERIFY(!plain.isNull());

    AdjustDialog dialog;
    dialog.init(&player);
    dialog.show();
    const QImage neutral = snapshot();
    QVERIFY(!neutral.isNull());
    // The slider's neutral hue is sent as 360 degrees, a full turn. The clip
    // moves, so pictures a moment apart differ by about 12; a half turn of
    // hue by about 170.
    QVERIFY2(pictureDistance(plain, neutral) < 40,
             qPrintable(QString::number(pictureDistance(plain, neutral))));

    // Reset sends hue 0, which the picture must show unchanged.
    dialog.findChild<QPushButton*>("btnRestore")->click();
    const QImage reset = snapshot();
    QVERIFY2(pictureDistance(plain, reset) < 40,
             qPrintable(QString::number(pictureDistance(plain, reset))));

    dialog.findChild<QSlider*>("brightnessSlider")->setValue(30);
    const QImage dark = snapshot();
    QVERIFY2(PlayerProbe::meanGray(dark) < PlayerProbe::meanGray(plain) - 20,
             qPrintable(QString("%1 vs %2").arg(PlayerProbe::meanGray(dark)).arg(PlayerProbe::meanGray(plain))));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QVERIFY(PlayerProbe::meanGray(snapshot()) < PlayerProbe::meanGray(plain) - 20);
    QVERIFY(!QSettings().contains("brightness"));
    player.stop();
}

KP_TEST_MAIN(TestPlayerDialogs)
#include "tst_playerdialogs.moc"
