// The message box: icons and their fallbacks, the icon size, the default
// button, results of the static entry points and links in the message.
#include "framework/ui/uxmessagebox.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QIcon filled(const QColor& colour)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QColor shownColour(const uxMessageBox& box)
{
    return box.iconLabel()->pixmap().toImage().pixelColor(5, 5);
}

// Runs action on the message box once its modal loop runs.
void whenShown(std::function<void(uxMessageBox*)> action)
{
    QTimer::singleShot(
        50, [action] { action(qobject_cast<uxMessageBox*>(QApplication::activeModalWidget())); });
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { FrameworkFixture::loadProduct(); }

    void formAndFlags()
    {
        uxMessageBox box;
        QCOMPARE(box.objectName(), QString("uxMessageBox"));
        QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!box.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        for (const char* name : {"frmContent", "frmContentContainer", "frmButtonBoxBackGround"})
            QVERIFY2(box.findChild<QFrame*>(name), name);
        QCOMPARE(box.buttonBox()->standardButtons(), QDialogButtonBox::Ok);
        QVERIFY(box.textLabel()->wordWrap());
        QVERIFY(box.textLabel()->openExternalLinks());
    }

    void iconTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("styleFallback");
        QTest::newRow("information") << 1 << true;
        QTest::newRow("warning") << 2 << true;
        QTest::newRow("critical") << 3 << true;
        QTest::newRow("question") << 4 << true;
        QTest::newRow("success") << 5 << false;
        QTest::newRow("failure") << 6 << false;
        QTest::newRow("none") << 0 << false;
        QTest::newRow("unknown") << 9 << false;
    }

    void iconTypes()
    {
        QFETCH(int, type);
        QFETCH(bool, styleFallback);
        uxMessageBox box;
        box.setIconType(type);
        QCOMPARE(box.iconType(), type);
        QCOMPARE(!box.iconLabel()->pixmap().isNull(), styleFallback);
        if (styleFallback)
            QCOMPARE(box.iconLabel()->pixmap().size(), QSize(32, 32));
        const char* properties[] = {
            "",       "iconInformation", "iconWarning", "iconCritical", "iconQuestion",
            "iconOK", "iconWrong"};
        if (type < 1 || type > 6)
            return;
        box.setProperty(properties[type], filled(Qt::red)); // a skin icon wins
        QCOMPARE(shownColour(box), QColor(Qt::red));
    }

    void skinIconReplacesAnOpenOne()
    {
        uxMessageBox box;
        box.setIconType(uxMessageBox::Warning);
        box.show();
        box.setProperty("iconInformation", filled(Qt::green)); // not the shown type
        QVERIFY(shownColour(box) != QColor(Qt::green));
        box.setProperty("iconWarning", filled(Qt::blue));
        QCOMPARE(shownColour(box), QColor(Qt::blue));
    }

    void iconSizeRule()
    {
        uxMessageBox box;
        box.setIconType(uxMessageBox::Information);
        box.setProperty("iconSize", QSize(48, 16));
        QCOMPARE(box.iconLabel()->pixmap().size(), QSize(48, 48));
        box.setIconSize(QSize(-1, 48));
        QCOMPARE(box.iconLabel()->pixmap().size(), QSize(32, 32));
    }

    void defaultButtonRule()
    {
        uxMessageBox box;
        box.setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        box.setDefaultButton(0);
        QPushButton* ok = box.buttonBox()->button(QDialogButtonBox::Ok);
        QVERIFY(ok->isDefault());
        QCOMPARE(box.focusWidget(), ok);

        uxMessageBox yesNo;
        yesNo.setStandardButtons(QDialogButtonBox::Yes | QDialogButtonBox::No);
        yesNo.setDefaultButton(0);
        for (QAbstractButton* b : yesNo.buttonBox()->buttons())
            QVERIFY(!static_cast<QPushButton*>(b)->isDefault());
        yesNo.setDefaultButton(QDialogButtonBox::Save); // not in the box: nothing happens
        yesNo.setDefaultButton(QDialogButtonBox::No);
        QVERIFY(yesNo.buttonBox()->button(QDialogButtonBox::No)->isDefault());
    }

    void results()
    {
        int depth = -1;
        whenShown([&depth](uxMessageBox* box) {
            depth = uxDialogBase::modalDepth();
            box->buttonBox()->button(QDialogButtonBox::No)->click();
        });
        QCOMPARE(uxMessageBox::question(nullptr, "Title", "Really?"), 0x10000);
        QCOMPARE(depth, 1);

        QString title;
        whenShown([&title](uxMessageBox* box) {
            title = box->windowTitle();
            QCOMPARE(box->iconType(), int(uxMessageBox::Warning));
            box->buttonBox()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(uxMessageBox::warning(nullptr, "Kestrel Player", "Careful"),
                 int(QDialogButtonBox::Ok));
        QCOMPARE(title, QString("Kestrel Player"));

        whenShown([](uxMessageBox* box) { box->done(-1); });
        QCOMPARE(uxMessageBox::information(nullptr, "T", "Gone", QDialogButtonBox::Ok, 0, 42), 42);
        whenShown([](uxMessageBox* box) { box->reject(); });
        QCOMPARE(uxMessageBox::showMessage(nullptr, "T", "x", 3, QDialogButtonBox::Ok), 0);
        QCOMPARE(uxDialogBase::modalDepth(), 0);
    }

    // Rich text is shown as such, and its links open in the browser.
    void richTextWithLinks()
    {
        UrlCatcher catcher;
        uxMessageBox box;
        box.setText("<a href=\"https://www.kestrel-player.example/help\">"
                    "HELPHELPHELPHELP</a> <b>Disc</b> &amp; more");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QLabel* label = box.textLabel();
        QCOMPARE(label->textFormat(), Qt::AutoText);
        QVERIFY(Qt::mightBeRichText(label->text()));
        const QPoint onLink(label->contentsRect().left() + 12, label->contentsRect().center().y());
        QTest::mouseClick(label, Qt::LeftButton, {}, onLink);
        QTRY_COMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first(), QUrl("https://www.kestrel-player.example/help"));
    }
};

KP_TEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
