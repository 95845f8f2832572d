#pragma once

#include <QString>

// What drawing through OpenGL would cost on the display the program runs on.
// Without a GPU driver (virtual machines, remote desktops, Xvfb) OpenGL is a
// software rasterizer that spends as much processor time per video frame as
// decoding it; a plain X11 picture is far cheaper there.
class PlatformOpenGl
{
public:
    enum Driver
    {
        NoDisplay,  // no X11 connection: nothing to decide
        NoOpenGl,   // the X server offers no GLX at all
        Software,   // only a software rasterizer is possible
        Unknown     // direct rendering is offered: only the driver can tell
    };
    // A cheap first answer from the X server's extensions and the environment;
    // costs one round trip on the application's own connection.
    static Driver guess();
    // GL_RENDERER of a 1x1 context on a private connection to the display, empty
    // when none can be made. It loads the OpenGL driver, which can take 100 ms
    // and more: call it away from the GUI thread.
    static QString rendererName();
    static bool isSoftwareRenderer(const QString& name);
};
