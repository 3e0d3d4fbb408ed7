// Load_Settings over an arbitrary keldra.ini, then a save and a second load that
// must give back exactly what was loaded.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/file_system.h"
#include "settings/load_save.h"
#include "settings/memory_settings_holder.h"

namespace {

using Holder = keldra::settings::Memory_Settings_Holder;

std::string Path() {
  static const std::string path = "/tmp/keldra-fuzz-" + std::to_string(getpid()) + ".ini";
  return path;
}

bool Blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (!keldra::platform::Write_Text_File_Atomically(Path(), text)) return 0;
  Holder first;
  keldra::settings::Load_Settings(first, Path());
  for (char c : first.letters) {
    if (c >= 'a' && c <= 'z') __builtin_trap();  // loading upper-cases a to z
  }
  try {
    keldra::settings::Save_Settings(first, Path());
  } catch (...) {
    return 0;  // a value an INI line cannot hold
  }
  Holder second;
  keldra::settings::Load_Settings(second, Path());
  // Letters with blanks at the ends or in quotes do not survive an INI line; the
  // rest must.
  const std::string& l = first.letters;
  const bool plain =
      l.empty() ||
      (!Blank(l.front()) && !Blank(l.back()) &&
       !(l.size() >= 2 && (l.front() == '"' || l.front() == '\'') && l.back() == l.front()));
  if (plain && !(first == second)) __builtin_trap();
  return 0;
}
