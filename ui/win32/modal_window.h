#pragma once
// A popup window shown modally over its owner, as the dialogs are: the owner is
// disabled while it is open, the keyboard's dialog keys (Tab, arrows, Enter,
// Escape) work in it, and the owner's timer goes on ticking meanwhile.
#include <windows.h>

#include "ui/window_description.h"

namespace keldra::ui::win32 {

// Shows `dialog`, owned by `owner` while it is open, and dispatches messages until
// `open` turns false or the program is asked to quit; then hides it.
void Run_Modal(HWND dialog, HWND owner, const bool& open);

// A dialog about to be shown, centred as its description says.
void Place_As_Described(HWND dialog, const Window_Description& d, bool first_show);

}  // namespace keldra::ui::win32
