// Blu-ray discs shaped like bought ones, through the real player window: a
// feature with a bonus title, a series of episodes, protected discs and a
// disc image. What the disc says of itself, every title listed and chosen,
// resume in the title left, and one clear message for a disc that cannot play.
#include "fixtures/blurayauthor.h"
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "fixtures/playerwindowfixture.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxmessagebox.h"
#include "player/discs/bluraydiscinfo.h"
#include "player/discs/qbluraymenu.h"
#include "player/discs/qbluraymenuitemdelegate.h"
#include "player/ui/mainwindow.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"
#include "widgets/kpplayseekingbar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QCryptographicHash>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTime>
#include <QTimer>
#include <algorithm>

namespace {

// Answers every message box that comes up while it lives, recording its text.
class MessageCatcher : public QObject
{
public:
    MessageCatcher()
    {
        m_poll.setInterval(50);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<uxMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->findChild<QLabel*>("labelinfo")->text();
                box->done(QDialogButtonBox::Ok);
            }
        });
        m_poll.start();
    }
    QStringList texts;

private:
    QTimer m_poll;
};

QString indexHash(const QString& root)
{
    QFile index(root + "/BDMV/index.bdmv");
    if (!index.open(QIODevice::ReadOnly))
        return QString();
    return QString(QCryptographicHash::hash(index.readAll(), QCryptographicHash::Sha1).toHex());
}

QStringList texts(QListWidget* list)
{
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        out << list->item(row)->text();
    return out;
}

// The names the player must give the titles libbluray lists, in its order
// (which is the order of the disc's playlist folder, as libVLC's is).
QStringList expectedNames(const QString& disc)
{
    QStringList names;
    const QList<BlurayDiscInfo::Title> titles = BlurayDiscInfo::read(disc).titles();
    for (int t = 0; t < titles.size(); ++t) {
        const qint64 s = titles.at(t).lengthMs / 1000;
        names << QString("Title %1 · %2:%3:%4 · %5 chapters")
                     .arg(t + 1)
                     .arg(s / 3600)
                     .arg(s % 3600 / 60, 2, 10, QChar('0'))
                     .arg(s % 60, 2, 10, QChar('0'))
                     .arg(titles.at(t).chapters);
    }
    return names;
}

