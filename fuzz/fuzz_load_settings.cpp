// Load_Settings over an arbitrary keldra.ini, then a save and a second load that
// must give back exactly what was loaded.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/file_system.h"
#include "settings/load_save.h"
#include "settings/settings_holder.h"

namespace {

struct Holder final : keldra::settings::Settings_Holder {
  int top = 0, left = 0, width = 0;
  std::uint32_t interval = 0;
  std::string letters;
  bool total = false, on_top = false, auto_run = false;
  int Window_Top() const override { return top; }
  void Set_Window_Top(int v) override { top = v; }
  int Window_Left() const override { return left; }
  void Set_Window_Left(int v) override { left = v; }
  int Client_Width() const override { return width; }
  void Set_Client_Width(int v) override { width = v; }
  std::uint32_t Timer_Interval() const override { return interval; }
  void Set_Timer_Interval(std::uint32_t v) override { interval = v; }
  std::string Monitored_Drive_Letters() const override { return letters; }
  void Set_Monitored_Drive_Letters(const std::string& v) override { letters = v; }
  bool Show_Total() const override { return total; }
  void Set_Show_Total(bool v) override { total = v; }
  bool Always_On_Top_Mark() const override { return on_top; }
  void Set_Always_On_Top_Mark(bool v) override { on_top = v; }
  bool Auto_Run_Mark() const override { return auto_run; }
  void Set_Auto_Run_Mark(bool v) override { auto_run = v; }
  bool operator==(const Holder& o) const {
    return top == o.top && left == o.left && width == o.width && interval == o.interval &&
           letters == o.letters && total == o.total && on_top == o.on_top &&
           auto_run == o.auto_run;
  }
};

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
  const bool plain = l.empty() || (!Blank(l.front()) && !Blank(l.back()) &&
                                   !(l.size() >= 2 && (l.front() == '"' || l.front() == '\'') &&
                                     l.back() == l.front()));
  if (plain && !(first == second)) __builtin_trap();
  return 0;
}
