// Title bars: widget tree, buttons and their skin tags per window flags,
// alignments, the icon's click and double click, the system menu, the
// two-row header and its large logo.
#include "framework/ui/uxsystemmenu.h"
#include "framework/ui/uxwinmenubarex.h"
#include "framework/ui/uxwintitlebar.h"
#include "framework/ui/uxwintitlebarex.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

using FrameworkFixture::sendMouse;

namespace {

const int Min = Qt::WindowMinimizeButtonHint;
const int Max = Qt::WindowMaximizeButtonHint;
const int Close = Qt::WindowCloseButtonHint;
const int Base = Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint;

} // namespace

// A window that publishes its flags the way the framework's windows do.
class Host : public QWidget
{
    Q_OBJECT
public:
    explicit Host(int flags) : QWidget(nullptr, Qt::WindowFlags(flags))
    {
        setProperty("windowFlags", flags);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        bar = new uxWinTitleBar(this);
        layout->addWidget(bar);
        layout->addStretch();
        bar->attachTo(this);
        resize(400, 200);
    }
    QToolButton* button(const char* name) const { return bar->findChild<QToolButton*>(name); }
    QString skinFlag(const char* name) const
    {
        return button(name)->property("ButtonSkinFlag").toString();
    }
    QLabel* icon() const { return bar->findChild<QLabel*>("lblAppIcon"); }
    uxWinTitleBar* bar;

Q_SIGNALS:
    void windowFlagsChanged(int flag);
    void windowFlagsExChanged(int flag);
};

// Runs check on the next popup menu that opens within a few seconds, then
// closes it; check gets null when none opened.
static void onNextPopup(std::function<void(QMenu*)> check)
{
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, check] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu && waited->elapsed() < 3000)
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        check(menu);
        if (menu)
            menu->close();
    });
    poll->start(20);
}

class TestTitleBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void widgetTree()
    {
        Host host(Base | Min | Max | Close);
        QCOMPARE(host.bar->objectName(), QString("uxWinTitleBar"));
        QVERIFY(host.bar->findChild<QHBoxLayout*>("titleHLayout"));
        QVERIFY(host.bar->findChild<QVBoxLayout*>("sysBtnVLayout"));
        QVERIFY(host.bar->findChild<QLabel*>("lblAppTitle"));
        QVERIFY(host.button("btnMenu")->isHidden());
        QVERIFY(host.button("btnMenu")->isCheckable());
        QCOMPARE(host.button("btnClose")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(host.button("btnMaximize")->toolTip(), QString("Maximize"));
        QCOMPARE(host.bar->titleAlign(), uxWinTitleBar::TitleAlign_Left);
        QCOMPARE(host.bar->sysBtnAlign(), uxWinTitleBar::SysBtnAlign_Middle);
        QVERIFY(!host.bar->attachTo(&host));
        host.setWindowTitle("Caption");
        QCOMPARE(host.bar->title(), QString("Caption"));
        QPixmap red(32, 32);
        red.fill(Qt::red);
        host.setWindowIcon(QIcon(red));
        QCOMPARE(host.icon()->pixmap().size(), QSize(16, 16));
    }

    void buttonsFollowTheFlags_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("visible");  // which of min, max, close show
        QTest::addColumn<QStringList>("tags"); // min, max/restore, close, menu
        QTest::addColumn<QString>("single");
        QTest::newRow("close") << Close << "--c" << QStringList{"", "", "3", ""} << "1";
        QTest::newRow("all") << Min + Max + Close << "mxc" << QStringList{"2", "0", "1", ""} << "";
        QTest::newRow("min close") << Min + Close << "m-c" << QStringList{"2", "0", "1", ""} << "";
        QTest::newRow("min max") << Min + Max << "mx-" << QStringList{"2", "1", "", ""} << "";
        QTest::newRow("min") << Min << "m--" << QStringList{"3", "", "", ""} << "";
        QTest::newRow("max close") << Max + Close << "-xc" << QStringList{"", "2", "1", ""} << "";
        QTest::newRow("max") << Max << "-x-" << QStringList{"", "3", "", ""} << "";
    }

    void buttonsFollowTheFlags()
    {
        QFETCH(int, flags);
        QFETCH(QString, visible);
        QFETCH(QStringList, tags);
        QFETCH(QString, single);
        Host host(Base | flags);
        QCOMPARE(!host.button("btnMinimize")->isHidden(), visible[0] == 'm');
        QCOMPARE(!host.button("btnMaximize")->isHidden(), visible[1] == 'x');
        QVERIFY(host.button("btnRestore")->isHidden());
        QCOMPARE(!host.button("btnClose")->isHidden(), visible[2] == 'c');
        QCOMPARE(host.skinFlag("btnMinimize"), tags[0]);
        QCOMPARE(host.skinFlag("btnMaximize"), tags[1]);
        QCOMPARE(host.skinFlag("btnRestore"), tags[1]);
        QCOMPARE(host.skinFlag("btnClose"), tags[2]);
        QCOMPARE(host.skinFlag("btnMenu"), tags[3]);
        QCOMPARE(host.button("btnClose")->property("singleButton").toString(), single);
        // No system button at all leaves the tags as they were.
        emit host.windowFlagsChanged(Base);
        QCOMPARE(host.skinFlag("btnClose"), tags[2]);
        QVERIFY(host.button("btnClose")->isHidden());
        QCOMPARE(host.button("btnClose")->property("singleButton").toString(), QString("1"));
    }

    void menuButtonLeadsTheGroup_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("spaced");
        QTest::addColumn<QStringList>("tags"); // menu, min, max, close
        QTest::newRow("close") << Min + Close << false << QStringList{"2", "0", "0", "1"};
        QTest::newRow("max") << Max << false << QStringList{"2", "0", "1", ""};
        QTest::newRow("min") << Min << false << QStringList{"2", "1", "", ""};
        QTest::newRow("none") << 0 << false << QStringList{"3", "", "", ""};
        QTest::newRow("spaced") << Max + Close << true << QStringList{"3", "", "2", "1"};
    }

    void menuButtonLeadsTheGroup()
    {
        QFETCH(int, flags);
        QFETCH(bool, spaced);
        QFETCH(QStringList, tags);
        Host host(Base | Close);
        host.setProperty("SysBtnSpaceStyle", spaced);
        host.button("btnMenu")->setPopupMode(QToolButton::MenuButtonPopup);
        emit host.windowFlagsChanged(Base | flags);
        QCOMPARE(host.skinFlag("btnMenu"), tags[0]);
        QCOMPARE(host.skinFlag("btnMinimize"), tags[1]);
        QCOMPARE(host.skinFlag("btnMaximize"), tags[2]);
        QCOMPARE(host.skinFlag("btnClose"), tags[3]);
        Host plain(Base | Min | Close);
        plain.setProperty("SysBtnSpaceStyle", true);
        emit plain.windowFlagsChanged(Base | Min | Close);
        QCOMPARE(plain.skinFlag("btnMenu"), QString());
    }

    void closingCanBeDisabled()
    {
        Host host(Base | Close);
        emit host.windowFlagsExChanged(1);
        QVERIFY(!host.button("btnClose")->isEnabled());
        QVERIFY(!host.button("btnClose")->isHidden());
        emit host.windowFlagsExChanged(0);
        QVERIFY(host.button("btnClose")->isEnabled());
        QWidget window;
        window.setProperty("windowFlagsEx", 1);
        uxWinTitleBar bar;
        bar.attachTo(&window);
        QVERIFY(!bar.findChild<QToolButton*>("btnClose")->isEnabled());
    }

    void alignments()
    {
        Host host(Base | Close);
        auto* row = host.bar->findChild<QHBoxLayout*>("titleHLayout");
        auto spacers = [row] {
            QList<int> at;
            for (int i = 0; i < row->count(); ++i)
                if (row->itemAt(i)->spacerItem())
                    at << i;
            return at;
        };
        const auto titleAt = [row, &host] {
            return row->indexOf(host.bar->findChild<QLabel*>("lblAppTitle"));
        };
        QCOMPARE(spacers().size(), 1);
        QVERIFY(spacers().first() > titleAt());
        host.bar->setProperty("titleAlign", "TitleAlign_Center");
        QCOMPARE(spacers().size(), 2);
        host.bar->setTitleAlign(uxWinTitleBar::TitleAlign_Right);
        QCOMPARE(spacers().size(), 1);
        QVERIFY(spacers().first() < titleAt());

        auto* column = host.bar->findChild<QVBoxLayout*>("sysBtnVLayout");
        QCOMPARE(column->count(), 3);
        host.bar->setSysBtnAlign(uxWinTitleBar::SysBtnAlign_Top);
        QCOMPARE(column->count(), 2);
        QVERIFY(column->itemAt(0)->layout());
        host.bar->setSysBtnAlign(uxWinTitleBar::SysBtnAlign_Bottom);
        QCOMPARE(column->count(), 2);
        QVERIFY(column->itemAt(1)->layout());
        host.bar->setSysBtnAlign(uxWinTitleBar::SysBtnAlign_Undef);
        QCOMPARE(column->count(), 3);
    }

    void buttonsChangeTheWindowState()
    {
        Host host(Base | Min | Max | Close);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(host.button("btnMaximize"), Qt::LeftButton);
        QTRY_VERIFY(host.isMaximized());
        QTRY_VERIFY(!host.button("btnRestore")->isHidden());
        QVERIFY(host.button("btnMaximize")->isHidden());
        QTest::mouseClick(host.button("btnRestore"), Qt::LeftButton);
        QTRY_VERIFY(!host.isMaximized());
        QTRY_VERIFY(!host.button("btnMaximize")->isHidden());

        const QPoint free(host.bar->width() / 2, host.bar->height() / 2);
        QTest::mouseDClick(host.bar, Qt::LeftButton, {}, free);
        QTRY_VERIFY(host.isMaximized());
        QTest::mouseDClick(host.bar, Qt::LeftButton, {}, free);
        QTRY_VERIFY(!host.isMaximized());
        QTest::mouseClick(host.button("btnClose"), Qt::LeftButton);
        QTRY_VERIFY(!host.isVisible());
    }

    // A click on the icon opens the system menu only once a double click can
    // no longer follow; a double click closes the window instead.
    void iconClickAndDoubleClick()
    {
        Host host(Base | Min | Max | Close);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QPoint icon = host.icon()->geometry().center();
        bool opened = false;
        onNextPopup([&opened](QMenu* m) { opened = qobject_cast<uxSystemMenu*>(m); });
        QTest::mousePress(host.bar, Qt::LeftButton, {}, icon);
        QVERIFY(!QApplication::activePopupWidget());
        QTRY_VERIFY(opened);

        QTest::mouseDClick(host.bar, Qt::LeftButton, {}, icon);
        QTRY_VERIFY(!host.isVisible());
        bool checked = false, menuShown = false;
        onNextPopup([&](QMenu* m) {
            checked = true;
            menuShown = m;
        });
        QTRY_VERIFY_WITH_TIMEOUT(checked, 10000);
        QVERIFY(!menuShown);
    }

    void iconDoubleClickWithoutClose()
    {
        Host host(Base | Min);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QPoint icon = host.icon()->geometry().center();
        bool opened = false;
        onNextPopup([&opened](QMenu* m) { opened = m; });
        QTest::mousePress(host.bar, Qt::LeftButton, {}, icon);
        QTest::mouseDClick(host.bar, Qt::LeftButton, {}, icon);
        QTRY_VERIFY(opened);
        QVERIFY(host.isVisible());
    }

    void systemMenuGreying_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QString>("enabled"); // restore move size min max close
        QTest::newRow("normal") << Min + Max + Close << false << "-MSNXC";
        QTest::newRow("maximized") << Min + Max + Close << true << "R--N-C";
        QTest::newRow("no maximize") << Min + Close << false << "-M-N-C";
        QTest::newRow("no minimize") << Max + Close << false << "-MS-XC";
        QTest::newRow("no close") << Min + Max << false << "-MSNX-";
        QTest::newRow("fixed size")
            << Min + Max + Close + int(Qt::MSWindowsFixedSizeDialogHint) << false << "-M-NXC";
    }

    void systemMenuGreying()
    {
        QFETCH(int, flags);
        QFETCH(bool, maximized);
        QFETCH(QString, enabled);
        Host host(Base | flags);
        host.show();
        if (maximized)
            host.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTRY_COMPARE(host.isMaximized(), maximized);
        uxSystemMenu menu(&host);
        QString actual;
        const char names[] = "RMSNXC";
        for (int c = uxSystemMenu::Restore; c <= uxSystemMenu::Close; ++c)
            actual += menu.commandAction(uxSystemMenu::Command(c))->isEnabled() ? names[c] : '-';
        QCOMPARE(actual, enabled);
    }

    void rightClickOpensTheSystemMenu()
    {
        Host host(Base | Min | Max | Close);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        onNextPopup([](QMenu* m) {
            QVERIFY(m);
            m->findChild<QAction*>("sysMaximize")->trigger();
        });
        const QPoint at(host.bar->width() / 2, 5);
        sendMouse(host.bar, QEvent::MouseButtonRelease, at, host.bar->mapToGlobal(at),
                  Qt::RightButton);
        QTRY_VERIFY(host.isMaximized());

        Host noMenu(Qt::Window | Qt::FramelessWindowHint | Close);
        noMenu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&noMenu));
        bool checked = false, shown = false;
        onNextPopup([&](QMenu* m) {
            checked = true;
            shown = m;
        });
        sendMouse(noMenu.bar, QEvent::MouseButtonRelease, at, noMenu.bar->mapToGlobal(at),
                  Qt::RightButton);
        QTRY_VERIFY_WITH_TIMEOUT(checked, 10000);
        QVERIFY(!shown);
    }

    void extendedBarAndLogo()
    {
        uxWinTitleBarEx header;
        QCOMPARE(header.objectName(), QString("uxWinTitleBarEx"));
        QCOMPARE(header.titleBar()->objectName(), QString("frmTitleBar"));
        QCOMPARE(header.menuBar()->objectName(), QString("frmMenuBar"));
        QCOMPARE(header.largeIconSize(), QSize(48, 48));
        auto* large = header.findChild<QFrame*>("uxWinTitleBarExLargeIcon");
        auto* user = header.findChild<QFrame*>("uxWinTitleBarExUserLogo");
        QVERIFY(large->isHidden() && user->isHidden());

        const QString logo = QDir::tempPath() + "/logo.png";
        FrameworkFixture::writePng(logo, QSize(100, 60), Qt::blue);
        header.setLargeIconPath(logo);
        QCOMPARE(header.largeIconLabel()->pixmap().size(), QSize(48, 48));
        header.setProperty("largeIconSize", QSize(32, 24));
        QCOMPARE(header.largeIconLabel()->pixmap().size(), QSize(32, 24));
        header.setLargeIconPath("/no/such/logo.png");
        QVERIFY(header.largeIconLabel()->pixmap().isNull());

        header.setProperty("logoShowMode", "LogoMode_LargeIcon");
        QVERIFY(!large->isHidden() && user->isHidden());
        QVERIFY(!header.titleBar()->showIcon());
        header.setLogoShowMode(uxWinTitleBarEx::LogoMode_UserDefined);
        QVERIFY(large->isHidden() && !user->isHidden());
        header.setLogoShowMode(uxWinTitleBarEx::LogoMode_StandardIcon);
        QVERIFY(large->isHidden() && user->isHidden());
        header.resize(300, 60);
        header.show();
        QVERIFY(QTest::qWaitForWindowExposed(&header));
        QTRY_COMPARE(large->geometry(), QRect(0, 0, 60, 60));
        QCOMPARE(user->geometry(), QRect(0, 0, 60, 60));
    }

    void menuStrip()
    {
        uxWinMenuBarEx strip;
        QCOMPARE(strip.objectName(), QString("uxWinMenuBarEx"));
        strip.setMenuWidget(nullptr);
        QVERIFY(!strip.menuBarContainer()->layout());
        auto* bar = new QMenuBar;
        strip.setMenuWidget(bar);
        QCOMPARE(bar->parentWidget(), strip.menuBarContainer());
        QCOMPARE(bar->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(strip.menuBarContainer()->layout()->indexOf(bar), 0);
    }
};

KP_TEST_MAIN(TestTitleBar)
#include "tst_titlebar.moc"
