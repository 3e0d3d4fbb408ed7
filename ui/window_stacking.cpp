#include "ui/window_stacking.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include "platform/startup_info.h"

namespace keldra::ui {
namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name);
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

void Desktop_Window_Stacking::Set_Keep_Above(QWidget& widget, bool above) {
  widget.winId();  // make sure there is a platform window to ask about
  QWindow* window = widget.windowHandle();
  if (!window) return;
  // Qt's own flag on the platform window keeps the state across mapping and tells
  // the window manager; unlike the widget's flag it does not re-create the window.
  const Qt::WindowFlags before = window->flags();
  window->setFlag(Qt::WindowStaysOnTopHint, above);
  if (window->flags() != before) return;
  // Unchanged: ask again anyway, as a stacking call is made on every request.
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    if (widget.isVisible()) Send_Net_Wm_State(x11->connection(), window->winId(), above);
  }
}

void Desktop_Window_Stacking::Show_Window(QWidget& w, int command) {
  using namespace platform;
  switch (command) {
    case SW_HIDE: w.hide(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: w.showMinimized(); break;
    case SW_SHOWMAXIMIZED: w.showMaximized(); break;
    case SW_RESTORE: w.showNormal(); break;
    default:
      // SW_SHOWDEFAULT and the plain show commands: shown, in the state it has.
      if (w.isMinimized()) {
        w.showNormal();
      } else {
        w.show();
      }
      break;
  }
}

}  // namespace keldra::ui
