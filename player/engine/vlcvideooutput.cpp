#include "player/engine/vlcvideooutput.h"

#include "platform/platformopengl.h"

#include <QDebug>
#include <chrono>

VlcVideoOutput::VlcVideoOutput(const QStringList& userOptions)
{
    if (namesOutput(userOptions)) {
        decide(LibVlcDefault, QStringLiteral("the output named in KESTREL_VLC_OPTIONS"));
        return;
    }
    switch (PlatformOpenGl::guess()) {
    case PlatformOpenGl::NoDisplay:
        decide(LibVlcDefault, QStringLiteral("libVLC's default: no X11 display"));
        break;
    case PlatformOpenGl::NoOpenGl:
        decide(X11, QStringLiteral("X11: the display has no OpenGL"));
        break;
    case PlatformOpenGl::Software:
        decide(X11, QStringLiteral("X11: the display offers only software OpenGL"));
        break;
    case PlatformOpenGl::Unknown:
        m_renderer = std::async(std::launch::async, &PlatformOpenGl::rendererName);
        break;
    }
}

VlcVideoOutput::Choice VlcVideoOutput::choice()
{
    if (!m_decided && m_renderer.valid() &&
        m_renderer.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        const QString renderer = m_renderer.get();
        if (renderer.isEmpty())
            decide(X11, QStringLiteral("X11: no OpenGL context could be made"));
        else if (PlatformOpenGl::isSoftwareRenderer(renderer))
            decide(X11, QStringLiteral("X11: OpenGL renders in software (%1)").arg(renderer));
        else
            decide(LibVlcDefault, QStringLiteral("libVLC's default: OpenGL on %1").arg(renderer));
    }
    return m_choice;
}

void VlcVideoOutput::decide(Choice choice, const QString& reason)
{
    m_choice = choice;
    m_decided = true;
    qDebug().noquote() << "video output:" << reason;
}

QStringList VlcVideoOutput::options(Choice choice)
{
    // Handing libVLC a window resets its "vout" choice, so naming the output
    // does nothing; without Xlib its OpenGL outputs cannot start and it falls
    // back to the X11 ones (XVideo first, where the server has it).
    if (choice == X11)
        return {QStringLiteral("--no-xlib")};
    return {};
}

bool VlcVideoOutput::namesOutput(const QStringList& options)
{
    for (const QString& option : options) {
        const QString name = option.section(QLatin1Char('='), 0, 0);
        if (name == QLatin1String("--vout") || name == QLatin1String("--xlib") ||
            name == QLatin1String("--no-xlib") || name == QLatin1String("--gl") ||
            name == QLatin1String("--glconv") || option.startsWith(QLatin1String("-V")))
            return true;
    }
    return false;
}
