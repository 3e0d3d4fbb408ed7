// Saves the settings over and over, alternating between two sets of values, until
// it is killed: the other half of the kill-while-saving test.
//   save_loop <keldra.ini> <first letters> <second letters>
#include <cstdio>
#include <string>

#include "settings/load_save.h"
#include "settings/memory_settings_holder.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  keldra::settings::Memory_Settings_Holder h;
  h.top = h.left = 50;
  h.width = 189;
  h.interval = 30000;
  h.total = h.on_top = h.auto_run = false;
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
