#pragma once
// Every service Keldra asks of the operating system, made once in main() for the
// system it runs on and handed to whatever needs it.
#include <functional>
#include <memory>
#include <string>

#include "platform/bounded_call.h"
#include "platform/disk_space.h"
#include "platform/drive_table.h"
#include "platform/early_jobs.h"
#include "platform/error_mode.h"
#include "platform/launcher.h"
#include "platform/registry.h"

namespace keldra::platform {

struct Platform_Services {
  std::unique_ptr<Drive_Table> drives;  // before disk, which asks it for directories
  std::unique_ptr<Disk_Space> disk;
  Error_Mode* error_mode = &Process_Error_Mode();  // one setting for the whole process
  std::unique_ptr<Registry> registry;
  std::unique_ptr<Launcher> launcher;
};

// The services of this system for a program living in executable_folder (with its
// trailing separator), where drives.ini is kept.
Platform_Services Make_Platform_Services(const std::string& executable_folder);

// Starts what the services will need first and can start before they exist, while
// the process is small (on Linux, a helper to ask volumes); on Windows nothing.
// Called before any thread starts.
void Start_Spare_Helpers();
// The same, with the program's first job (its first reads, at place) done by that
// helper before it serves, so that a start copies the process once, not twice; on
// Windows, the job in a worker of its own. Its answer comes as the job's returned.
std::unique_ptr<Bounded_Job> Start_Spare_Helpers_After(const std::function<std::string()>& job,
                                                       const std::string& place);

// What those services read first of the program's folder, to be started early
// (Start_Early_Jobs): on Linux, drives.ini; on Windows nothing.
std::vector<Early_Job> Early_Platform_Jobs(const std::string& executable_folder);
// What the registry is asked first about the Run key's value name (whether the key
// opens, then the value), to be started early: on Linux, the two looks at the
// autostart folder; on Windows, whose registry is no volume, nothing.
std::vector<Early_Job> Early_Run_Value_Jobs(const std::string& value_name);

}  // namespace keldra::platform
