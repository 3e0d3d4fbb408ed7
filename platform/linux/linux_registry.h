#pragma once
// The registry on Linux. The machine-wide Run key is the system-wide autostart
// folder; a value NAME is the desktop entry NAME.desktop there, whose Exec starts
// the value's data. No other key exists. The key "opens with full access" when
// the folder exists and the caller may write to it.
#include <string>

#include "platform/early_jobs.h"
#include "platform/registry.h"

namespace keldra::platform::linux_impl {

// The first entry of $XDG_CONFIG_DIRS (default /etc/xdg) followed by /autostart.
std::string Autostart_Folder_From_Environment();

class Linux_Registry final : public Registry {
 public:
  explicit Linux_Registry(std::string autostart_folder);

  bool Key_Exists(Registry_Root root, const std::string& path, unsigned access) override;
  bool Write_String(Registry_Root root, const std::string& path, const std::string& name,
                    const std::string& data) override;
  std::optional<Registry_Value> Read_Value(Registry_Root root, const std::string& path,
                                           const std::string& name) override;
  bool Delete_Value(Registry_Root root, const std::string& path, const std::string& name) override;
  bool Value_Exists(Registry_Root root, const std::string& path, const std::string& name) override;

  std::string Entry_Path(const std::string& name) const;
  // The helpers' jobs behind Key_Exists and Read_Value, as started early or not.
  Early_Job Key_Look() const;
  Early_Job Value_Look(const std::string& name) const;

 private:
  bool Is_Run_Key(Registry_Root root, const std::string& path) const;
  std::string folder_;
};

}  // namespace keldra::platform::linux_impl
