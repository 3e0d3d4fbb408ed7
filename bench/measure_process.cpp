// Runs one or more commands many times and reports, for each, the median wall time
// and the largest peak resident size, from the kernel's own accounting of each child.
//   measure_process <runs> <program> [args...] [::: <program> [args...]]...
// Several commands are run in turn, one run of each per round, so that a busy moment
// on the machine weighs on each of them alike; one line per command, in order.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Command {
  std::vector<char*> argv;  // ends with nullptr
  std::vector<double> times;
  long peak_kb = 0;
};

// One run: its wall time in ms, or a negative figure when it failed.
double Run_Once(Command& c) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execv(c.argv[0], c.argv.data());
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  wait4(pid, &status, 0, &usage);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  c.peak_kb = std::max(c.peak_kb, usage.ru_maxrss);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const int runs = std::atoi(argv[1]);
  std::vector<Command> commands(1);
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], ":::") == 0) {
      commands.emplace_back();
    } else {
      commands.back().argv.push_back(argv[i]);
    }
  }
  for (Command& c : commands) {
    if (c.argv.empty()) return 2;
    c.argv.push_back(nullptr);
  }
  for (int r = 0; r < runs; ++r) {
    for (Command& c : commands) {
      const double ms = Run_Once(c);
      if (ms < 0) {
        std::fprintf(stderr, "%s failed\n", c.argv[0]);
        return 1;
      }
      c.times.push_back(ms);
    }
  }
  for (Command& c : commands) {
    std::sort(c.times.begin(), c.times.end());
    std::printf("%.3f %ld\n", c.times[c.times.size() / 2], c.peak_kb);
  }
  return 0;
}
