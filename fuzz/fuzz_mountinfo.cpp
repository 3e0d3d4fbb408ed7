// The mount table parser and the letter rules over arbitrary text.
#include <cstdint>
#include <string>

#include "platform/linux/drive_letters.h"
#include "platform/linux/mountinfo.h"
#include "platform/linux/volume_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keldra::platform::linux_impl;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::size_t split = text.find("\n\n");
  const auto mounts = Parse_Mountinfo(text.substr(0, split));
  const std::string ini = split == std::string::npos ? "" : text.substr(split + 2);
  const auto [pins, lines] = Read_Drive_Lines(ini);
  for (const Mount_Entry& m : mounts) {
    (void)Is_Drive_Volume(m);
    (void)Volume_Type(m, [](unsigned, unsigned) { return false; });
    (void)Volume_May_Stall(&m);
    (void)Mount_Holding(mounts, m.mount_point);
  }
  const Letter_Assignment a = Assign_Drive_Letters(pins, mounts, lines);
  for (const auto& [letter, dir] : a.added) {
    // New letters never take a pinned one or one with a line of its own, and A and
    // B are never given out.
    if (letter < 'C' || letter > 'Z' || !pins[static_cast<std::size_t>(letter - 'A')].empty() ||
        lines[static_cast<std::size_t>(letter - 'A')]) {
      __builtin_trap();
    }
    if (a.letters[static_cast<std::size_t>(letter - 'A')] != dir) __builtin_trap();
  }
  return 0;
}
