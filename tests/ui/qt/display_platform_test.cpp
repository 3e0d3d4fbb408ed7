#include "ui/qt/display_platform.h"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace keldra::ui {
namespace {

TEST(Display_Platform, XWaylandWhereTheSessionOffersItAndTheUserChoseNothing) {
  using Env = std::map<std::string, std::string>;
  const struct {
    Env env;
    std::vector<const char*> args;
    const char* expected;
  } cases[] = {
      {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, {}, "xcb"},
      {{{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}}, {}, "xcb"},
      // No XWayland: the toolkit's own choice.
      {{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, ""},
      {{{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}}, {}, ""},
      // An X11 session is left alone.
      {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, {}, ""},
      // The user's choice, in the environment (even empty) or on the command line.
      {{{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}}, {}, ""},
      {{{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", ""}}, {}, ""},
      {{{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}}, {"-platform", "wayland"}, ""},
      {{{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}}, {"--platform", "wayland"}, ""},
      {{{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}}, {"-platform=offscreen"}, ""},
      {{{"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}}, {"-style", "fusion"}, "xcb"},
  };
  for (const auto& c : cases) {
    auto lookup = [&](const char* name) -> const char* {
      const auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    };
    std::vector<const char*> argv{"keldra"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    std::string described;
    for (const auto& [k, v] : c.env) described += k + "=" + v + " ";
    for (const char* a : c.args) described += std::string(a) + " ";
    EXPECT_EQ(Preferred_Display_Platform(lookup, static_cast<int>(argv.size()), argv.data()),
              c.expected)
        << described;
  }
}

}  // namespace
}  // namespace keldra::ui
