#pragma once
// The percentage gauge of a DriveRow: a bordered bar with the percentage written
// across it in exclusive-or, composed off-screen and copied to the screen in one
// step.
#include <windows.h>

#include "ui/main_form_description.h"

namespace keldra::ui::win32 {

// The gauge's picture, w x h, drawn onto `target` at 0, 0 in `font` (drawn
// without smoothing: exclusive-or wants whole pixels).
void Draw_Percent_Gauge(HDC target, int w, int h, int percent, COLORREF bar, HFONT font);

}  // namespace keldra::ui::win32
