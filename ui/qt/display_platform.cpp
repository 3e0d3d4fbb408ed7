#include "ui/qt/display_platform.h"

#include <cstring>

namespace keldra::ui {
namespace {

bool Is_Set(const Environment_Lookup& env, const char* name) {
  const char* value = env(name);
  return value != nullptr && *value != '\0';
}

bool Platform_On_Command_Line(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0 ||
        std::strncmp(argv[i], "-platform=", 10) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string Preferred_Display_Platform(const Environment_Lookup& env, int argc,
                                       const char* const* argv) {
  // Any value of QT_QPA_PLATFORM is the user's choice, an empty one included.
  if (env("QT_QPA_PLATFORM") != nullptr || Platform_On_Command_Line(argc, argv)) return "";
  const char* session = env("XDG_SESSION_TYPE");
  const bool wayland_session = Is_Set(env, "WAYLAND_DISPLAY") ||
                               (session != nullptr && std::strcmp(session, "wayland") == 0);
  if (wayland_session && Is_Set(env, "DISPLAY")) return "xcb";
  return "";
}

}  // namespace keldra::ui
