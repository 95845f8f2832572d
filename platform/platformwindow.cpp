#include "platform/platformwindow.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

namespace {

constexpr quint32 IconicState = 3;
// _NET_ACTIVE_WINDOW source indication of a pager: window managers honour it
// without applying focus-stealing prevention.
constexpr quint32 SourcePager = 2;

// Replies with their errors taken, so that a window that has gone away does not
// show up as an error in Qt's own event handling.
template <typename Reply> Reply* takeReply(Reply* reply, xcb_generic_error_t* error)
{
    std::free(error);
    return reply;
}

xcb_connection_t* connection()
{
    if (!qGuiApp)
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    const auto cookie = xcb_intern_atom(c, 0, quint16(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// The 32-bit items of a window property (at most 64 of them).
QList<quint32> property(xcb_connection_t* c, quint32 window, xcb_atom_t name)
{
    QList<quint32> items;
    const auto cookie = xcb_get_property(c, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 64);
    xcb_generic_error_t* error = nullptr;
    auto* reply = takeReply(xcb_get_property_reply(c, cookie, &error), error);
    if (reply && reply->format == 32) {
        const auto* values = static_cast<const quint32*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        items.reserve(count);
        for (int i = 0; i < count; ++i)
            items.append(values[i]);
    }
    std::free(reply);
    return items;
}

xcb_window_t rootOf(xcb_connection_t* c, quint32 window)
{
    xcb_generic_error_t* error = nullptr;
    auto* reply = takeReply(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), &error), error);
    const xcb_window_t root = reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
    std::free(reply);
    return root;
}

void requestActivation(xcb_connection_t* c, xcb_window_t root, quint32 window)
{
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(c, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = SourcePager;
    event.data.data32[1] = XCB_CURRENT_TIME;
    const quint32 mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_send_event(c, 0, root, mask, reinterpret_cast<const char*>(&event));
}

} // namespace

bool PlatformWindow::isWindow(quint32 id)
{
    xcb_connection_t* c = connection();
    if (!c || id == 0)
        return false;
    // Unlike the geometry request, this one fails for drawables that are not windows.
    xcb_generic_error_t* error = nullptr;
    const auto cookie = xcb_get_window_attributes(c, id);
    auto* reply = takeReply(xcb_get_window_attributes_reply(c, cookie, &error), error);
    const bool exists = reply != nullptr;
    std::free(reply);
    return exists;
}

bool PlatformWindow::isIconic(quint32 id)
{
    xcb_connection_t* c = connection();
    if (!c || id == 0)
        return false;
    const QList<quint32> wmState = property(c, id, atom(c, "WM_STATE"));
    if (!wmState.isEmpty() && wmState.first() == IconicState)
        return true;
    return property(c, id, atom(c, "_NET_WM_STATE")).contains(atom(c, "_NET_WM_STATE_HIDDEN"));
}

void PlatformWindow::raise(quint32 id)
{
    xcb_connection_t* c = connection();
    if (!c || id == 0)
        return;
    const xcb_window_t root = rootOf(c, id);
    if (root == XCB_WINDOW_NONE)
        return;
    // Mapping an iconic window asks the window manager to restore it.
    xcb_map_window(c, id);
    requestActivation(c, root, id);
    const quint32 stackMode = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(c, id, XCB_CONFIG_WINDOW_STACK_MODE, &stackMode);
    xcb_flush(c);
}

void PlatformWindow::bringToFront(QWidget* window)
{
    if (!window)
        return;
    QWidget* topLevel = window->window();
    topLevel->raise();
    topLevel->activateWindow();
    raise(quint32(topLevel->winId()));
}
