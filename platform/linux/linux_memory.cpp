#include <charconv>
#include <string>

#include "platform/file_system.h"
#include "platform/linux/linux_memory.h"

namespace keldra::platform {

std::optional<Memory_Status> linux_impl::Parse_Meminfo(std::string_view text) {
  Memory_Status m;
  bool have_total = false;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t eol = text.find('\n', pos);
    if (eol == std::string_view::npos) eol = text.size();
    const std::string_view line = text.substr(pos, eol - pos);
    pos = eol + 1;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, colon);
    std::string_view rest = line.substr(colon + 1);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    std::uint64_t kb = 0;
    auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), kb);
    if (ec != std::errc()) continue;
    const std::uint64_t bytes = kb * 1024;  // the kernel counts in kilobytes
    if (key == "MemTotal") {
      m.total_phys = bytes;
      have_total = true;
    } else if (key == "MemAvailable") {
      m.avail_phys = bytes;
    } else if (key == "SwapTotal") {
      m.total_page_file = bytes;
    } else if (key == "SwapFree") {
      m.avail_page_file = bytes;
    }
  }
  if (!have_total) return std::nullopt;
  return m;
}

Memory_Status Global_Memory_Status() {
  const File_Text f = Read_Text_File("/proc/meminfo");
  if (f.status != Read_Status::Ok) return {};
  return linux_impl::Parse_Meminfo(f.text).value_or(Memory_Status{});
}

}  // namespace keldra::platform
