#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>

#include "platform/bounded_call.h"
#include "platform/module_path.h"

#include "platform/linux/linux_launcher.h"

namespace keldra::platform {

namespace {

// The program in that folder, when it is an executable file there.
std::string Program_In(const std::string& folder, const std::string& name) {
  const std::string candidate = folder + "/" + name;
  struct stat st;
  if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
      access(candidate.c_str(), X_OK) == 0) {
    return candidate;
  }
  return "";
}

}  // namespace

std::string Find_On_Path(const std::string& name, const std::string& path_variable,
                         std::chrono::milliseconds wait) {
  std::vector<std::string> folders;
  if (name.find('/') != std::string::npos) {
    folders.push_back(Directory_With_Separator(name));
  } else {
    const std::string dirs = path_variable.empty() ? "/usr/local/bin:/usr/bin:/bin" : path_variable;
    for (std::size_t pos = 0; pos <= dirs.size();) {
      std::size_t end = dirs.find(':', pos);
      if (end == std::string::npos) end = dirs.size();
      // An empty entry means the current folder.
      folders.push_back(end == pos ? std::string(".") : dirs.substr(pos, end - pos));
      pos = end + 1;
    }
  }
  const std::string file = name.find('/') != std::string::npos ? File_Name_Of(name) : name;
  std::vector<std::unique_ptr<Bounded_Job>> looks;
  for (const std::string& folder : folders) {
    // Each folder its own place: one that has stopped answering is passed over at
    // once by later searches, while it stays stuck.
    looks.push_back(
        std::make_unique<Bounded_Job>([folder, file] { return Program_In(folder, file); },
                                      Directory_With_Separator(folder + "/")));
  }
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (const auto& look : looks) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    const std::optional<std::string> found =
        look->Answer(std::max(left, std::chrono::milliseconds{0}));
    if (found && !found->empty()) return *found;
  }
  return "";
}

std::string Linux_Launcher::Document_Viewer() {
  const char* path = std::getenv("PATH");
  return Find_On_Path("xdg-open", path ? path : "", Volume_Wait);
}

std::string Address_For_Url_Handler(const std::string& address) {
  if (address.size() > 4 &&
      (address.compare(0, 4, "www.") == 0 || address.compare(0, 4, "WWW.") == 0)) {
    return "https://" + address;
  }
  return address;
}

bool Linux_Launcher::Open_Address(const std::string& address) {
  const std::string opener = Document_Viewer();
  return !opener.empty() && Start_Detached(opener, {Address_For_Url_Handler(address)});
}

bool Linux_Launcher::Start_Detached(const std::string& program,
                                    const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) return false;
  // Two forks, so that the program is nobody's child here and leaves no zombie.
  const pid_t child = fork();
  if (child < 0) {
    close(ready[0]);
    close(ready[1]);
    return false;
  }
  if (child == 0) {
    close(ready[0]);
    setsid();
    const pid_t grandchild = fork();
    if (grandchild != 0) _exit(grandchild < 0 ? 1 : 0);
    execv(program.c_str(), argv.data());
    const char failed = 1;
    (void)!write(ready[1], &failed, 1);  // exec failed: tell the parent
    _exit(127);
  }
  close(ready[1]);
  int status = 0;
  waitpid(child, &status, 0);
  // The pipe closes on a good exec. Loading a program from a volume that has stopped
  // answering may take for ever: after one wait it is taken as started.
  pollfd p{ready[0], POLLIN, 0};
  int polled = 0;
  while ((polled = poll(&p, 1, static_cast<int>(Volume_Wait.count()))) < 0 && errno == EINTR) {}
  char failed = 0;
  const bool exec_failed = polled > 0 && read(ready[0], &failed, 1) == 1;
  close(ready[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && !exec_failed;
}

}  // namespace keldra::platform
