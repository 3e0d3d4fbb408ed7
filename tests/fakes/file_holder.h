#pragma once
// A second process that holds a file open (optionally locked) until it is let go.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <string>

namespace keldra::test {

class File_Holder {
 public:
  enum class Hold { Open, Posix_Lock };
  explicit File_Holder(const std::string& path, Hold hold = Hold::Open) {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      int fd = open(path.c_str(), O_RDONLY);
      if (fd >= 0 && hold == Hold::Posix_Lock) {
        struct flock l {};
        l.l_type = F_RDLCK;
        l.l_whence = SEEK_SET;
        fcntl(fd, F_SETLK, &l);
      }
      const char ok = fd >= 0 ? '1' : '0';
      (void)!write(ready[1], &ok, 1);
      pause();
      _exit(0);
    }
    close(ready[1]);
    char ok = '0';
    (void)!read(ready[0], &ok, 1);
    close(ready[0]);
    holding_ = ok == '1';
  }
  ~File_Holder() { Release(); }
  void Release() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
  }
  bool Holding() const { return holding_; }

 private:
  pid_t pid_ = -1;
  bool holding_ = false;
};

}  // namespace keldra::test
