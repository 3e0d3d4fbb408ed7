#include "platform/platform_services.h"
#include "platform/windows/win32_disk_space.h"
#include "platform/windows/win32_drive_table.h"
#include "platform/windows/win32_error_mode.h"
#include "platform/windows/win32_launcher.h"
#include "platform/windows/win32_registry.h"

namespace keldra::platform {

Error_Mode& Process_Error_Mode() {
  static win32_impl::Win32_Error_Mode mode;
  return mode;
}

// The letters are the system's own, so drives.ini beside the program plays no part.
std::vector<Early_Job> Early_Platform_Jobs(const std::string& /*executable_folder*/) { return {}; }

void Start_Spare_Helpers() {}

std::unique_ptr<Bounded_Job> Start_Spare_Helpers_After(const std::function<std::string()>& job,
                                                       const std::string& place) {
  return std::make_unique<Bounded_Job>(job, place);
}

std::vector<Early_Job> Early_Run_Value_Jobs(const std::string& /*value_name*/) { return {}; }

Platform_Services Make_Platform_Services(const std::string& /*executable_folder*/) {
  Platform_Services s;
  auto table = std::make_unique<win32_impl::Win32_Drive_Table>();
  s.disk = std::make_unique<win32_impl::Win32_Disk_Space>(table->Askers());
  s.drives = std::move(table);
  s.registry = std::make_unique<win32_impl::Win32_Registry>();
  s.launcher = std::make_unique<win32_impl::Win32_Launcher>();
  return s;
}

}  // namespace keldra::platform
