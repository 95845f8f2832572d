#include "player/ui/playercontrolstates.h"

#include "player/engine/qvlcplayer.h"

namespace {

bool isPlaying(int state)
{
    return state == QVlcPlayer::Playing || state == QVlcPlayer::Started;
}

} // namespace

PlayerControls PlayerControlStates::forSituation(const PlayerSituation& situation)
{
    PlayerControls controls;
    if (situation.state < QVlcPlayer::Idle || situation.state > QVlcPlayer::Started)
        return controls;
    controls.ejectShown = situation.state == QVlcPlayer::Idle;
    // While a media opens, what it offers is not known yet.
    if (situation.state != QVlcPlayer::Opening) {
        setTransport(situation, controls);
        setMediaMenus(situation, controls);
    } else {
        // Opening may take long (a damaged or huge file); Stop cancels it.
        controls.stopEnabled = true;
    }
    setDiscControls(situation, controls);
    setSeekBars(situation, controls);
    setOpenActions(situation, controls);
    setPage(situation, controls);
    return controls;
}

void PlayerControlStates::setTransport(const PlayerSituation& s, PlayerControls& c)
{
    const bool idle = s.state == QVlcPlayer::Idle;
    const bool playing = isPlaying(s.state);
    const bool paused = s.state == QVlcPlayer::Paused;
    c.playShown = !playing;
    c.stopEnabled = !idle;
    c.snapshotEnabled = playing || (paused && !s.discMenuShown);
    if (!paused)
        c.barSnapshotEnabled = playing;
    c.fullScreenActionEnabled = !idle;
}

void PlayerControlStates::setMediaMenus(const PlayerSituation& s, PlayerControls& c)
{
    const bool active = s.state != QVlcPlayer::Idle;
    c.audioMenusEnabled = active && s.hasAudio;
    c.audioChannelEnabled = active && s.hasAudio && s.audioChannels;
    // A playing film offers its subtitle menu for adding a subtitle file.
    c.subtitleMenuEnabled = active && (s.hasSubtitles || (s.hasVideo && !s.bluray));
    c.videoMenuEnabled = active && s.hasVideo;
    c.videoControlsEnabled = active && s.hasVideo;
}

void PlayerControlStates::setDiscControls(const PlayerSituation& s, PlayerControls& c)
{
    if (s.state == QVlcPlayer::Opening) {
        c.discButtonsEnabled = false;
        return;
    }
    if (s.state == QVlcPlayer::Paused)
        return;
    const bool disc = isPlaying(s.state) && s.bluray;
    const bool chapters = isPlaying(s.state) && s.chapters;
    c.discButtonsShown = chapters;
    c.discMenusEnabled = disc;
    c.chapterMenuEnabled = chapters;
}

void PlayerControlStates::setSeekBars(const PlayerSituation& s, PlayerControls& c)
{
    const bool playing = isPlaying(s.state);
    if (s.state == QVlcPlayer::Paused) {
        c.barSeekBarEnabled = !s.discMenuShown;
        return;
    }
    c.seekBarEnabled = playing;
    if (s.state != QVlcPlayer::Opening)
        c.barSeekBarEnabled = playing;
}

void PlayerControlStates::setOpenActions(const PlayerSituation& s, PlayerControls& c)
{
    if (s.state == QVlcPlayer::Paused)
        return;
    // Idle comes after a stop and after a failed open alike: the user must be
    // able to open something else either way.
    const bool open = s.state != QVlcPlayer::Opening;
    c.openActionsEnabled = open;
    c.recentMenuEnabled = open && s.recentFiles;
}

void PlayerControlStates::setPage(const PlayerSituation& s, PlayerControls& c)
{
    if (s.state == QVlcPlayer::Paused)
        return;
    // Closing shows the picture area and its busy animation until the end.
    const bool picture = s.state != QVlcPlayer::Idle || s.closing;
    c.startPageShown = !picture;
    if (isPlaying(s.state))
        c.waitingShown = false;
    else if (picture)
        c.waitingShown = true;
}
