// Loading keldra.ini when a user has put something huge in its place: the real
// keys, then 100 MB of junk. The file is read once for all eight keys, and no
// further than the settings' read limit.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdint>

#include <cstdio>
#include <fstream>
#include <string>

#include "settings/load_save.h"
#include "settings/memory_settings_holder.h"
#include "tests/fakes/junk_text.h"

namespace {

std::string Junk_File() {
  char pattern[] = "/tmp/keldra-bench-ini-XXXXXX";
  const int fd = mkstemp(pattern);
  if (fd >= 0) close(fd);
  const std::string junk =
      "[keldra]\ntimer_interval=4000\n" + keldra::test::Junk_Text(100u << 20) + "\n";
  std::ofstream(pattern, std::ios::binary) << junk;
  return pattern;
}

void BM_Load_Settings_100MB_Junk(benchmark::State& state) {
  static const std::string path = Junk_File();
  for (auto _ : state) {
    keldra::settings::Memory_Settings_Holder h;
    keldra::settings::Load_Settings(h, path);
    if (h.interval != 4000u) state.SkipWithError("the key before the junk was not found");
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_Load_Settings_100MB_Junk)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
