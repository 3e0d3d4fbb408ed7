#include "platform/linux/linux_registry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "ini/profile_values.h"
#include "platform/bounded_call.h"
#include "platform/early_jobs.h"
#include "platform/file_system.h"
#include "platform/linux/desktop_entry.h"

namespace keldra::platform::linux_impl {
namespace {

// The autostart folder may be on a volume that has stopped answering (an NFS
// /etc/xdg, a home on a dead share): every look at it is made by a helper, with one
// wait. While the folder stays stuck, later looks answer at once, as failures.
bool Bounded_Yes(const std::string& folder, const std::function<bool()>& job) {
  const std::optional<std::string> answer =
      Run_Bounded([&job] { return std::string(job() ? "1" : "0"); }, Volume_Wait, folder);
  return answer && *answer == "1";
}

}  // namespace

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
         ini::Upper_Case_Ascii(path) == "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN";
}

std::string Linux_Registry::Entry_Path(const std::string& name) const {
  return folder_ + "/" + name + ".desktop";
}

Early_Job Linux_Registry::Key_Look() const {
  // Every open Keldra makes asks for full access, so a folder the caller may only
  // read looks as if it were missing.
  const std::string folder = folder_;
  return {"run key " + folder,
          [folder] { return std::string(Is_Writable_Directory(folder) ? "1" : "0"); }, folder};
}

bool Linux_Registry::Key_Exists(Registry_Root root, const std::string& path, unsigned) {
  if (!Is_Run_Key(root, path)) return false;
  const Early_Job look = Key_Look();
  return Run_Bounded_Early(look.key, look.job, Volume_Wait, look.place) == "1";
}

Early_Job Linux_Registry::Value_Look(const std::string& name) const {
  // The helper answers "" for no value, "O" for one that is not a command, and "S"
  // followed by the command's program otherwise; no answer reads as no value.
  const std::string entry = Entry_Path(name);
  return {"run value " + entry,
          [entry] {
            struct stat st;
            if (lstat(entry.c_str(), &st) != 0) return std::string();
            const File_Text file = Read_Text_File(entry);
            const std::optional<std::string> exec =
                file.status == Read_Status::Ok ? Desktop_Entry_Exec(file.text) : std::nullopt;
            if (!exec) return std::string("O");
            const std::string data = Exec_Command(*exec);
            return "S" + data.substr(0, data.find('\0'));
          },
          folder_};
}

bool Linux_Registry::Write_String(Registry_Root root, const std::string& path,
                                  const std::string& name, const std::string& data) {
  if (!Is_Run_Key(root, path) || name.empty() || name.find('/') != std::string::npos) {
    return false;
  }
  // An entry the desktop would refuse to start is not written: the switch fails.
  if (!linux_impl::Is_Utf8(data)) return false;
  Drop_Early_Answers(folder_);
  return Bounded_Yes(folder_, [&] {
    if (!Is_Writable_Directory(folder_)) return false;
    Atomic_Write_Options options;
    options.follow_links = false;
    options.mode = 0644;
    return Write_Text_File_Atomically(Entry_Path(name), Desktop_Entry_Text(data), options);
  });
}

std::optional<Registry_Value> Linux_Registry::Read_Value(Registry_Root root,
                                                         const std::string& path,
                                                         const std::string& name) {
  if (!Is_Run_Key(root, path)) return std::nullopt;
  const Early_Job look = Value_Look(name);
  const std::optional<std::string> answer =
      Run_Bounded_Early(look.key, look.job, Volume_Wait, look.place);
  if (!answer || answer->empty()) return std::nullopt;
  if ((*answer)[0] == 'O') return Registry_Value{Registry_Type::Other, std::string()};
  return Registry_Value{Registry_Type::String, answer->substr(1)};
}

bool Linux_Registry::Delete_Value(Registry_Root root, const std::string& path,
                                  const std::string& name) {
  if (!Is_Run_Key(root, path)) return false;
  const std::string entry = Entry_Path(name);
  Drop_Early_Answers(folder_);
  return Bounded_Yes(folder_, [&entry] { return unlink(entry.c_str()) == 0 || errno == ENOENT; });
}

bool Linux_Registry::Value_Exists(Registry_Root root, const std::string& path,
                                  const std::string& name) {
  if (!Is_Run_Key(root, path)) return false;
  const std::string entry = Entry_Path(name);
  // A folder that does not answer cannot be shown to have lost the value: it is
  // taken to be still there, so that a removal is not reported as done.
  const std::optional<std::string> answer = Run_Bounded(
      [&entry] {
        struct stat st;
        return std::string(lstat(entry.c_str(), &st) == 0 ? "1" : "0");
      },
      Volume_Wait, folder_);
  return !answer || *answer == "1";
}

}  // namespace keldra::platform::linux_impl
