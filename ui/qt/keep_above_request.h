#pragma once
// Asks the system once more to keep a mapped window above the others, or to stop:
// on X11 the window manager's _NET_WM_STATE request, on Windows SetWindowPos with
// HWND_TOPMOST or HWND_NOTOPMOST. Neither moves, resizes nor activates the window.
class QWindow;

namespace keldra::ui {

void Request_Keep_Above(QWindow& window, bool above);

}  // namespace keldra::ui
