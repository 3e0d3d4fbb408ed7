#pragma once
// What the three windows are given by the program (or a test): the platform's
// services and the few figures of the system they show. Both faces take the same.
#include <functional>
#include <string>

#include "monitor/disk_queries.h"
#include "platform/drive_table.h"
#include "platform/launcher.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "ui/about_box_behaviour.h"

namespace keldra::ui {

// Set in the environment, the program leaves as soon as its window is on screen:
// the start-up benchmark's measure.
inline constexpr const char* Exit_When_Shown_Variable = "KELDRA_EXIT_WHEN_SHOWN";

struct Keldra_Services {
  monitor::Disk_Queries& queries;
  const platform::Drive_Table& drives;
  platform::Message_Boxes& boxes;
  platform::Registry& registry;
  platform::Launcher& launcher;
  std::string executable_path;
  std::string decimal_separator;
  std::function<int()> current_year;  // the system date's year
  std::function<std::string()> memory_free_percent;
};

inline ui::About_Box_Behaviour::Services About_Box_Services(const Keldra_Services& s,
                                                            Face_Toolkit toolkit) {
  return {s.launcher, s.executable_path, s.current_year, s.memory_free_percent, toolkit};
}

}  // namespace keldra::ui
