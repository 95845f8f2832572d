// The Blu-ray navigation menu: its layout and skin properties, the rows its
// delegate draws, the pictures behind it, and choices that drive a real
// player on a disc the fixture authors.
#include "fixtures/blurayauthor.h"
#include "fixtures/playerprobe.h"
#include "framework/core/uxsrcmgr.h"
#include "player/discs/qbluraymenu.h"
#include "player/discs/qbluraymenuitemdelegate.h"
#include "player/engine/qvlcplayer.h"
#include "testenvironment.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSignalSpy>

namespace {

QListWidget* catalog(QBluRayMenu& menu)
{
    return menu.findChild<QListWidget*>("lstMenuCatalog");
}

QListWidget* subItems(QBluRayMenu& menu)
{
    return menu.findChild<QListWidget*>("lstMenuSubItems");
}

void click(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(item).center());
}

QStringList texts(QListWidget* list)
{
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        out << list->item(row)->text();
    return out;
}

bool hasColour(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class TestBlurayMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { uxSrcMgr::createInstance(stageDir()); }
    void cleanup() { uxSrcMgr::deleteInstance(); }

    void layoutFollowsTheSize()
    {
        QBluRayMenu menu;
        menu.resize(1920, 1080);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.objectName(), QString("QBluRayMenu"));
        auto* catalogFrame = menu.findChild<QFrame*>("frmMenuCatalog");
        auto* subFrame = menu.findChild<QFrame*>("frmMenuSubItems");
        QCOMPARE(catalogFrame->geometry(), QRect(25, 1080 - 1 - 540 - 25, 450, 540));
        QCOMPARE(subFrame->geometry(), QRect(485, 1080 - 1 - 900 - 25, 450, 900));
        QVERIFY(subItems(menu)->isHidden());
        QCOMPARE(texts(catalog(menu)),
                 QStringList({"Play Movie", "Chapter", "Audio", "Subtitle", "Other Titles"}));
        QCOMPARE(catalog(menu)->item(0)->type(), int(QBluRayMenu::PlayMovieItem));
        QCOMPARE(catalog(menu)->item(4)->type(), int(QBluRayMenu::OtherTitlesItem));

        // Six catalog rows fill the list's height, and follow it when it changes.
        for (const QSize& size : {QSize(1920, 1080), QSize(800, 600)}) {
            menu.resize(size);
            QApplication::processEvents();
            QListWidget* list = catalog(menu);
            QCOMPARE(list->visualItemRect(list->item(1)).height(),
                     list->viewport()->height() / 6);
        }
        // A narrow menu takes a third of its width per column.
        menu.resize(600, 1080);
        QCOMPARE(catalogFrame->width(), 200);
        QCOMPARE(subFrame->x(), 235);
    }

    // The disc's name heads the menu without running under the second list.
    void discNameKeepsClearOfTheSecondList()
    {
        QBluRayMenu menu;
        menu.resize(1280, 720);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        auto* name = menu.findChild<QLabel*>("lblMenuDiscName");
        auto* subFrame = menu.findChild<QFrame*>("frmMenuSubItems");
        const int usualX = subFrame->x();
        menu.setDiscName("Film");
        QCOMPARE(subFrame->x(), usualX);
        for (const QString& title : {QString("The Extended Collector's Cut"), QString(200, 'W')}) {
            menu.setDiscName(title);
            menu.resize(1280, 720 + title.size() % 2); // and after a new layout
            QApplication::processEvents();
            QVERIFY(name->geometry().right() < subFrame->x());
            QVERIFY(subFrame->geometry().right() < menu.width());
            QCOMPARE(menu.discName(), title);
            QCOMPARE(name->toolTip(), title);
            const QFontMetrics metrics(name->font());
            QVERIFY(metrics.horizontalAdvance(name->text()) <= name->width());
        }
        QVERIFY(name->text().endsWith(QChar(0x2026))); // the long one is cut
    }

    void skinProperties()
    {
        QBluRayMenu menu;
        QCOMPARE(menu.property("menuItemFontColor").value<QColor>(), QColor(255, 255, 255));
        QCOMPARE(menu.property("menuItemFontColorH").value<QColor>(), QColor(255, 0, 0));
        QCOMPARE(menu.property("menuItemFontColorS").value<QColor>(), QColor(0, 255, 0));
        QCOMPARE(menu.property("menuItemFontColorI").value<QColor>(), QColor(0, 0, 255));
        QCOMPARE(menu.menuListBgImageBorder(), QString("0,-1,-1,0"));
        menu.setProperty("menuListBgImageBorder", "4,5,6,7");
        QCOMPARE(menu.menuListBgImageBorder(), QString("4,5,6,7"));
        for (const char* ignored : {"1,2,3", "1,2,3,4,5", ""}) {
            menu.setProperty("menuListBgImageBorder", ignored);
            QCOMPARE(menu.menuListBgImageBorder(), QString("4,5,6,7"));
        }
        // The skins set every property through the style sheet.
        uxSrcMgr::instance()->setCurrentSkin("Light");
        menu.ensurePolished();
        QVERIFY(menu.menuItemFontColor() != QColor(255, 255, 255));
        QCOMPARE(menu.menuListBgImageBorder(), QString("12,12,12,12"));
        QVERIFY(menu.menuListBgImage().endsWith("menu-list.png"));
        QVERIFY(!QImage(menu.menuListBgImage()).isNull());
    }

    void rowColoursFollowTheState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("colour");
        const int selected = QStyle::State_Selected;
        const int active = QStyle::State_Active;
        QTest::newRow("selected, active") << (selected | active) << QColor(0, 255, 0);
        QTest::newRow("selected, inactive") << selected << QColor(0, 0, 255);
        QTest::newRow("under the mouse") << int(QStyle::State_MouseOver) << QColor(255, 0, 0);
        QTest::newRow("plain") << 0 << QColor(255, 255, 255);
    }

    void rowColoursFollowTheState()
    {
        QFETCH(int, state);
        QFETCH(QColor, colour);
        QBluRayMenu menu;
        menu.resize(900, 600);
        QListWidget* list = catalog(menu);
        auto* delegate = qobject_cast<QBluRayMenuItemDelegate*>(list->itemDelegate());
        QVERIFY(delegate);
        QImage image(300, 60, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.rect = image.rect();
        option.state = QStyle::State_Enabled | QStyle::StateFlag(state);
        option.palette.setBrush(QPalette::Highlight, Qt::black);
        option.palette.setBrush(QPalette::Base, Qt::black);
        delegate->paint(&painter, option, list->model()->index(0, 0));
        painter.end();
        QVERIFY(hasColour(image, colour));
        // The text is scaled to the row: a row of 60 pixels has letters of dozens of pixels.
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
        QVERIFY2(bottom - top >= 20, qPrintable(QString::number(bottom - top)));
    }

    void backgroundPictures()
    {
        TestEnvironment env;
        QBluRayMenu menu;
        menu.resize(640, 360);
        QImage shown = menu.grab().toImage();
        QVERIFY(shown.pixelColor(320, 10) != QColor(Qt::black)); // the product's picture

        // Without that picture the background stays black.
        const QString bare = makeProgramDir(env, "bare");
        QVERIFY(QFile::remove(bare + "/cfg/bd_menu_bg.png"));
        uxSrcMgr::createInstance(bare);
        QBluRayMenu black;
        black.resize(640, 360);
        shown = black.grab().toImage();
        QCOMPARE(shown.pixelColor(320, 10), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(10, 180), QColor(Qt::black));
    }

    void choicesDriveThePlayer()
    {
        QVlcPlayer player;
        PlayerProbe probe(&player);
        QBluRayMenu menu;
        menu.resize(1280, 720);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        // No disc yet: chapters of an unknown title are nothing.
        menu.setPlayer(&player);
        click(catalog(menu), 1);
        QVERIFY(subItems(menu)->isVisible());
        QCOMPARE(subItems(menu)->count(), 0);

        const QString disc = BlurayAuthor::disc();
        QVERIFY2(!disc.isEmpty(), "the disc could not be authored");
        player.openBD(disc);
        QVERIFY2(QTest::qWaitFor([&] { return probe.prepared > 0 || probe.errors > 0; }, 30000),
                 qPrintable(probe.order.join(' ')));
        QCOMPARE(probe.errors, 0);
        QVERIFY(subItems(menu)->isHidden()); // new titles close the list

        // The disc's cover is the background, scaled to the width and centred.
        const QImage shown = menu.grab().toImage();
        const QColor middle = shown.pixelColor(640, 360);
        QVERIFY2(middle.red() > 200 && middle.blue() < 90, qPrintable(middle.name()));

        click(catalog(menu), 1);
        QCOMPARE(subItems(menu)->count(), 7);
        QCOMPARE(subItems(menu)->item(0)->text(), QString("1. 00:00:00"));
        QCOMPARE(subItems(menu)->currentRow(), player.currentChapter());

        click(catalog(menu), 2);
        QList<VlcTrack> audio;
        player.tracks(VlcAudioTrack, audio);
        QCOMPARE(subItems(menu)->count(), audio.size());
        QCOMPARE(subItems(menu)->currentItem()->data(Qt::UserRole).toInt(),
                 player.currentTrack(VlcAudioTrack));
        click(subItems(menu), 2);
        QVERIFY(subItems(menu)->isVisible()); // a track choice keeps the list open
        QTRY_COMPARE(player.currentTrack(VlcAudioTrack), audio.at(2).id);

        click(catalog(menu), 4);
        QList<VlcTitle> titles;
        player.titles(titles);
        QCOMPARE(subItems(menu)->count(), titles.size());
        QCOMPARE(subItems(menu)->currentItem()->text(), titles.first().name);

        click(catalog(menu), 1);
        click(subItems(menu), 2);
        QVERIFY(subItems(menu)->isHidden()); // a chapter choice closes the list and plays
        QVERIFY(probe.waitForState(QVlcPlayer::Playing));
        QTRY_COMPARE(player.currentChapter(), 2);

        // A press on the background closes the list; the right button asks for the
        // context menu, a double click for full screen.
        click(catalog(menu), 3);
        QVERIFY(subItems(menu)->isVisible());
        QSignalSpy context(&menu, &QBluRayMenu::popupContextMenu);
        QSignalSpy fullscreen(&menu, &QBluRayMenu::fullscreen);
        QTest::mouseClick(&menu, Qt::RightButton, Qt::NoModifier, QPoint(1200, 20));
        QVERIFY(subItems(menu)->isHidden());
        QVERIFY(catalog(menu)->selectedItems().isEmpty());
        QCOMPARE(context.size(), 1);
        QCOMPARE(context.first().first().toBool(), true);
        QTest::mouseDClick(&menu, Qt::LeftButton, Qt::NoModifier, QPoint(1200, 20));
        QCOMPARE(fullscreen.size(), 1);
    }

    void textsFollowTheLanguage()
    {
        QBluRayMenu menu;
        uxSrcMgr::instance()->setCurrentLanguage("de");
        const QString german = QCoreApplication::translate("QBluRayMenu", "Play Movie");
        QVERIFY(german != QString("Play Movie"));
        QTRY_COMPARE(catalog(menu)->item(0)->text(), german);
        uxSrcMgr::instance()->setCurrentLanguage("en");
        QTRY_COMPARE(catalog(menu)->item(0)->text(), QString("Play Movie"));
    }
};

KP_TEST_MAIN(TestBlurayMenu)
#include "tst_bluraymenu.moc"
