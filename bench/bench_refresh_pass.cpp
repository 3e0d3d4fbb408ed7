// The refresh pass against the system calls it cannot avoid. With N monitored
// drives the pass asks 4 N questions; the platform answers them from one look a
// drive, taken by a helper process (open, fstatfs, the mount's id), so the figure
// that counts is the time the window's thread waits: real time. The floors: the
// 4 N statvfs calls a pass would make asking each question of the system, and the
// N looks it makes now, made in place. The drives are real directories: tmpfs
// volumes where mounting is allowed, folders of the root volume elsewhere.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "monitor/disk_queries.h"
#include "monitor/refresh_pass.h"
#include "platform/error_mode.h"
#include "platform/linux/linux_disk_space.h"
#include "platform/linux/linux_drive_table.h"
#include "report/report_rows.h"

namespace {

using namespace keldra;

struct Volumes {
  Volumes() {
    char pattern[] = "/tmp/keldra-bench-XXXXXX";
    folder = mkdtemp(pattern);
    std::ofstream ini(folder + "/drives.ini");
    ini << "[drives]\n";
    for (int i = 0; i < 26; ++i) {
      const std::string dir = folder + "/" + static_cast<char>('A' + i);
      mkdir(dir.c_str(), 0755);
      if (mount("keldra-bench", dir.c_str(), "tmpfs", 0, "size=1m") == 0) ++mounted;
      dirs.push_back(dir);
      ini << static_cast<char>('A' + i) << "=" << dir << "\n";
    }
  }
  ~Volumes() {
    for (const std::string& d : dirs) {
      umount2(d.c_str(), MNT_DETACH);
      rmdir(d.c_str());
    }
    unlink((folder + "/drives.ini").c_str());
    rmdir(folder.c_str());
  }
  std::string folder;
  std::vector<std::string> dirs;
  int mounted = 0;
};

Volumes& The_Volumes() {
  static Volumes v;
  return v;
}

std::string Letters(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('A' + i);
  return s;
}

void BM_Refresh_Pass(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Volumes& v = The_Volumes();
  platform::linux_impl::Linux_Drive_Table table(v.folder + "/drives.ini");
  platform::linux_impl::Linux_Disk_Space disk(table);
  platform::Remembered_Error_Mode mode;
  monitor::Disk_Queries queries(disk, mode, ".");
  report::Report_Rows rows(Letters(n), false);
  for (auto _ : state) {
    monitor::Refresh_All_Drives(rows, rows, queries);
    benchmark::ClobberMemory();
  }
  if (disk.Waits_Timed_Out() != 0) state.SkipWithError("a pass missed its wait");
  state.counters["statvfs_per_pass"] = 4.0 * n;
  state.counters["tmpfs_volumes"] = v.mounted;
}

void BM_Bare_Statvfs(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Volumes& v = The_Volumes();
  struct statvfs st;
  for (auto _ : state) {
    for (int i = 0; i < n; ++i) {
      for (int k = 0; k < 4; ++k) {
        benchmark::DoNotOptimize(statvfs(v.dirs[static_cast<std::size_t>(i)].c_str(), &st));
      }
    }
  }
  state.counters["statvfs_per_pass"] = 4.0 * n;
}

// What a pass asks of the system since it asks each drive once: the helper's look,
// made in place.
void BM_Bare_Looks(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Volumes& v = The_Volumes();
  struct statfs st;
  struct statx mount;
  for (auto _ : state) {
    for (int i = 0; i < n; ++i) {
      const int fd = open(v.dirs[static_cast<std::size_t>(i)].c_str(), O_PATH | O_CLOEXEC);
      benchmark::DoNotOptimize(fstatfs(fd, &st));
      benchmark::DoNotOptimize(
          statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_MNT_ID, &mount));
      close(fd);
    }
  }
}

BENCHMARK(BM_Refresh_Pass)->Arg(1)->Arg(4)->Arg(13)->Arg(26)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Bare_Statvfs)->Arg(1)->Arg(4)->Arg(13)->Arg(26)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Bare_Looks)->Arg(26)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
