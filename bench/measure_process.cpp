// Runs a command many times and reports the median wall time and the largest peak
// resident size, from the kernel's own accounting of each child.
//   measure_process <runs> <program> [args...]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const int runs = std::atoi(argv[1]);
  std::vector<double> times;
  long peak_kb = 0;
  for (int r = 0; r < runs; ++r) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      execv(argv[2], argv + 2);
      _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    peak_kb = std::max(peak_kb, usage.ru_maxrss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "%s failed\n", argv[2]);
      return 1;
    }
  }
  std::sort(times.begin(), times.end());
  std::printf("%.3f %ld\n", times[times.size() / 2], peak_kb);
  return 0;
}