QList<QPair<qint64, int>> shapes(const QList<BlurayDiscInfo::Title>& titles)
{
    QList<QPair<qint64, int>> out;
    for (const BlurayDiscInfo::Title& t : titles)
        out.append({(t.lengthMs + 500) / 1000, t.chapters});
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

class TestBlurayDiscs : public QObject, protected PlayerWindowFixture
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
    }
    void init()
    {
        QSettings().clear();
        openWindow();
    }
    void cleanup() { closeWindow(); }

    void discsTellTheirShape()
    {
        const QString feature = BlurayAuthor::shapedDisc(BlurayAuthor::Feature);
        QVERIFY2(!feature.isEmpty(), "the feature disc could not be authored");
        const BlurayDiscInfo info = BlurayDiscInfo::read(feature);
        QVERIFY(info.isBluray());
        QVERIFY(info.problems().isEmpty());
        QCOMPARE(info.name(), BlurayAuthor::featureName());
        // The 8 s trailer is no title anyone chooses.
        QCOMPARE(shapes(info.titles()), (QList<QPair<qint64, int>>{{70, 2}, {180, 8}}));
        QCOMPARE(info.indexHash(), indexHash(feature));

        // The image is the same disc, read through its own file system.
        const QString image = BlurayAuthor::featureImage();
        QVERIFY2(!image.isEmpty(), "the image could not be made");
        const BlurayDiscInfo fromImage = BlurayDiscInfo::read(image);
        QVERIFY(fromImage.isBluray());
        QCOMPARE(fromImage.titles().size(), 2);
        QCOMPARE(fromImage.indexHash(), info.indexHash());
        QCOMPARE(fromImage.name(), BlurayAuthor::featureName());

        const QString series = BlurayAuthor::shapedDisc(BlurayAuthor::Series);
        QVERIFY2(!series.isEmpty(), "the series disc could not be authored");
        const BlurayDiscInfo episodes = BlurayDiscInfo::read(series);
        // Lengths rounded: 67.5 s and 72.5 s may fall either way by a frame.
        QList<QPair<qint64, int>> found = shapes(episodes.titles());
        QCOMPARE(found.size(), 5);
        for (int e = 0; e < 5; ++e) {
            QVERIFY(qAbs(found.at(e).first * 1000 - (65000 + 2500 * e)) <= 1000);
            QCOMPARE(found.at(e).second, e + 2);
        }
        QVERIFY(episodes.name().isEmpty());

        QVERIFY(!BlurayDiscInfo::read(MediaFixture::movie()).isBluray());
    }

    void protectionIsToldPerCause()
    {
        const BlurayDiscInfo aacs =
            BlurayDiscInfo::read(BlurayAuthor::shapedDisc(BlurayAuthor::Aacs));
        QVERIFY(aacs.isBluray());
        QCOMPARE(aacs.problems(), QList<BlurayDiscInfo::Problem>{BlurayDiscInfo::AacsLibraryMissing});
        const BlurayDiscInfo bdplus =
            BlurayDiscInfo::read(BlurayAuthor::shapedDisc(BlurayAuthor::BdPlus));
        QCOMPARE(bdplus.problems(),
                 QList<BlurayDiscInfo::Problem>(
                     {BlurayDiscInfo::AacsLibraryMissing, BlurayDiscInfo::BdPlusLibraryMissing}));
        QVERIFY(bdplus.problemText().contains("libaacs"));
        QVERIFY(bdplus.problemText().contains("libbdplus"));
        QVERIFY(BlurayDiscInfo::read(BlurayAuthor::disc()).problemText().isEmpty());
    }

    void protectedDiscsSayWhyOnce_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QStringList>("causes");
        QTest::newRow("AACS") << int(BlurayAuthor::Aacs) << QStringList{"AACS"};
        QTest::newRow("BD+") << int(BlurayAuthor::BdPlus) << QStringList{"AACS", "BD+"};
    }
    void protectedDiscsSayWhyOnce()
    {
        QFETCH(int, shape);
        QFETCH(QStringList, causes);
        const QString disc = BlurayAuthor::shapedDisc(BlurayAuthor::Shape(shape));
        QVERIFY(!disc.isEmpty());
        MessageCatcher messages;
        m_window->openFileByName(disc);
        QTRY_COMPARE(messages.texts.size(), 1);
        // Long enough for any failure of the player to have followed.
        QTest::qWait(3000);
        QCOMPARE(messages.texts.size(), 1);
        for (const QString& cause : causes)
            QVERIFY2(messages.texts.first().contains(cause), qPrintable(messages.texts.first()));
        QCOMPARE(m_probe->errors, 0);
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QVERIFY(ui().frm_Start->isVisible());
        QVERIFY(m_window->resumeKey().isEmpty());
        // The window is free for the next disc.
        m_window->openFileByName(BlurayAuthor::disc());
        QVERIFY2(QTest::qWaitFor([this] { return m_probe->prepared > 0 || m_probe->errors > 0; },
                                 30000),
                 qPrintable(m_probe->order.join(' ')));
        QCOMPARE(m_probe->errors, 0);
    }

    void imageOpensByEveryPath()
    {
        const QString image = BlurayAuthor::featureImage();
        QVERIFY(!image.isEmpty());
        const QString hash = indexHash(BlurayAuthor::shapedDisc(BlurayAuthor::Feature));

        // Opened by name: the command line and the hand-over take this path.
        m_window->openFileByName(image);
        QVERIFY2(QTest::qWaitFor([this] { return m_probe->prepared > 0 || m_probe->errors > 0; },
                                 30000),
                 qPrintable(m_probe->order.join(' ')));
        QCOMPARE(m_probe->errors, 0);
        QVERIFY(m_window->blurayMenu()->isVisible());
        QCOMPARE(m_window->resumeKey(), hash);
        QCOMPARE(ui().lblMeidaName->toolTip(), BlurayAuthor::featureName());
        QCOMPARE(uxSettings::instance()->value("Edit/LastDiscFilePath").toString(), image);

        // Dropped.
        m_window->openFileByName(MediaFixture::movie());
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        m_probe->clear();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(image)});
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject*>(m_window)->event(&drop);
        QVERIFY(drop.isAccepted());
        QVERIFY2(QTest::qWaitFor([this] { return m_probe->prepared > 0 || m_probe->errors > 0; },
                                 30000),
                 qPrintable(m_probe->order.join(' ')));
        QCOMPARE(m_probe->errors, 0);
        QCOMPARE(m_window->resumeKey(), hash);
    }

    void imageWithoutBlurayIsRefused()
    {
        TestEnvironment env;
        writeTestFile(env.path() + "/data/readme.txt", "no disc here");
        const QString image = env.path() + "/data.iso";
        QVERIFY(MediaFixture::run("genisoimage",
                                  {"-quiet", "-udf", "-o", image, env.path() + "/data"}));
        MessageCatcher messages;
        m_window->openFileByName(image);
        QTRY_COMPARE(messages.texts.size(), 1);
        QTest::qWait(1500);
        QCOMPARE(messages.texts, QStringList{"This disc image holds no Blu-ray disc."});
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QCOMPARE(m_probe->errors, 0);
    }

    void everyEpisodeListedAndChosen()
    {
        const QString series = BlurayAuthor::shapedDisc(BlurayAuthor::Series);
        QVERIFY(!series.isEmpty());
        m_window->openFileByName(series);
        QVERIFY2(QTest::qWaitFor([this] { return m_probe->prepared > 0 || m_probe->errors > 0; },
                                 30000),
                 qPrintable(m_probe->order.join(' ')));
        QCOMPARE(m_probe->errors, 0);
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        QTRY_COMPARE(ui().menuTitle->actions().size(), 5);
        QStringList names;
        for (QAction* action : ui().menuTitle->actions())
            names << action->text();
        const QStringList expected = expectedNames(series);
        QCOMPARE(expected.size(), 5);
        QCOMPARE(names, expected);

        QBluRayMenu* menu = m_window->blurayMenu();
        auto* catalog = menu->findChild<QListWidget*>("lstMenuCatalog");
        auto* sub = menu->findChild<QListWidget*>("lstMenuSubItems");
        emit catalog->itemClicked(catalog->item(4));
        QCOMPARE(texts(sub), expected);
        QCOMPARE(sub->currentRow(), 0);

        // Episode 3 plays from its start with its own chapters.
        m_probe->clear();
        emit sub->itemClicked(sub->item(2));
        QTRY_COMPARE(m_player->currentTitle(), 2);
        QTRY_VERIFY(!menu->isVisible());
        QVERIFY(m_probe->waitForTime(2.0f, 20000));
        QVERIFY2(m_probe->times.first() < 2.0f, qPrintable(QString::number(m_probe->times.first())));
        const BlurayDiscInfo::Title third = BlurayDiscInfo::read(series).titles().at(2);
        emit ui().menuControls->aboutToShow();
        QCOMPARE(ui().menuCharter->actions().size(), third.chapters);
        QTRY_VERIFY(qAbs(QTime(0, 0).secsTo(QTime::fromString(ui().lblDuration->text(), "hh:mm:ss")) -
                         third.lengthMs / 1000) <= 1);
        emit catalog->itemClicked(catalog->item(4));
        QCOMPARE(sub->currentRow(), 2);
    }

    void menuSaysItAll()
    {
        const QString feature = BlurayAuthor::shapedDisc(BlurayAuthor::Feature);
        QVERIFY(!feature.isEmpty());
        m_window->openFileByName(feature);
        QVERIFY2(QTest::qWaitFor([this] { return m_probe->prepared > 0 || m_probe->errors > 0; },
                                 30000),
                 qPrintable(m_probe->order.join(' ')));
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        QTRY_VERIFY(m_probe->trackInfo > 0);
        QBluRayMenu* menu = m_window->blurayMenu();
        QCOMPARE(menu->discName(), BlurayAuthor::featureName());
        QVERIFY(menu->findChild<QLabel*>("lblMenuDiscName")->isVisible());
        auto* catalog = menu->findChild<QListWidget*>("lstMenuCatalog");
        auto* sub = menu->findChild<QListWidget*>("lstMenuSubItems");
        auto* delegate = qobject_cast<QBluRayMenuItemDelegate*>(sub->itemDelegate());
        QVERIFY(delegate);

        // Every audio entry fits, or the list reaches the menu's edge and the
        // tool tip holds the whole text.
        emit catalog->itemClicked(catalog->item(2));
        const QStringList audio = texts(sub);
        QCOMPARE(audio.size(), 3);
        QVERIFY2(audio.at(1).contains("English") && audio.at(2).contains("French"),
                 qPrintable(audio.join('|')));
        // Each names its coding too, as the Audio menu does.
        for (const QString& entry : audio.mid(1))
            QVERIFY2(entry.contains(QString::fromUtf8(" \u00b7 ")) && entry.contains("AC3"),
                     qPrintable(entry));
        const QList<QAction*> audioActions = ui().menuAudio_Track->actions();
        QVERIFY(!audioActions.isEmpty());
        QCOMPARE(audioActions.last()->text(), audio.last());
        const auto fits = [&] {
            const int right = sub->parentWidget()->geometry().right();
            for (int row = 0; row < sub->count(); ++row) {
                QCOMPARE(sub->item(row)->toolTip(), sub->item(row)->text());
                if (delegate->textWidth(sub->item(row)->text()) > sub->viewport()->width())
                    QVERIFY(right >= menu->width() - 26);
            }
        };
        fits();
        // Narrow, the same entries elide instead of overflowing the menu.
        menu->resize(360, 300);
        emit catalog->itemClicked(catalog->item(2));
        fits();
        QVERIFY(sub->parentWidget()->geometry().right() <= menu->width() - 25);

        // The subtitle streams, by language, under the same bound.
        emit catalog->itemClicked(catalog->item(3));
        const QStringList subtitles = texts(sub);
        QCOMPARE(subtitles.size(), 3);
        QVERIFY2(subtitles.at(1).contains("English") && subtitles.at(2).contains("German"),
                 qPrintable(subtitles.join('|')));
        fits();
    }

    void resumeInTheTitleLeft()
    {
        const QString series = BlurayAuthor::shapedDisc(BlurayAuthor::Series);
        QVERIFY(!series.isEmpty());
        m_window->openFileByName(series);
        QVERIFY(QTest::qWaitFor([this] { return m_probe->prepared > 0; }, 30000));
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        QTRY_COMPARE(ui().menuTitle->actions().size(), 5);
        m_probe->clear();
        auto* catalog = m_window->blurayMenu()->findChild<QListWidget*>("lstMenuCatalog");
        auto* sub = m_window->blurayMenu()->findChild<QListWidget*>("lstMenuSubItems");
        emit catalog->itemClicked(catalog->item(4));
        emit sub->itemClicked(sub->item(1));
        QTRY_COMPARE(m_player->currentTitle(), 1);
        QVERIFY2(m_probe->waitForTime(6.0f, 30000), qPrintable(m_probe->order.join(' ')));
        // Another media takes over: the disc keeps its title and time.
        m_window->openFileByName(MediaFixture::movie());
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        const QString key = indexHash(series);
        QCOMPARE(uxSettings::instance()->value("Continue/Titles").toMap().value(key).toInt(), 1);
        const float left = uxSettings::instance()->value("Continue/Points").toMap().value(key).toFloat();
        QVERIFY2(left >= 5.0f, qPrintable(QString::number(left)));

        m_probe->clear();
        m_window->openFileByName(series);
        QTRY_COMPARE_WITH_TIMEOUT(m_player->currentTitle(), 1, 30000);
        QElapsedTimer sinceSwitch;
        sinceSwitch.start();
        // Playing on from the title's start would take the whole point to get there.
        QVERIFY(m_probe->waitForTime(left, 30000));
        QStringList seen;
        for (float t : std::as_const(m_probe->times))
            seen << QString::number(t);
        QVERIFY2(sinceSwitch.elapsed() < qint64(left * 1000) - 2000, qPrintable(seen.join(' ')));
        QVERIFY2(m_probe->times.last() < left + 3.0f, qPrintable(seen.join(' ')));
        QVERIFY(!uxSettings::instance()->value("Continue/Points").toMap().contains(key));
    }

    void pointsWithoutTitleResumeTitleOne()
    {
        const QString series = BlurayAuthor::shapedDisc(BlurayAuthor::Series);
        QVERIFY(!series.isEmpty());
        const QString key = indexHash(series);
        uxSettings::instance()->setValue("Continue/Points", QVariantMap{{key, 20.0}});
        m_window->openFileByName(series);
        QVERIFY(m_probe->waitForTime(20.0f, 30000));
        QCOMPARE(m_player->currentTitle(), 0);
        QVERIFY(m_probe->times.last() < 25.0f);
    }
};

KP_TEST_MAIN(TestBlurayDiscs)
#include "tst_bluraydiscs.moc"
