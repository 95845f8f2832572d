// Several media one after another in the real player window, and subtitle
// files added to a film or found beside it.
#include "fixtures/blurayauthor.h"
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "fixtures/playerwindowfixture.h"
#include "fixtures/xinput.h"
#include "framework/core/uxhandoverslot.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxmessagebox.h"
#include "player/engine/qvlcplayer.h"
#include "player/engine/subtitlefiles.h"
#include "player/engine/vlcvideowidget.h"
#include "player/ui/playlist.h"
#include "player/ui/playlistmenu.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"
#include "widgets/kpplayseekingbar.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A clip of one flat colour, so that every picture of it is the same.
QString colourClip(const QString& name, const QString& colour, int seconds)
{
    return MediaFixture::ffmpeg(
        name, {"-f", "lavfi", "-i",
               QStringLiteral("color=c=%1:size=640x360:rate=25:duration=%2").arg(colour).arg(seconds),
               "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25"});
}

QString clipA() { return colourClip("playlist-a.mkv", "0x204060", 2); }
QString clipB() { return colourClip("playlist-b.mkv", "0x602040", 2); }
QString clipC() { return colourClip("playlist-c.mkv", "0x406020", 2); }
QString longClip() { return colourClip("playlist-long.mkv", "0x505050", 20); }
QString greyFilm() { return colourClip("playlist-grey.mkv", "0x808080", 30); }

QByteArray subtitleText()
{
    return "1\n00:00:00,000 --> 00:10:00,000\nWWWWWWWW MMMMMMMM\n\n";
}

// Pixels in the lower third that differ clearly from the flat picture.
int subtitlePixels(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb flat = image.pixel(image.width() / 2, image.height() / 4);
    int count = 0;
    for (int y = image.height() * 2 / 3; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qRed(flat)) + qAbs(qGreen(p) - qGreen(flat))
                    + qAbs(qBlue(p) - qBlue(flat))
                > 120)
                ++count;
        }
    }
    return count;
}

// Answers the next file dialog: a folder, or a file to select.
class DialogAnswer : public QObject
{
public:
    DialogAnswer(const QString& folder, const QString& file) : m_folder(folder), m_file(file)
    {
        m_timer = startTimer(20);
    }
    bool shown = false;
    QString nameFilters;

protected:
    void timerEvent(QTimerEvent*) override
    {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        killTimer(m_timer);
        shown = true;
        nameFilters = dialog->nameFilters().join(";;");
        dialog->setDirectory(m_folder);
        if (!m_file.isEmpty())
            dialog->selectFile(m_file);
        static_cast<QDialog*>(dialog)->accept();
    }

private:
    QString m_folder;
    QString m_file;
    int m_timer = 0;
};

// Answers every message box with Ok and keeps the texts, until destroyed.
class MessageAnswers : public QObject
{
public:
    MessageAnswers() { m_timer = startTimer(50); }
    QStringList texts;

protected:
    void timerEvent(QTimerEvent*) override
    {
        auto* box = qobject_cast<uxMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        texts << box->findChild<QLabel*>("labelinfo")->text();
        box->done(QDialogButtonBox::Ok);
    }

private:
    int m_timer = 0;
};

} // namespace

class TestPlaylist : public QObject, protected PlayerWindowFixture
{
    Q_OBJECT
private:
    const Playlist& playlist() const { return m_window->playlist(); }

    // The media that started, in order, until count of them did.
    QStringList startsUntil(int count, int timeoutMs = 40000)
    {
        QStringList started;
        QMetaObject::Connection c =
            connect(m_player, &QVlcPlayer::stateChanged, this, [this, &started](int state) {
                if (state == QVlcPlayer::Started)
                    started << m_window->resumeKey();
            });
        if (!QTest::qWaitFor([&] { return started.size() >= count; }, timeoutMs))
            qWarning("only %d media started", int(started.size()));
        disconnect(c);
        return started;
    }

    QStringList menuEntries(bool checkedOnly = false)
    {
        emit m_window->playlistMenu()->aboutToShow();
        QStringList out;
        for (QAction* action : m_window->playlistMenu()->entryActions()) {
            if (!checkedOnly || action->isChecked())
                out << action->toolTip();
        }
        return out;
    }

