#include "platform/linux/linux_disk_space.h"

#include <sys/statvfs.h>

namespace keldra::platform::linux_impl {

Disk_Space_Figures Linux_Disk_Space::Get_Disk_Free_Space_Ex(std::string_view root_path) {
  Disk_Space_Figures figures;
  if (root_path.size() < 2 || root_path[1] != ':') return figures;
  const std::string* dir = table_.Directory_Of(root_path[0]);
  if (dir == nullptr) return figures;
  struct statvfs st;
  if (table_.Query_May_Stall(root_path[0])) {
    const std::optional<struct statvfs> answer = bounded_.Query(*dir);
    if (!answer) return figures;
    st = *answer;
  } else if (statvfs(dir->c_str(), &st) != 0) {
    return figures;
  }
  const std::uint64_t unit = st.f_frsize;
  figures.total_bytes = static_cast<std::uint64_t>(st.f_blocks) * unit;
  figures.total_free_bytes = static_cast<std::uint64_t>(st.f_bfree) * unit;
  figures.free_bytes_to_caller = static_cast<std::uint64_t>(st.f_bavail) * unit;
  figures.answered = true;
  return figures;
}

}  // namespace keldra::platform::linux_impl
