// Saves the settings over and over, alternating between two sets of values, until
// it is killed: the other half of the kill-while-saving test.
//   save_loop <keldra.ini> <first letters> <second letters>
#include <cstdio>
#include <string>

#include "settings/load_save.h"
#include "settings/settings_holder.h"

namespace {

struct Holder final : keldra::settings::Settings_Holder {
  std::string letters;
  int Window_Top() const override { return 50; }
  void Set_Window_Top(int) override {}
  int Window_Left() const override { return 50; }
  void Set_Window_Left(int) override {}
  int Client_Width() const override { return 189; }
  void Set_Client_Width(int) override {}
  std::uint32_t Timer_Interval() const override { return 30000; }
  void Set_Timer_Interval(std::uint32_t) override {}
  std::string Monitored_Drive_Letters() const override { return letters; }
  void Set_Monitored_Drive_Letters(const std::string& v) override { letters = v; }
  bool Show_Total() const override { return false; }
  void Set_Show_Total(bool) override {}
  bool Always_On_Top_Mark() const override { return false; }
  void Set_Always_On_Top_Mark(bool) override {}
  bool Auto_Run_Mark() const override { return false; }
  void Set_Auto_Run_Mark(bool) override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  Holder h;
  for (unsigned long i = 0;; ++i) {
    h.letters = (i % 2 == 0) ? argv[2] : argv[3];
    try {
      keldra::settings::Save_Settings(h, argv[1]);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
      return 1;
    }
  }
}
