#pragma once
// The main window's drawn labels and gauges painted as the static control and the
// gauge window painted themselves; the Win32 face's measure of their texts.
#include <windows.h>

#include <functional>

#include "ui/drawn_controls.h"
#include "ui/win32/controls.h"

namespace keldra::ui::win32 {

// The font each control is drawn in.
using Font_For = std::function<HFONT(const Drawn_Control&)>;

// Paints the controls that meet the rectangle, the first made last (on top), their
// boxes scaled from 96 dots per inch to `dpi` (the fonts come at `dpi` already).
void Paint_Drawn_Controls(HDC dc, const RECT& dirty, const Drawn_Controls& controls,
                          const Font_For& font, COLORREF background, HBRUSH background_brush,
                          int dpi);

}  // namespace keldra::ui::win32
