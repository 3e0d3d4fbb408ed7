#include "ui/win32/dpi.h"

#include "platform/windows/win32_system_function.h"

namespace keldra::ui::win32 {

int Window_Dpi(HWND window) {
  // Per-window figures came with Windows 10; before, every screen had the system's.
  static auto* const for_window =
      platform::win32_impl::System_Function<UINT WINAPI(HWND)>("user32.dll", "GetDpiForWindow");
  if (window != nullptr && for_window != nullptr) {
    if (const UINT dpi = for_window(window)) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : Design_Dpi;
}

}  // namespace keldra::ui::win32
