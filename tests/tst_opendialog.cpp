// The Open File dialog as the user meets it in each skin: media files are
// listed by the default filter, every file by "All Files", and the texts of
// the dialog contrast with what lies behind them on the screen.
#include "fixtures/mediafixture.h"
#include "fixtures/xinput.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "player/ui/mainwindow.h"
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

struct DialogLook
{
    QStringList byDefault;       // names listed with the filter the dialog starts with
    QStringList withAllFiles;    // names listed under the last filter
    QList<QPair<QString, double>> contrasts;
};

QAbstractItemView* shownView(QFileDialog* dialog)
{
    for (auto* view : dialog->findChildren<QAbstractItemView*>()) {
        if (view->isVisible() && view->objectName() != QLatin1String("sidebar") &&
            !qobject_cast<QComboBox*>(view->parentWidget()))
            return view;
    }
    return nullptr;
}

QStringList listedNames(QAbstractItemView* view)
{
    QStringList names;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
        names << model->index(row, 0, view->rootIndex()).data().toString();
    return names;
}

void measure(DialogLook* look, const QString& what, const QWidget* widget, const QRect& local)
{
    look->contrasts << qMakePair(what, XInput::textContrast(XInput::grab(widget, local)));
}

// The text of the listed clip, its labels, the filter box and the buttons.
void measureTexts(QFileDialog* dialog, QAbstractItemView* view, DialogLook* look)
{
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        if (index.data().toString() != QLatin1String("clip.mkv"))
            continue;
        // The file's icon stays out: only its name is text.
        const int icon = view->style()->pixelMetric(QStyle::PM_SmallIconSize) + 8;
        measure(look, "file name", view->viewport(),
                view->visualRect(index).adjusted(icon, 1, 0, -1));
    }
    for (auto* label : dialog->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty())
            measure(look, "label " + label->text(), label, label->contentsRect());
    }
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    measure(look, "filter box", types, types->rect().adjusted(4, 4, -30, -4));
    // A disabled button is meant to look faint.
    for (auto* button : dialog->findChild<QDialogButtonBox*>("buttonBox")->buttons()) {
        if (button->isEnabled())
            measure(look, "button " + button->text(), button,
                    button->rect().adjusted(6, 5, -6, -5));
    }
}

void inspect(QFileDialog* dialog, DialogLook* look)
{
    QAbstractItemView* view = nullptr;
    const bool listed = QTest::qWaitFor([&] {
        view = shownView(dialog);
        return view && listedNames(view).contains("clip.mkv");
    }, 10000);
    if (!listed)
        return;
    look->byDefault = listedNames(view);
    QTest::qWait(300); // drawn on the screen
    measureTexts(dialog, view, look);
    dialog->selectNameFilter(dialog->nameFilters().constLast());
    if (QTest::qWaitFor([&] { return listedNames(view).size() > look->byDefault.size(); }, 5000))
        look->withAllFiles = listedNames(view);
}

} // namespace

class TestOpenDialog : public QObject
{
    Q_OBJECT
    QString m_folder;

private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        const QString movie = MediaFixture::movie();
        QVERIFY(!movie.isEmpty());
        m_folder = QDir::homePath() + "/Videos";
        QVERIFY(QDir().mkpath(m_folder));
        QVERIFY(QFile::copy(movie, m_folder + "/clip.mkv"));
        writeTestFile(m_folder + "/notes.txt", "not media");
        writeTestFile(m_folder + "/README", "no extension");
    }

    void listsMediaAndIsReadable_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("Dark") << "Dark";
        QTest::newRow("Light") << "Light";
    }
    void listsMediaAndIsReadable()
    {
        QFETCH(QString, skin);
        uxSrcMgr::instance()->setCurrentSkin(skin);
        uxSettings::instance()->setValue("Edit/LastVideoFilePath", m_folder + "/clip.mkv");
        MainWindowBase base;
        base.resize(900, 620);
        base.show();
        QVERIFY(QTest::qWaitForWindowExposed(&base));

        DialogLook look;
        auto* poll = new QTimer(&base);
        poll->setInterval(50);
        connect(poll, &QTimer::timeout, poll, [poll, &look] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->stop();
            inspect(dialog, &look);
            dialog->reject();
        });
        poll->start();
        QVERIFY(QMetaObject::invokeMethod(base.playerWindow(), "openFile", Qt::DirectConnection));

        QCOMPARE(look.byDefault, QStringList({"clip.mkv"}));
        QVERIFY2(look.withAllFiles.contains("README") && look.withAllFiles.contains("notes.txt"),
                 qPrintable(look.withAllFiles.join(", ")));
        QVERIFY(look.contrasts.size() >= 5);
        for (const auto& [what, ratio] : look.contrasts)
            QVERIFY2(ratio >= 3.0, qPrintable(QString("%1: contrast %2").arg(what).arg(ratio)));
    }

    // A fresh profile has no remembered folder and maybe no Documents folder:
    // the dialog starts in a folder that exists, with no name filled in.
    void startsInAFolderThatExists()
    {
        uxSettings::instance()->setValue("Edit/LastVideoFilePath", QDir::homePath() + "/gone/away/x.mkv");
        MainWindowBase base;
        base.show();
        QVERIFY(QTest::qWaitForWindowExposed(&base));
        QString folder;
        QStringList names;
        auto* poll = new QTimer(&base);
        poll->setInterval(50);
        connect(poll, &QTimer::timeout, poll, [poll, &folder, &names] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->stop();
            folder = dialog->directory().absolutePath();
            names = dialog->selectedFiles();
            dialog->reject();
        });
        poll->start();
        QVERIFY(QMetaObject::invokeMethod(base.playerWindow(), "openFile", Qt::DirectConnection));
        QCOMPARE(folder, QDir::homePath());
        for (const QString& name : names)
            QVERIFY2(QFileInfo(name).isDir(), qPrintable(name));
    }
};

KP_TEST_MAIN(TestOpenDialog)
#include "tst_opendialog.moc"
