#include "platform/platformopengl.h"

#include <QGuiApplication>
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* connection()
{
    if (!qGuiApp)
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Sends every query first and then collects the answers: one round trip.
QList<bool> hasExtensions(xcb_connection_t* c, const QList<const char*>& names)
{
    QList<xcb_query_extension_cookie_t> cookies;
    for (const char* name : names)
        cookies << xcb_query_extension(c, quint16(std::strlen(name)), name);
    QList<bool> present;
    for (const xcb_query_extension_cookie_t& cookie : cookies) {
        xcb_query_extension_reply_t* reply = xcb_query_extension_reply(c, cookie, nullptr);
        present << (reply && reply->present);
        std::free(reply);
    }
    return present;
}

// A display without the attributes asked for answers with an X error; the
// default handler would end the process.
int ignoreError(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

PlatformOpenGl::Driver PlatformOpenGl::guess()
{
    xcb_connection_t* c = connection();
    if (!c)
        return NoDisplay;
    // Mesa's own switch to its software rasterizer.
    const QByteArray forced = qgetenv("LIBGL_ALWAYS_SOFTWARE");
    // "NV-GLX" is the proprietary driver's direct rendering, DRI2 and DRI3 everyone else's.
    const QList<bool> present = hasExtensions(c, {"GLX", "DRI3", "DRI2", "NV-GLX"});
    if (!present.at(0))
        return NoOpenGl;
    if ((!forced.isEmpty() && forced != "0" && forced != "false") || present.indexOf(true, 1) < 0)
        return Software;
    return Unknown;
}

QString PlatformOpenGl::rendererName()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return QString();
    QString name;
    XErrorHandler previous = XSetErrorHandler(ignoreError);
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                              None};
    int count = 0;
    GLXFBConfig* configs =
        glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
    if (configs && count > 0) {
        const int size[] = {GLX_PBUFFER_WIDTH, 1, GLX_PBUFFER_HEIGHT, 1, None};
        const GLXPbuffer buffer = glXCreatePbuffer(display, configs[0], size);
        const GLXContext context =
            glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, nullptr, True);
        if (buffer && context && glXMakeContextCurrent(display, buffer, buffer, context)) {
            name = QString::fromLatin1(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
            glXMakeContextCurrent(display, None, None, nullptr);
        }
        if (context)
            glXDestroyContext(display, context);
        if (buffer)
            glXDestroyPbuffer(display, buffer);
    }
    if (configs)
        XFree(configs);
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return name;
}

bool PlatformOpenGl::isSoftwareRenderer(const QString& name)
{
    static const char* const rasterizers[] = {"llvmpipe", "softpipe", "swrast",
                                              "software rasterizer"};
    for (const char* rasterizer : rasterizers) {
        if (name.contains(QLatin1String(rasterizer), Qt::CaseInsensitive))
            return true;
    }
    return false;
}
