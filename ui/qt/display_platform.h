#pragma once
// Which of the toolkit's display platforms the window asks for on Linux.
//
// In a Wayland session no ordinary window may ask to stay above the others, so
// "&Always On Top" could set its mark and nothing else. Through XWayland the X11
// request works, and the desktops' compositors honour it for X11 windows. So
// where the session offers XWayland and the user has chosen no platform, Keldra
// runs there; a platform the user chose is always taken as it is.
#include <functional>
#include <string>

namespace keldra::ui {

// Looks up an environment variable: nullptr when it is not set.
using Environment_Lookup = std::function<const char*(const char*)>;

// "xcb" when the window should run on XWayland; empty to leave the choice to the
// toolkit. argv is the program's command line, where "-platform" is a choice too.
std::string Preferred_Display_Platform(const Environment_Lookup& env, int argc,
                                       const char* const* argv);

}  // namespace keldra::ui
