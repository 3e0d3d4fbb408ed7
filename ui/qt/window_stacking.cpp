#include "ui/qt/window_stacking.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "platform/startup_info.h"
#include "ui/qt/keep_above_request.h"

namespace keldra::ui {

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
  if (widget.isVisible()) Request_Keep_Above(*window, above);
}

void Desktop_Window_Stacking::Show_Window(QWidget& w, int command) {
  using namespace platform;
  switch (command) {
    case Show_Hide: w.hide(); break;
    case Show_Minimized:
    case Show_Minimize:
    case Show_Min_No_Active: w.showMinimized(); break;
    case Show_Maximized: w.showMaximized(); break;
    case Show_Restore: w.showNormal(); break;
    default:
      // Show_Default and the plain show commands: shown, in the state it has.
      if (w.isMinimized()) {
        w.showNormal();
      } else {
        w.show();
      }
      break;
  }
}

}  // namespace keldra::ui
