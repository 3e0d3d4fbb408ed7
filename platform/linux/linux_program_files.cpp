#include "platform/program_files.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/module_path.h"

namespace keldra::platform {
namespace {

#ifdef KELDRA_PACKAGE_LAYOUT
std::string Home_Folder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  // A session without HOME (a service, su without -l): the account's own.
  const passwd* account = getpwuid(getuid());
  return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "";
}

std::string Configuration_Folder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const std::string base =
      config != nullptr && config[0] == '/' ? std::string(config) : Home_Folder() + "/.config";
  return base + "/keldra/";
}
#endif

}  // namespace

std::string Settings_Folder(const std::string& executable_path) {
#ifdef KELDRA_PACKAGE_LAYOUT
  (void)executable_path;
  return Configuration_Folder();
#else
  return Directory_With_Separator(executable_path);
#endif
}

std::string Documents_Folder(const std::string& executable_path) {
#ifdef KELDRA_PACKAGE_LAYOUT
  (void)executable_path;
  return KELDRA_DOCUMENTS_FOLDER "/";
#else
  return Directory_With_Separator(executable_path);
#endif
}

void Make_Settings_Folder(const std::string& settings_file_path) {
#ifdef KELDRA_PACKAGE_LAYOUT
  const std::string folder = Directory_With_Separator(settings_file_path);
  if (folder != Configuration_Folder()) return;
  // Each missing folder from the top down; one that exists already keeps its mode.
  for (std::size_t at = folder.find('/', 1); at != std::string::npos;
       at = folder.find('/', at + 1)) {
    const std::string part = folder.substr(0, at);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return;
  }
#else
  (void)settings_file_path;
#endif
}

}  // namespace keldra::platform
