#include "platform/linux/linux_registry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_system.h"
#include "platform/linux/desktop_entry.h"
#include "settings/profile_values.h"

namespace keldra::platform::linux_impl {

std::string Autostart_Folder_From_Environment() {
  const char* dirs = std::getenv("XDG_CONFIG_DIRS");
  std::string first = dirs && *dirs ? std::string(dirs) : std::string();
  first = first.substr(0, first.find(':'));
  if (first.empty()) first = "/etc/xdg";
  while (first.size() > 1 && first.back() == '/') first.pop_back();
  return first + "/autostart";
}

Linux_Registry::Linux_Registry(std::string autostart_folder)
    : folder_(std::move(autostart_folder)) {}

bool Linux_Registry::Is_Run_Key(Registry_Root root, const std::string& path) const {
  // Key names match without regard to case, as the registry's do.
  return root == Registry_Root::Local_Machine &&
         settings::Upper_Case_Ascii(path) == "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN";
}

std::string Linux_Registry::Entry_Path(const std::string& name) const {
  return folder_ + "/" + name + ".desktop";
}

bool Linux_Registry::Key_Exists(Registry_Root root, const std::string& path, unsigned) {
  // Every open Keldra makes asks for full access, so a folder the caller may only
  // read looks as if it were missing.
  return Is_Run_Key(root, path) && Is_Writable_Directory(folder_);
}

bool Linux_Registry::Write_String(Registry_Root root, const std::string& path,
                                  const std::string& name, const std::string& data) {
  if (!Key_Exists(root, path, Key_All_Access) || name.empty() ||
      name.find('/') != std::string::npos) {
    return false;
  }
  Atomic_Write_Options options;
  options.follow_links = false;
  options.mode = 0644;
  return Write_Text_File_Atomically(Entry_Path(name), Desktop_Entry_Text(data), options);
}

std::optional<Registry_Value> Linux_Registry::Read_Value(Registry_Root root,
                                                         const std::string& path,
                                                         const std::string& name) {
  if (!Is_Run_Key(root, path)) return std::nullopt;
  const std::string entry = Entry_Path(name);
  struct stat st;
  if (lstat(entry.c_str(), &st) != 0) return std::nullopt;
  const File_Text file = Read_Text_File(entry);
  const std::optional<std::string> exec =
      file.status == Read_Status::Ok ? Desktop_Entry_Exec(file.text) : std::nullopt;
  if (!exec) return Registry_Value{Registry_Type::Other, std::string()};
  std::string data = Exec_Command(*exec);
  data = data.substr(0, data.find('\0'));
  return Registry_Value{Registry_Type::String, data};
}

bool Linux_Registry::Delete_Value(Registry_Root root, const std::string& path,
                                  const std::string& name) {
  if (!Is_Run_Key(root, path)) return false;
  return unlink(Entry_Path(name).c_str()) == 0 || errno == ENOENT;
}

bool Linux_Registry::Value_Exists(Registry_Root root, const std::string& path,
                                  const std::string& name) {
  struct stat st;
  return Is_Run_Key(root, path) && lstat(Entry_Path(name).c_str(), &st) == 0;
}

}  // namespace keldra::platform::linux_impl
