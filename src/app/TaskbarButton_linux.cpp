#include "app/TaskbarButton.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef NETVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {
xcb_atom_t Atom(xcb_connection_t* c, const char* name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return atom;
}
}  // namespace

void SetTaskbarButtonShown(QWidget* window, bool shown)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->isVisible())
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // EWMH: ask the window manager to add or remove the skip-taskbar state.
    xcb_client_message_event_t msg{};
    msg.response_type = XCB_CLIENT_MESSAGE;
    msg.format = 32;
    msg.window = static_cast<xcb_window_t>(window->winId());
    msg.type = Atom(c, "_NET_WM_STATE");
    msg.data.data32[0] = shown ? 0 : 1;  // _NET_WM_STATE_REMOVE / _ADD
    msg.data.data32[1] = Atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    msg.data.data32[2] = 0;
    msg.data.data32[3] = 1;  // from a normal application
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&msg));
    xcb_flush(c);
}
#else
void SetTaskbarButtonShown(QWidget*, bool) {}
#endif
