#include "ui/window_description.h"

#include <stdexcept>

namespace keldra::ui {

const Control_Description& Window_Description::Control(const std::string& control_name) const {
  for (const Control_Description& c : controls) {
    if (c.name == control_name) return c;
  }
  throw std::logic_error(name + " has no control " + control_name);
}

const Timer_Description& Window_Description::Timer(const std::string& timer_name) const {
  for (const Timer_Description& t : timers) {
    if (t.name == timer_name) return t;
  }
  throw std::logic_error(name + " has no timer " + timer_name);
}

Box Window_Description::Client_Box(const Control_Description& c) const {
  if (c.parent.empty()) return c.box;
  const Box group = Client_Box(Control(c.parent));
  return {group.left + c.box.left, group.top + c.box.top, c.box.width, c.box.height};
}

}  // namespace keldra::ui
