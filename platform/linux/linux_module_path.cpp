#include <unistd.h>

#include <climits>

#include "platform/keldra_error.h"
#include "platform/module_path.h"

namespace keldra::platform {

std::string Module_File_Name() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) throw Keldra_Error("Cannot find the program's own file");
  return std::string(buf, static_cast<std::size_t>(n));
}

std::string Directory_With_Separator(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string File_Name_Of(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace keldra::platform
