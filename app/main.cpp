// The host program: creates the application object and hands over to the library.
#include "entry/aentry.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static bool answerBeforeStart(int argc, char** argv)
{
    if (argc != 2)
        return false;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("kestrel-player %s\n", KESTREL_VERSION);
        return true;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        std::printf("Usage: kestrel-player [FILE | FOLDER] [-l LANGUAGE]\n"
                    "Plays video and audio files, Blu-ray discs and Blu-ray folders.\n\n"
                    "  FILE, FOLDER     media file or Blu-ray folder to open; when a copy\n"
                    "                   is already running, it is opened there\n"
                    "  -l LANGUAGE      user interface language (en, de, fr, es, ja, zh_CN),\n"
                    "                   kept for later runs\n"
                    "  --register       record this installed copy (installation hook)\n"
                    "  --deregister     remove this copy's record (installation hook)\n"
                    "  --help           show this help\n"
                    "  --version        show the version\n\n"
                    "Environment: KESTREL_VLC_OPTIONS adds options of the media library.\n");
        return true;
    }
    return false;
}

// The installation hooks show nothing, and package scripts run them where there
// may be no display at all. Video is embedded into X11 windows, so a normal start
// prefers the xcb platform (XWayland included) unless the user chose one.
static void choosePlatform(int argc, char** argv)
{
    const bool installHook = argc == 2 && (std::strcmp(argv[1], "--register") == 0 ||
                                           std::strcmp(argv[1], "--deregister") == 0);
    if (installHook)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
             !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

int main(int argc, char** argv)
{
    if (answerBeforeStart(argc, argv))
        return 0;
    choosePlatform(argc, argv);
    QApplication app(argc, argv);
    return a_entry(argc, argv);
}
