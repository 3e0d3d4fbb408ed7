// startup_state: prints the show state its launcher asked for, as Keldra reads it.
#include <cstdio>

#include "platform/startup_info.h"

int main() {
  const keldra::platform::Startup_Info info = keldra::platform::Get_Startup_Info();
  std::printf("%d %d\n", info.uses_show_window ? 1 : 0, info.show_command);
  return 0;
}
