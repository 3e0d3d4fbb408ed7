#include "ui/qt/keep_above_request.h"

#include <QWindow>

#include <windows.h>

namespace keldra::ui {

void Request_Keep_Above(QWindow& window, bool above) {
  SetWindowPos(reinterpret_cast<HWND>(window.winId()), above ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
               0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace keldra::ui
