#include "platform/linux/linux_disk_space.h"
#include "platform/linux/linux_drive_table.h"
#include "platform/linux/linux_launcher.h"
#include "platform/linux/linux_registry.h"
#include "platform/linux/volume_askers.h"
#include "platform/platform_services.h"

namespace keldra::platform {

Error_Mode& Process_Error_Mode() {
  static Remembered_Error_Mode mode;  // Linux never prompts for a drive
  return mode;
}

std::vector<Early_Job> Early_Platform_Jobs(const std::string& executable_folder) {
  return {linux_impl::Drives_Ini_Read(executable_folder + "drives.ini")};
}

void Start_Spare_Helpers() { linux_impl::Start_Spare_Volume_Asker(); }

std::unique_ptr<Bounded_Job> Start_Spare_Helpers_After(const std::function<std::string()>& job,
                                                       const std::string& place) {
  return linux_impl::Start_Spare_Volume_Asker(job, place);
}

std::vector<Early_Job> Early_Run_Value_Jobs(const std::string& value_name) {
  const linux_impl::Linux_Registry registry(linux_impl::Autostart_Folder_From_Environment());
  return {registry.Key_Look(), registry.Value_Look(value_name)};
}

Platform_Services Make_Platform_Services(const std::string& executable_folder) {
  Platform_Services s;
  auto table = std::make_unique<linux_impl::Linux_Drive_Table>(executable_folder + "drives.ini");
  s.disk = std::make_unique<linux_impl::Linux_Disk_Space>(*table);
  s.drives = std::move(table);
  s.registry =
      std::make_unique<linux_impl::Linux_Registry>(linux_impl::Autostart_Folder_From_Environment());
  s.launcher = std::make_unique<Linux_Launcher>();
  return s;
}

}  // namespace keldra::platform
