#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <poll.h>

#include <cerrno>
#include <cstdlib>

#include "platform/bounded_call.h"

#include "platform/linux/linux_launcher.h"

namespace keldra::platform {

std::string Linux_Launcher::Document_Viewer() {
  // A folder on PATH (or the current one) may be on a volume that has stopped
  // answering: the search runs in a helper, within one wait.
  return Run_Bounded([] { return Find_Program("xdg-open"); }, Volume_Wait).value_or("");
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

std::string Linux_Launcher::Find_Program(const std::string& name) {
  if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : "";
  const char* path = std::getenv("PATH");
  std::string dirs = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t pos = 0;
  while (pos <= dirs.size()) {
    std::size_t end = dirs.find(':', pos);
    if (end == std::string::npos) end = dirs.size();
    // An empty entry means the current folder.
    const std::string candidate =
        (end == pos ? std::string(".") : dirs.substr(pos, end - pos)) + "/" + name;
    struct stat st;
    if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    pos = end + 1;
  }
  return "";
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
