#include "ui/qt/keep_above_request.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWindow>

namespace keldra::ui {
namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
  xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  free(reply);
  return atom;
}

// The EWMH request to the window manager for a mapped window.
void Send_Net_Wm_State(xcb_connection_t* c, xcb_window_t window, bool above) {
  const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
  const xcb_atom_t above_atom = Atom(c, "_NET_WM_STATE_ABOVE");
  if (state == XCB_ATOM_NONE || above_atom == XCB_ATOM_NONE) return;
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = state;
  event.data.data32[0] = above ? 1 : 0;  // _NET_WM_STATE_ADD / _REMOVE
  event.data.data32[1] = above_atom;
  event.data.data32[2] = 0;
  event.data.data32[3] = 1;  // a normal application asks
  xcb_send_event(c, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
}

}  // namespace

void Request_Keep_Above(QWindow& window, bool above) {
  // Only an X server has a window manager to ask; elsewhere Qt's flag is all. Some
  // other platforms (offscreen) answer for X11 too, but without a connection.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 != nullptr && x11->connection() != nullptr) {
    Send_Net_Wm_State(x11->connection(), static_cast<xcb_window_t>(window.winId()), above);
  }
}

}  // namespace keldra::ui
