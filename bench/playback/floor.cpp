// The floor of the playback benchmark: the least a program can do to show a
// file with libVLC in a window of its own. It makes an X11 window of the given
// size, hands it to libVLC and plays the file to its end.
// Usage: bench_playback_floor WIDTH HEIGHT FILE [LIBVLC OPTIONS...]
// Exits 0 at the end of the media, 1 on a playback error, 2 on a usage or X error.
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>
#include <vlc/vlc.h>
#include <xcb/xcb.h>

namespace {

struct Ending
{
    std::mutex lock;
    std::condition_variable changed;
    int result = -1;
};

void onEvent(const libvlc_event_t* event, void* data)
{
    auto* ending = static_cast<Ending*>(data);
    std::lock_guard<std::mutex> guard(ending->lock);
    ending->result = event->type == libvlc_MediaPlayerEndReached ? 0 : 1;
    ending->changed.notify_all();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT FILE [LIBVLC OPTIONS...]\n", argv[0]);
        return 2;
    }
    const auto width = uint16_t(std::atoi(argv[1]));
    const auto height = uint16_t(std::atoi(argv[2]));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t black = screen->black_pixel;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, width, height, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                      &black);
    xcb_map_window(c, window);
    xcb_flush(c);

    std::vector<const char*> options(argv + 4, argv + argc);
    libvlc_instance_t* instance = libvlc_new(int(options.size()), options.data());
    if (!instance)
        return 2;
    libvlc_media_t* media = libvlc_media_new_path(instance, argv[3]);
    libvlc_media_player_t* player = libvlc_media_player_new_from_media(media);
    libvlc_media_player_set_xwindow(player, window);
    Ending ending;
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(player);
    libvlc_event_attach(events, libvlc_MediaPlayerEndReached, onEvent, &ending);
    libvlc_event_attach(events, libvlc_MediaPlayerEncounteredError, onEvent, &ending);
    libvlc_media_player_play(player);
    {
        std::unique_lock<std::mutex> guard(ending.lock);
        ending.changed.wait(guard, [&] { return ending.result >= 0; });
    }
    libvlc_media_player_stop(player);
    libvlc_media_player_release(player);
    libvlc_media_release(media);
    libvlc_release(instance);
    xcb_disconnect(c);
    return ending.result;
}
