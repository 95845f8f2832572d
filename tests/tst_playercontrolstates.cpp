// The player window's state table, as a pure function of what the window knows.
#include "player/engine/qvlcplayer.h"
#include "player/ui/playercontrolstates.h"

#include <QtTest>

namespace {

QChar flag(const PlayerControls::Flag& f)
{
    return !f ? QLatin1Char('-') : *f ? QLatin1Char('1') : QLatin1Char('0');
}

// The table in one line, '-' for a control left as it is, grouped:
// eject | play stop snapshot bar-snapshot full-screen-action
//       | audio channel subtitle video video-controls
//       | disc-buttons-shown disc-buttons-enabled disc-menus chapter-menu
//       | seek-bar bar-seek-bar | open recent | start-page waiting
QString table(const PlayerControls& c)
{
    const QList<QList<PlayerControls::Flag>> groups = {
        {c.ejectShown},
        {c.playShown, c.stopEnabled, c.snapshotEnabled, c.barSnapshotEnabled,
         c.fullScreenActionEnabled},
        {c.audioMenusEnabled, c.audioChannelEnabled, c.subtitleMenuEnabled, c.videoMenuEnabled,
         c.videoControlsEnabled},
        {c.discButtonsShown, c.discButtonsEnabled, c.discMenusEnabled, c.chapterMenuEnabled},
        {c.seekBarEnabled, c.barSeekBarEnabled},
        {c.openActionsEnabled, c.recentMenuEnabled},
        {c.startPageShown, c.waitingShown}};
    QStringList out;
    for (const QList<PlayerControls::Flag>& group : groups) {
        QString text;
        for (const PlayerControls::Flag& f : group)
            text += flag(f);
        out << text;
    }
    return out.join(QLatin1Char('|'));
}

// Letters for the inputs: v video, a audio, s subtitles, c channels, b Blu-ray,
// h chapters, m disc menu shown, x closing, r recent files.
PlayerSituation situation(int state, const QString& inputs)
{
    PlayerSituation s;
    s.state = state;
    s.hasVideo = inputs.contains(QLatin1Char('v'));
    s.hasAudio = inputs.contains(QLatin1Char('a'));
    s.hasSubtitles = inputs.contains(QLatin1Char('s'));
    s.audioChannels = inputs.contains(QLatin1Char('c'));
    s.bluray = inputs.contains(QLatin1Char('b'));
    s.chapters = inputs.contains(QLatin1Char('h'));
    s.discMenuShown = inputs.contains(QLatin1Char('m'));
    s.closing = inputs.contains(QLatin1Char('x'));
    s.recentFiles = inputs.contains(QLatin1Char('r'));
    return s;
}

} // namespace

class TestPlayerControlStates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void table_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("expected");
        const int idle = QVlcPlayer::Idle;
        const int opening = QVlcPlayer::Opening;
        const int playing = QVlcPlayer::Playing;
        const int paused = QVlcPlayer::Paused;
        const int started = QVlcPlayer::Started;

        // Idle switches every media control off whatever the last media offered,
        // and opening is possible again, also after a failed open.
        QTest::newRow("idle") << idle << "" << "1|10000|00000|0-00|00|10|1-";
        QTest::newRow("idle, recent files") << idle << "vascbr" << "1|10000|00000|0-00|00|11|1-";
        // Closing keeps the picture area and its busy animation up to the end.
        QTest::newRow("idle while closing") << idle << "xr" << "1|10000|00000|0-00|00|11|01";

        // Opening knows nothing about the media yet: it only locks what would
        // disturb the open and shows the waiting picture. Stop cancels it.
        QTest::newRow("opening") << opening << "vascbmxr" << "0|-1---|-----|-0--|0-|00|01";

        QTest::newRow("playing a film") << playing << "vascr" << "0|01111|11111|0-00|11|11|00";
        // A film without subtitles still offers its subtitle menu, to add a file.
        QTest::newRow("started, no channel choice")
            << started << "var" << "0|01111|10111|0-00|11|11|00";
        // A file with chapters navigates by them, with neither panel nor titles.
        QTest::newRow("playing a file with chapters")
            << playing << "vahr" << "0|01111|10111|1-01|11|11|00";
        QTest::newRow("playing audio only") << playing << "ac" << "0|01111|11000|0-00|11|10|00";
        QTest::newRow("playing a Blu-ray") << playing << "vacbhr" << "0|01111|11011|1-11|11|11|00";
        // The disc menu does not lock a playing disc's controls; the chapter
        // rules applied afterwards do.
        QTest::newRow("started Blu-ray under its menu")
            << started << "vabhm" << "0|01111|10011|1-11|11|10|00";

        // Pausing keeps the disc controls, open actions and page as they were.
        QTest::newRow("paused film") << paused << "vas" << "0|111-1|10111|----|-1|--|--";
        QTest::newRow("paused under the disc menu")
            << paused << "vabm" << "0|110-1|10011|----|-0|--|--";

        QTest::newRow("below the range") << -1 << "vascbr" << "-|-----|-----|----|--|--|--";
        QTest::newRow("above the range") << 5 << "vascbr" << "-|-----|-----|----|--|--|--";
    }
    void table()
    {
        QFETCH(int, state);
        QFETCH(QString, inputs);
        QFETCH(QString, expected);
        QCOMPARE(::table(PlayerControlStates::forSituation(situation(state, inputs))), expected);
    }
};

QTEST_APPLESS_MAIN(TestPlayerControlStates)
#include "tst_playercontrolstates.moc"
