// Starts a program many times and reports the median time from the fork to its
// first window mapped on the X server (DISPLAY), as a user would see it appear;
// each run is ended once the window is mapped. The map is seen as the X server
// tells every client watching the root window, so the program is not changed.
//   time_to_map <runs> <program> [args...]
//   time_to_map --steps <runs> <program> [args...]
//     also reads the steps a build with KELDRA_START_STEPS stamps on stderr, waits
//     for its "first_paint", and prints each step's median time from the fork.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC, as the steps are stamped

double Ms(Clock::time_point from, long long to_ns) {
  const long long from_ns =
      std::chrono::duration_cast<std::chrono::nanoseconds>(from.time_since_epoch()).count();
  return static_cast<double>(to_ns - from_ns) / 1e6;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Throws away what the server has sent so far: the last run's unmaps and the like.
void Drain(xcb_connection_t* x) {
  free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
  while (xcb_generic_event_t* e = xcb_poll_for_event(x)) free(e);
}

bool Top_Level_Mapped(xcb_connection_t* x) {
  bool mapped = false;
  while (xcb_generic_event_t* e = xcb_poll_for_event(x)) {
    mapped = mapped || ((e->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                        !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect);
    free(e);
  }
  return mapped;
}

struct Run {
  long long mapped_ns = 0;
  std::map<std::string, long long> steps;
  bool ended = false;
};

// Waits for a top-level window (not a menu or tooltip) to be mapped and, with steps,
// for the first paint's step too (at most a few seconds more).
Run Watch(xcb_connection_t* x, pid_t pid, int steps_fd) {
  Run run;
  std::string pending;
  const auto now_ns = [] {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
  };
  long long give_up_ns = 0;
  for (;;) {
    if (!run.mapped_ns && Top_Level_Mapped(x)) {
      run.mapped_ns = now_ns();
      give_up_ns = run.mapped_ns + 3'000'000'000LL;
    }
    const bool painted = steps_fd < 0 || run.steps.count("first_paint");
    if (run.mapped_ns && (painted || now_ns() > give_up_ns)) return run;
    if (xcb_connection_has_error(x) || waitpid(pid, nullptr, WNOHANG) == pid) {
      run.ended = true;
      return run;
    }
    pollfd fds[2] = {{xcb_get_file_descriptor(x), POLLIN, 0}, {steps_fd, POLLIN, 0}};
    poll(fds, steps_fd < 0 ? 1 : 2, 20);
    if (steps_fd >= 0 && (fds[1].revents & POLLIN)) {
      char buf[4096];
      const ssize_t n = read(steps_fd, buf, sizeof buf);
      if (n > 0) pending.append(buf, static_cast<std::size_t>(n));
      std::size_t eol;
      while ((eol = pending.find('\n')) != std::string::npos) {
        std::istringstream line(pending.substr(0, eol));
        pending.erase(0, eol + 1);
        std::string tag, name;
        long long ns = 0;
        if (line >> tag >> name >> ns && tag == "keldra-step" && !run.steps.count(name)) {
          run.steps[name] = ns;
        }
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool with_steps = argc > 1 && std::strcmp(argv[1], "--steps") == 0;
  if (with_steps) {
    --argc;
    ++argv;
  }
  if (argc < 3) return 2;
  const int runs = std::atoi(argv[1]);
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
  std::vector<double> times;
  std::map<std::string, std::vector<double>> step_times;
  for (int r = 0; r < runs; ++r) {
    Drain(x);
    int steps[2] = {-1, -1};
    if (with_steps && pipe2(steps, O_CLOEXEC) != 0) return 1;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(with_steps ? steps[1] : null, 2);
      execv(argv[2], argv + 2);
      _exit(127);
    }
    if (with_steps) close(steps[1]);
    const Run run = Watch(x, pid, steps[0]);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (with_steps) close(steps[0]);
    if (run.ended) {
      std::fprintf(stderr, "%s ended without mapping a window\n", argv[2]);
      return 1;
    }
    times.push_back(Ms(start, run.mapped_ns));
    for (const auto& [name, ns] : run.steps) step_times[name].push_back(Ms(start, ns));
  }
  if (with_steps) {
    std::vector<std::pair<double, std::string>> rows;
    for (const auto& [name, t] : step_times) rows.emplace_back(Median(t), name);
    rows.emplace_back(Median(times), "mapped");
    std::sort(rows.begin(), rows.end());
    for (const auto& [ms, name] : rows) std::printf("%-22s %8.2f\n", name.c_str(), ms);
    return 0;
  }
  std::printf("%.3f\n", Median(times));
  return 0;
}
