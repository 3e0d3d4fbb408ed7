#pragma once
// The window program's start, in the order both faces follow: the executable's path;
// the settings' reads started at once, to be read while the toolkit starts and the
// windows are made; once the toolkit is up, the platform's services; then the
// windows, built and shown. Each step is stamped for the start-up breakdown.
#include <functional>
#include <optional>
#include <string>

#include "monitor/disk_queries.h"
#include "platform/message_boxes.h"
#include "platform/platform_services.h"
#include "ui/keldra_services.h"

namespace keldra::ui {

class Program_Start {
 public:
  // The executable's path; throws Keldra_Error where it cannot be had.
  Program_Start();

  // The settings' reads and a spare volume helper, started before the toolkit.
  void Start_Early_Work();
  // After the toolkit: the platform's services and the disk queries.
  void Make_Services();
  // What the windows are given, with the face's message boxes and the system's year.
  Keldra_Services Services(platform::Message_Boxes& boxes, std::function<int()> current_year);

  const std::string executable;
  const std::string folder;  // the executable's, with its separator
  std::string decimal_separator;

 private:
  std::optional<platform::Platform_Services> os_;
  std::optional<monitor::Disk_Queries> queries_;
};

// The start-up benchmark's measure: the program is to leave as soon as its window is
// on screen (Exit_When_Shown_Variable is set).
bool Exit_When_Shown();

}  // namespace keldra::ui
