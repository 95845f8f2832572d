#pragma once

#include <optional>

// What the player window knows when it sets its controls for a player state.
struct PlayerSituation
{
    int state = 0; // QVlcPlayer::State
    bool hasVideo = false;
    bool hasAudio = false;
    bool hasSubtitles = false;
    // The audio output offers a channel choice (stereo, left, ...).
    bool audioChannels = false;
    bool bluray = false;
    // The media navigates by chapters: a disc always, a file when it has some.
    bool chapters = false;
    bool discMenuShown = false;
    bool closing = false;
    // The recent list has an entry to offer.
    bool recentFiles = false;
};

// The enabled and visible flags of the player window's controls for one
// situation. An empty flag leaves that control as it is.
struct PlayerControls
{
    using Flag = std::optional<bool>;

    Flag ejectShown;
    // Play shown means pause hidden, in the window, the control bar and the menu.
    Flag playShown;
    Flag stopEnabled;
    Flag snapshotEnabled;
    Flag barSnapshotEnabled;
    Flag fullScreenActionEnabled;
    // Audio track and audio device menus.
    Flag audioMenusEnabled;
    Flag audioChannelEnabled;
    Flag subtitleMenuEnabled;
    Flag videoMenuEnabled;
    // Zoom presets, deinterlacing and the full-screen buttons.
    Flag videoControlsEnabled;
    // Previous and next chapter buttons; once shown, the chapter rules enable them.
    Flag discButtonsShown;
    Flag discButtonsEnabled;
    // Navigation panel and Title menu.
    Flag discMenusEnabled;
    Flag chapterMenuEnabled;
    Flag seekBarEnabled;
    Flag barSeekBarEnabled;
    // Open File and Open Disc.
    Flag openActionsEnabled;
    Flag recentMenuEnabled;
    // The start page, or else the picture area.
    Flag startPageShown;
    Flag waitingShown;
};

// The player window's state table: which controls a situation allows.
class PlayerControlStates
{
public:
    // States outside the player's range give a table that changes nothing.
    static PlayerControls forSituation(const PlayerSituation& situation);

private:
    static void setTransport(const PlayerSituation& s, PlayerControls& c);
    static void setMediaMenus(const PlayerSituation& s, PlayerControls& c);
    static void setDiscControls(const PlayerSituation& s, PlayerControls& c);
    static void setSeekBars(const PlayerSituation& s, PlayerControls& c);
    static void setOpenActions(const PlayerSituation& s, PlayerControls& c);
    static void setPage(const PlayerSituation& s, PlayerControls& c);
};
