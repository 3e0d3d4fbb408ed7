#pragma once
// What the three windows do alike with their controls: making one, giving it a
// hint, fitting a label to its text, and drawing a picture whose bottom-left
// pixel is its transparent colour.
#include <windows.h>

#include <string>

#include "ui/window_description.h"

namespace keldra::ui::win32 {

// A description's box as the system's rectangle.
inline RECT Rect_Of(const Box& b) {
  return RECT{b.left, b.top, b.left + b.width, b.top + b.height};
}

// A child control of `parent` at x, y, w x h (WS_CHILD is added; pass WS_VISIBLE
// for one shown at once).
HWND Make_Control(HWND parent, const char* cls, const char* text, DWORD style, int id, int x, int y,
                  int w, int h, DWORD ex_style = 0);

// Makes the common controls' classes known, the first time one is needed.
void Use_Common_Controls();

// The window a window's hints show in; none of its own owner, so that it never
// stands above the window in the z-order.
HWND Create_Hints();
// Gives `control`, a child of `owner`, its hint; giving it again replaces it.
void Add_Hint(HWND hints, HWND owner, HWND control, const std::string& text);
// A hint for a place of `owner`'s client area (a control it draws itself), known
// by id; an empty place shows none. Moving it keeps its text.
void Add_Place_Hint(HWND hints, HWND owner, int id, RECT place, const std::string& text);
void Move_Place_Hint(HWND hints, HWND owner, int id, RECT place);

// Sizes a label to its text, at least `min_height` high.
void Fit_To_Text(HWND label, int min_height = 0);

// Draws `picture` (w x h) at x, y, its bottom-left pixel's colour left out; scaled
// to dots per inch other than 96.
void Draw_Transparent(HDC dc, HBITMAP picture, int x, int y, int w, int h, int dpi = 96);

// A described colour as the system gives it; Inherit is the system colour `inherit`
// (a COLOR_* index).
COLORREF Colour_Of(const Colour& colour, int inherit);
// A brush of that colour: the system's own for its colours, one made once for each
// exact colour, kept for the run.
HBRUSH Brush_Of(const Colour& colour, int inherit);

}  // namespace keldra::ui::win32
