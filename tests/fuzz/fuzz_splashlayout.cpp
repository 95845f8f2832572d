// The splash layout file beside the program: its sizes, places and alignments.
#include "tests/fuzz/fuzzsupport.h"

#include "entry/splashlayout.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::setUp(argc, argv);
    return 0;
}

namespace {

// The first byte picks the screen's scale and place, among those real
// desktops have (and none at all); the rest is the file.
const double kScales[] = {1.0, 1.25, 1.5, 2.0};
const QRect kScreens[] = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 2560, 1440),
                          QRect(-1280, 200, 1280, 1024), QRect()};

bool inside(const QRect& outer, const QRect& inner)
{
    return inner.width() >= 0 && inner.height() >= 0 && inner.x() >= outer.x()
           && inner.y() >= outer.y()
           && qint64(inner.x()) + inner.width() <= qint64(outer.x()) + outer.width()
           && qint64(inner.y()) + inner.height() <= qint64(outer.y()) + outer.height();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const double scale = kScales[data[0] % 4];
    const QRect screen = kScreens[(data[0] / 4) % 4];
    SplashLayout layout;
    if (!layout.read(Fuzz::bytes(data + 1, size - 1), scale, screen))
        return 0;
    // The splash stays on its screen and every line inside the splash.
    const QRect area = screen.isValid() ? screen : QRect(0, 0, 0, 0);
    const QRect splash(QPoint(0, 0), layout.geometry.size());
    if (!inside(area, layout.geometry) || !inside(splash, layout.message.geometry)
        || !inside(splash, layout.version.geometry) || !inside(splash, layout.copyright.geometry))
        __builtin_trap();
    return 0;
}
