#pragma once
// Dots per inch. The descriptions' boxes and fonts are at 96; the program says it is
// aware of each monitor's own, so a window on a screen of more is laid out and drawn
// at that screen's, crisp, rather than drawn at 96 and stretched by the system.
#include <windows.h>

namespace keldra::ui::win32 {

inline constexpr int Design_Dpi = 96;

// The dots per inch of the screen the window is on; the system's for no window or
// on a system that cannot say.
int Window_Dpi(HWND window);

inline int Scaled(int value, int dpi) { return MulDiv(value, dpi, Design_Dpi); }
inline int Unscaled(int value, int dpi) { return MulDiv(value, Design_Dpi, dpi); }
// Rounded up: a text measured at the window's dots per inch fits its box at 96.
inline int Unscaled_Up(int value, int dpi) { return (value * Design_Dpi + dpi - 1) / dpi; }
inline RECT Scaled(const RECT& r, int dpi) {
  return {Scaled(r.left, dpi), Scaled(r.top, dpi), Scaled(r.right, dpi), Scaled(r.bottom, dpi)};
}

}  // namespace keldra::ui::win32
