#include "tests/system/report_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>

#include "tests/fakes/temp_folder.h"

namespace keldra::test {
std::string Install_Report(const std::string& folder, const std::string& name) {
  const std::string target = folder + "/" + name;
  std::filesystem::copy_file(KELDRA_REPORT_PATH, target,
                             std::filesystem::copy_options::overwrite_existing);
  return target;
}

Run_Result Run_Program(const std::vector<std::string>& argv) {
  Temp_Folder io;
  const std::string out_path = io / "out", err_path = io / "err";
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  wait4(pid, &status, 0, &usage);
  Run_Result r;
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.max_rss_kb = usage.ru_maxrss;
  r.out = Read_File(out_path);
  r.err = Read_File(err_path);
  return r;
}

Piped_Result Run_Piped(const std::vector<std::string>& argv, double deadline_seconds,
                       const std::vector<std::string>& environment) {
  int out[2], err[2];
  if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (const std::string& e : environment) putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  Piped_Result r;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* texts[2] = {&r.result.out, &r.result.err};
  const auto deadline = start + std::chrono::duration<double>(deadline_seconds);
  int open_pipes = 2;
  while (open_pipes > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    if (poll(fds, 2, static_cast<int>(left.count())) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buf[4096];
      const ssize_t n = read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        texts[i]->append(buf, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_pipes;
      }
    }
  }
  r.ended = open_pipes == 0;
  if (r.ended) {
    r.seconds_to_end =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  for (pollfd& f : fds) {
    if (f.fd >= 0) close(f.fd);
  }
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      // One stuck in a volume that never answers cannot even be killed: the
      // volume's own cleanup releases it later.
      kill(pid, SIGKILL);
      for (int i = 0; i < 100 && waitpid(pid, &status, WNOHANG) == 0; ++i) usleep(50000);
      break;
    }
    usleep(10000);
  }
  r.result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

void Unmount(const std::string& dir) { umount2(dir.c_str(), MNT_DETACH); }

std::vector<std::string> Split_Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t eol = text.find('\n', pos);
    if (eol == std::string::npos) eol = text.size();
    lines.push_back(text.substr(pos, eol - pos));
    pos = eol + 1;
  }
  return lines;
}

std::vector<std::string> Split_Tabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  for (;;) {
    std::size_t tab = line.find('\t', pos);
    fields.push_back(line.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
    if (tab == std::string::npos) break;
    pos = tab + 1;
  }
  return fields;
}

}  // namespace keldra::test
