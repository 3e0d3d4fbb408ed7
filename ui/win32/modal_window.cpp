#include "ui/win32/modal_window.h"

namespace keldra::ui::win32 {

void Run_Modal(HWND dialog, HWND owner, const bool& open) {
  const bool owner_was_enabled = owner && IsWindowEnabled(owner);
  // Owned only while open: an owner whose hidden dialogs stand above it in the
  // z-order is not made topmost by some window systems (Wine's), which move the
  // owned windows instead.
  SetWindowLongPtrA(dialog, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(dialog, SW_SHOW);
  SetForegroundWindow(dialog);
  // A dialog opens with its first tab stop focused, unless one of its controls has
  // the focus already (kept from its last showing).
  const HWND focus = GetFocus();
  if (focus == nullptr || !IsChild(dialog, focus)) {
    if (const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE)) SetFocus(first);
  }
  MSG msg;
  while (open) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
      break;
    }
    if (IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  // The owner is enabled before the dialog goes, so that it, not another program,
  // becomes the active window.
  if (owner && owner_was_enabled) EnableWindow(owner, TRUE);
  if (IsWindowVisible(dialog)) ShowWindow(dialog, SW_HIDE);
  SetWindowLongPtrA(dialog, GWLP_HWNDPARENT, 0);
  if (owner) SetActiveWindow(owner);
}

// Centred on the primary screen's work area, as its description says.
void Place_As_Described(HWND dialog, const Window_Description& d, bool first_show) {
  if (d.centring == Centring::None || (d.centring == Centring::First_Show && !first_show)) return;
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  RECT r;
  GetWindowRect(dialog, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - w) / 2,
               area.top + (area.bottom - area.top - h) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace keldra::ui::win32
