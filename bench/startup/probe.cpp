// Starts a program and reports how long it takes until its main window is on
// screen and painted, then ends it.
// Usage: bench_startup_probe [--user NAME] [--timeout MS] -- PROGRAM [ARGS...]
// Prints "<mapped ms> <painted ms>" on success; exits 1 on a timeout or when the
// program dies first, 2 on a usage or X error.
//
// Why a program and not a shell loop of xdotool/xwininfo/import: polling by
// spawning tools costs more CPU than the start-up being measured on a small
// machine, and a child of ours gives an exact start time and a pid to match.
//
// "Main window": the largest viewable window whose _NET_WM_PID is the child,
// leaving out splash-type windows. "Painted": no splash of the child is still
// viewable and the window's pixels are not all one colour. The root background
// is made solid black first, so a mapped but unpainted window (Qt and most
// toolkits map with background None) reads back as one colour instead of the
// server's default weave, which would look "painted" at once.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Atoms
{
    xcb_atom_t pid, type, splash;
};

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

struct Found
{
    xcb_window_t window = XCB_NONE;
    int area = 0;
    bool splashShown = false;
};

// Walks the whole tree: the window manager reparents clients into its frames.
void scan(xcb_connection_t* c, const Atoms& at, xcb_window_t w, pid_t pid, Found& found)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
    if (!tree)
        return;
    const xcb_window_t* kids = xcb_query_tree_children(tree);
    const int n = xcb_query_tree_children_length(tree);
    for (int i = 0; i < n; ++i) {
        const xcb_window_t k = kids[i];
        xcb_get_property_reply_t* p = xcb_get_property_reply(
            c, xcb_get_property(c, 0, k, at.pid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        const bool ours = p && xcb_get_property_value_length(p) == 4 &&
                          *static_cast<uint32_t*>(xcb_get_property_value(p)) == uint32_t(pid);
        std::free(p);
        if (ours) {
            xcb_get_window_attributes_reply_t* a =
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, k), nullptr);
            const bool viewable = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
            std::free(a);
            if (viewable) {
                xcb_get_property_reply_t* t = xcb_get_property_reply(
                    c, xcb_get_property(c, 0, k, at.type, XCB_ATOM_ATOM, 0, 16), nullptr);
                bool splash = false;
                if (t) {
                    const auto* types = static_cast<xcb_atom_t*>(xcb_get_property_value(t));
                    const int count = xcb_get_property_value_length(t) / 4;
                    splash = std::find(types, types + count, at.splash) != types + count;
                }
                std::free(t);
                xcb_get_geometry_reply_t* g =
                    xcb_get_geometry_reply(c, xcb_get_geometry(c, k), nullptr);
                const int area = g ? g->width * g->height : 0;
                std::free(g);
                if (splash)
                    found.splashShown = true;
                else if (area > found.area)
                    found = {k, area, found.splashShown};
            }
        }
        scan(c, at, k, pid, found);
    }
    std::free(tree);
}

bool painted(xcb_connection_t* c, xcb_window_t w)
{
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    if (!g)
        return false;
    const uint16_t width = g->width, height = g->height;
    std::free(g);
    xcb_get_image_reply_t* img = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, width, height, ~0u), nullptr);
    if (!img)
        return false;
    // 24-bit depth comes back as 32 bits a pixel; compare the three colour bytes.
    const uint8_t* px = xcb_get_image_data(img);
    const int bytes = xcb_get_image_data_length(img);
    bool varied = false;
    for (int i = 4; i + 3 <= bytes && !varied; i += 4)
        varied = std::memcmp(px, px + i, 3) != 0;
    std::free(img);
    return varied;
}

void endChild(pid_t pid)
{
    kill(-pid, SIGTERM);
    bool ended = false;
    for (int i = 0; i < 200 && !ended; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ended = waitpid(pid, nullptr, WNOHANG) == pid;
    }
    kill(-pid, SIGKILL); // a program deaf to SIGTERM, or helpers left in its group
    if (!ended)
        waitpid(pid, nullptr, 0);
}

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

} // namespace

int main(int argc, char** argv)
{
    const char* user = nullptr;
    int timeoutMs = 20000;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--user") && i + 1 < argc)
            user = argv[++i];
        else if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeoutMs = std::atoi(argv[++i]);
        else
            break;
    }
    if (i + 1 >= argc || std::strcmp(argv[i], "--") != 0) {
        std::fprintf(stderr, "usage: %s [--user NAME] [--timeout MS] -- PROGRAM [ARGS...]\n",
                     argv[0]);
        return 2;
    }
    char** command = argv + i + 1;

    const passwd* pw = user ? getpwnam(user) : nullptr;
    if (user && !pw) {
        std::fprintf(stderr, "no user %s\n", user);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t black = screen->black_pixel;
    xcb_change_window_attributes(c, screen->root, XCB_CW_BACK_PIXEL, &black);
    xcb_clear_area(c, 0, screen->root, 0, 0, 0, 0);
    const Atoms at{atom(c, "_NET_WM_PID"), atom(c, "_NET_WM_WINDOW_TYPE"),
                   atom(c, "_NET_WM_WINDOW_TYPE_SPLASH")};
    xcb_flush(c);

    const Clock::time_point t0 = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return 2;
    if (pid == 0) {
        setpgid(0, 0);
        dup2(STDERR_FILENO, STDOUT_FILENO); // our stdout carries only the result
        if (pw && (initgroups(pw->pw_name, pw->pw_gid) != 0 || setgid(pw->pw_gid) != 0 ||
                   setuid(pw->pw_uid) != 0)) {
            std::perror("dropping to the user");
            _exit(127);
        }
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    setpgid(pid, pid);

    double mapped = -1;
    int result = 1;
    while (msSince(t0) < timeoutMs) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s ended before its window was painted\n", command[0]);
            return 1;
        }
        Found found;
        scan(c, at, screen->root, pid, found);
        if (found.window != XCB_NONE) {
            const double now = msSince(t0);
            if (mapped < 0)
                mapped = now;
            if (!found.splashShown && painted(c, found.window)) {
                std::printf("%.0f %.0f\n", mapped, now);
                result = 0;
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (result != 0)
        std::fprintf(stderr, "%s: no painted window within %d ms\n", command[0], timeoutMs);
    endChild(pid);
    xcb_disconnect(c);
    return result;
}