    QImage snapshot()
    {
        const int before = int(m_probe->snapshots.size());
        m_player->snapshot();
        if (!QTest::qWaitFor([&] { return m_probe->snapshots.size() > before; }, 5000))
            return QImage();
        return m_probe->snapshots.last();
    }

    // Takes pictures until one shows subtitle text, or 8 s passed.
    int mostSubtitlePixels()
    {
        int most = 0;
        QDeadlineTimer deadline(8000);
        while (!deadline.hasExpired() && most < 400) {
            most = qMax(most, subtitlePixels(snapshot()));
            QTest::qWait(200);
        }
        return most;
    }

    bool isPlaying() const
    {
        const int state = m_player->state();
        return state == QVlcPlayer::Playing || state == QVlcPlayer::Started;
    }

    int subtitleTracks()
    {
        QList<VlcTrack> tracks;
        m_player->tracks(VlcSubtitleTrack, tracks);
        return int(tracks.size());
    }

private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
        for (const QString& clip : {clipA(), clipB(), clipC(), longClip(), greyFilm()})
            QVERIFY(!clip.isEmpty());
    }
    void init()
    {
        QSettings().clear();
        openWindow();
    }
    void cleanup() { closeWindow(); }

    void stepsAndRepeatModes()
    {
        Playlist list;
        QCOMPARE(list.afterEnd(), -1);
        QCOMPARE(list.next(), -1);
        list.replace({"/a", "/b", "/c"});
        QCOMPARE(list.current(), -1);
        QVERIFY(!list.setCurrent(3));
        QVERIFY(list.setCurrent(2));
        // Off: the last entry ends the list; Next has nowhere to go.
        QCOMPARE(list.afterEnd(), -1);
        QCOMPARE(list.next(), -1);
        QCOMPARE(list.previous(), 1);
        // One: the entry plays again, but Next and Previous still move.
        list.setRepeat(Playlist::RepeatOne);
        QCOMPARE(list.afterEnd(), 2);
        QCOMPARE(list.previous(), 1);
        // All: both ends wrap around.
        list.setRepeat(Playlist::RepeatAll);
        QCOMPARE(list.afterEnd(), 0);
        QCOMPARE(list.next(), 0);
        list.setCurrent(0);
        QCOMPARE(list.previous(), 2);
        QCOMPARE(list.append("/d"), 3);
        list.setCurrent(1);
        list.clearButCurrent();
        QCOMPARE(list.entries(), QStringList({"/b"}));
        QCOMPARE(list.current(), 0);
        list.replace({});
        list.clearButCurrent();
        QVERIFY(list.isEmpty());
        QCOMPARE(list.current(), -1);
    }

    void folderMediaInNaturalOrder()
    {
        QTemporaryDir dir;
        for (const char* name : {"Episode 10.mkv", "episode 2.MP4", "Episode 1.avi", "notes.txt",
                                 "Episode 1.srt", "episode 9.webm", ".hidden.mkv"})
            writeTestFile(dir.filePath(name), "x");
        QDir(dir.path()).mkdir("Episode 3.mkv"); // a folder, not a file
        const QStringList found = Playlist::folderMedia(dir.path());
        QStringList names;
        for (const QString& path : found) {
            QVERIFY(QFileInfo(path).isAbsolute());
            names << QFileInfo(path).fileName();
        }
        QCOMPARE(names, QStringList({"Episode 1.avi", "episode 2.MP4", "episode 9.webm",
                                     "Episode 10.mkv"}));
    }

    void subtitleFilesBesideMedia()
    {
        QTemporaryDir dir;
        for (const char* name : {"movie.mkv", "movie.srt", "movie.en.ass", "movie2.srt",
                                 "other.vtt", "Subs/movie.VTT", "subs/movie.sub", "subs/movie.idx",
                                 "Subs/deeper/movie.srt", "movie.txt"})
            writeTestFile(dir.filePath(name), "x");
        const QString root = dir.path() + '/';
        QCOMPARE(SubtitleFiles::besideMedia(root + "movie.mkv"),
                 QStringList({root + "movie.en.ass", root + "movie.srt", root + "Subs/movie.VTT",
                              root + "subs/movie.idx"}));
        // A picture subtitle is read through its index.
        QCOMPARE(SubtitleFiles::loadable(root + "subs/movie.sub"), root + "subs/movie.idx");
        QCOMPARE(SubtitleFiles::loadable(root + "movie.srt"), root + "movie.srt");
        QVERIFY(SubtitleFiles::besideMedia(root + "nothing.mkv").isEmpty());
    }

    // Three clips play in order, each to its end, and the list stops after the last.
    void entriesPlayOneAfterAnother()
    {
        const QStringList clips = {clipA(), clipB(), clipC()};
        m_window->openFiles(clips);
        QCOMPARE(startsUntil(3), clips);
        QTRY_COMPARE_WITH_TIMEOUT(m_player->state(), int(QVlcPlayer::Idle), 10000);
        QTest::qWait(1000);
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QCOMPARE(menuEntries(), clips);
        QCOMPARE(menuEntries(true), QStringList({clipC()}));
        // The window went back to its start page after the last entry only.
        QTRY_VERIFY(ui().frm_Start->isVisible());
    }

    // An entry that cannot play is named once, and the list goes on; when
    // every entry fails the list gives up instead of going round forever.
    void failedEntriesAreSkipped()
    {
        QTemporaryDir dir;
        const QString letter = dir.filePath("letter.mkv");
        writeTestFile(letter, QByteArray("Dear reader,\nthis is not a film.\n").repeated(200));
        const QString gone = dir.filePath("gone.mkv");
        QVERIFY(QFile::copy(clipB(), gone));

        MessageAnswers answers;
        m_window->openFiles({longClip(), gone, letter, clipC()});
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        QVERIFY(QFile::remove(gone));
        m_probe->clear();
        m_window->playNextEntry();
        QCOMPARE(startsUntil(1), QStringList({clipC()}));
        QTRY_COMPARE(answers.texts.size(), 2);
        QVERIFY2(answers.texts.at(0).contains(gone), qPrintable(answers.texts.at(0)));
        QVERIFY2(answers.texts.at(1).contains(letter), qPrintable(answers.texts.at(1)));
        QVERIFY(answers.texts.at(0).contains("does not exist"));

        // Nothing but failures, repeated: each is named once, then it stops.
        QMetaObject::invokeMethod(m_window, "onBtnStopClicked", Qt::DirectConnection);
        QVERIFY(m_probe->waitForIdle());
        m_window->playlistMenu()->repeatAction(Playlist::RepeatAll)->trigger();
        answers.texts.clear();
        const QString second = dir.filePath("letter2.mkv");
        QVERIFY(QFile::copy(letter, second));
        m_window->openFiles({letter, second});
        QTRY_COMPARE(answers.texts.size(), 2);
        QTest::qWait(3000);
        QCOMPARE(answers.texts.size(), 2);
        QCOMPARE(m_player->state(), int(QVlcPlayer::Idle));
        QVERIFY(ui().actionOpen->isEnabled());
        m_window->playlistMenu()->repeatAction(Playlist::RepeatOff)->trigger();
    }

    // A disc libVLC cannot play is named once, and the list goes on with the
    // next entry once the player has let go of the disc.
    void aFailedDiscMovesTheListOn()
    {
        QTemporaryDir dir;
        const QString disc = dir.filePath("broken disc");
        const QString damaged = BlurayAuthor::disc(BlurayAuthor::MissingClipInfo);
        QVERIFY(!damaged.isEmpty());
        QVERIFY(MediaFixture::run("cp", {"-r", damaged, disc}));

        MessageAnswers answers;
        m_window->openFiles({disc, clipC()});
        QCOMPARE(startsUntil(1), QStringList({clipC()}));
        QCOMPARE(answers.texts.size(), 1);
        QVERIFY2(answers.texts.at(0).contains(disc), qPrintable(answers.texts.at(0)));
    }

    void repeatOneAndAll()
    {
        PlaylistMenu* menu = m_window->playlistMenu();
        menu->repeatAction(Playlist::RepeatOne)->trigger();
        m_window->openFiles({clipA(), clipB()});
        QCOMPARE(startsUntil(2), QStringList({clipA(), clipA()}));

        // Switched while the first entry plays again: the second follows, then the first.
        menu->repeatAction(Playlist::RepeatAll)->trigger();
        QCOMPARE(startsUntil(2), QStringList({clipB(), clipA()}));
        QCOMPARE(uxSettings::instance()->value("Playlist/Repeat").toInt(), int(Playlist::RepeatAll));

        // The mode is kept for the next session.
        closeWindow();
        openWindow();
        QCOMPARE(m_window->playlist().repeat(), Playlist::RepeatAll);
        emit m_window->playlistMenu()->aboutToShow();
        QVERIFY(m_window->playlistMenu()->repeatAction(Playlist::RepeatAll)->isChecked());
        m_window->playlistMenu()->repeatAction(Playlist::RepeatOff)->trigger();
    }

    // N and P through the X server, the menu's entries, and Clear.
    void keysAndMenuChooseEntries()
    {
        const QStringList clips = {longClip(), clipA(), greyFilm()};
        m_window->openFiles(clips);
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        QCOMPARE(m_window->resumeKey(), clips.at(0));
        QVERIFY(m_window->playerMenuBar()->actions().contains(
            m_window->playlistMenu()->menuAction()));

        m_base->activateWindow();
        QTRY_VERIFY(m_base->isActiveWindow());
        m_probe->clear();
        QVERIFY(XInput::key("n"));
        QTRY_COMPARE(m_window->resumeKey(), clips.at(1));
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        m_probe->clear();
        QVERIFY(XInput::key("p"));
        QTRY_COMPARE(m_window->resumeKey(), clips.at(0));
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        // Previous at the first entry goes nowhere while nothing repeats.
        QVERIFY(!m_window->playlistMenu()->previousAction()->isEnabled());

        menuEntries();
        m_probe->clear();
        m_window->playlistMenu()->entryActions().at(2)->trigger();
        QTRY_COMPARE(m_window->resumeKey(), clips.at(2));
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        QCOMPARE(menuEntries(true), QStringList({clips.at(2)}));

        m_window->playlistMenu()->clearAction()->trigger();
        QCOMPARE(menuEntries(), QStringList({clips.at(2)}));
        QVERIFY(isPlaying());
        QVERIFY(!m_window->playlistMenu()->nextAction()->isEnabled());
    }

    void eachEntryKeepsItsPlace()
    {
        const QString longer = longClip();
        m_window->openFiles({longer, greyFilm()});
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        m_player->seek(12);
        QTRY_VERIFY(ui().playSeekingBar->value() >= 12);
        m_probe->clear();
        m_window->playNextEntry();
        QTRY_COMPARE(m_window->resumeKey(), greyFilm());
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        m_player->seek(7);
        QTRY_VERIFY(ui().playSeekingBar->value() >= 7);

        m_probe->clear();
        m_window->playPreviousEntry();
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        QTRY_VERIFY(ui().playSeekingBar->value() >= 12);
        QVERIFY(ui().playSeekingBar->value() < 16);
        m_probe->clear();
        m_window->playNextEntry();
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started));
        QTRY_VERIFY(ui().playSeekingBar->value() >= 7);
        QVERIFY(ui().playSeekingBar->value() < 11);
    }

    void openFolderPlaysItInNaturalOrder()
    {
        QTemporaryDir dir;
        const QStringList names = {"part 10.mkv", "part 2.mkv", "part 1.mkv"};
        const QStringList sources = {clipC(), clipB(), clipA()};
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(QFile::copy(sources.at(i), dir.filePath(names.at(i))));
        writeTestFile(dir.filePath("cover.jpg.txt"), "x");

        QAction* open = m_base->findChild<QAction*>("actionOpen_Folder");
        QVERIFY(open);
        QVERIFY(ui().menuFile->actions().contains(open));
        QVERIFY(open->isEnabled());
        DialogAnswer answer(dir.path(), QString());
        open->trigger();
        QVERIFY(answer.shown);
        const QStringList expected = {dir.filePath("part 1.mkv"), dir.filePath("part 2.mkv"),
                                      dir.filePath("part 10.mkv")};
        QCOMPARE(playlist().entries(), expected);
        QCOMPARE(startsUntil(3), expected);
    }

    // Paths handed over by later starts join the list; one plays at once only
    // when nothing plays.
    void handedOverPathsAreAppended()
    {
        uxHandoverSlot writer(uxProductInfo::instance()->guid());
        QVERIFY(writer.open());
        writer.writePath(longClip());
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started, 10000));
        QCOMPARE(m_window->resumeKey(), longClip());

        // The window reads the slot on this thread's event loop, so each
        // hand-over waits here until the playlist took the one before.
        QCOMPARE(uxHandoverSlot::handOver(uxProductInfo::instance()->guid(), clipA()), uxHandoverSlot::Delivered);
        QTRY_COMPARE(playlist().size(), 2);
        QCOMPARE(uxHandoverSlot::handOver(uxProductInfo::instance()->guid(), clipB()), uxHandoverSlot::Delivered);
        QTRY_COMPARE(playlist().size(), 3);
        QCOMPARE(playlist().entries(), QStringList({longClip(), clipA(), clipB()}));
        QCOMPARE(m_window->resumeKey(), longClip());
        QVERIFY(isPlaying());

        QMetaObject::invokeMethod(m_window, "onBtnStopClicked", Qt::DirectConnection);
        QVERIFY(m_probe->waitForIdle());
        m_probe->clear();
        QCOMPARE(uxHandoverSlot::handOver(uxProductInfo::instance()->guid(), clipC()), uxHandoverSlot::Delivered);
        QVERIFY(m_probe->waitForState(QVlcPlayer::Started, 10000));
        QCOMPARE(m_window->resumeKey(), clipC());
        QCOMPARE(playlist().current(), 3);
    }

    void addedSubtitleFileIsShown()
    {
        QTemporaryDir dir;
        const QString srt = dir.filePath("words.srt");
        writeTestFile(srt, subtitleText());
        openAndPlay(greyFilm());
        QCOMPARE(subtitleTracks(), 0);
        QVERIFY(ui().menuSubtitle_Track->isEnabled());
        const int without = subtitlePixels(snapshot());
        QVERIFY2(without < 20, qPrintable(QString::number(without)));
        // Looked up just before use: the track menu is rebuilt whenever the tracks change.
        QAction* add = m_base->findChild<QAction*>("actionAdd_Subtitle_File");
        QVERIFY(add);
        QVERIFY(ui().menuSubtitle_Track->actions().contains(add));
        QVERIFY(add->isEnabled());

        DialogAnswer answer(dir.path(), srt);
        add->trigger();
        QVERIFY(answer.shown);
        for (const char* pattern : {"*.srt", "*.ass", "*.ssa", "*.vtt", "*.sub", "*.idx"})
            QVERIFY2(answer.nameFilters.contains(pattern), qPrintable(answer.nameFilters));
        QVERIFY(!answer.nameFilters.contains(';' + QString("*.")));
        QTRY_VERIFY(subtitleTracks() >= 2);
        const int with = mostSubtitlePixels();
        QVERIFY2(with >= 400, qPrintable(QString::number(with)));
        // The track menu lists the new track before its Add entry.
        QVERIFY(ui().menuSubtitle_Track->actions().size() >= 4);
    }

    void droppedSubtitleFileGoesWithTheFilm()
    {
        QTemporaryDir dir;
        const QString srt = dir.filePath("dropped.srt");
        writeTestFile(srt, subtitleText());
        openAndPlay(greyFilm());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(srt)});
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject*>(m_window)->event(&drop);
        QTRY_VERIFY(subtitleTracks() >= 2);
        // The film plays on; the drop did not replace it.
        QCOMPARE(m_window->resumeKey(), greyFilm());
        QCOMPARE(playlist().entries(), QStringList({greyFilm()}));
        const int with = mostSubtitlePixels();
        QVERIFY2(with >= 400, qPrintable(QString::number(with)));
    }

    // Only the film's own subtitles load: beside it or in Subs/, not a
    // file that merely starts with its name.
    void subtitlesBesideTheFilmLoadByThemselves()
    {
        QTemporaryDir dir;
        const QString film = dir.filePath("evening.mkv");
        QVERIFY(QFile::copy(greyFilm(), film));
        writeTestFile(dir.filePath("Subs/evening.srt"), subtitleText());
        writeTestFile(dir.filePath("evening2.srt"), subtitleText());
        openAndPlay(film);
        QTRY_COMPARE(subtitleTracks(), 2);
        const int with = mostSubtitlePixels();
        QVERIFY2(with >= 400, qPrintable(QString::number(with)));

        const QString plain = dir.filePath("plain.mkv");
        QVERIFY(QFile::copy(greyFilm(), plain));
        openAndPlay(plain);
        QTest::qWait(500);
        QCOMPARE(subtitleTracks(), 0);
        QVERIFY(subtitlePixels(snapshot()) < 20);
    }
};

KP_TEST_MAIN(TestPlaylist)
#include "tst_playlist.moc"
