#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/session_signals.h"

namespace keldra::platform {
namespace {

int write_end = -1;

// Only what is safe in a signal handler: one write to a pipe the program watches.
void On_Signal(int) {
  const int saved = errno;
  const char byte = 1;
  (void)!write(write_end, &byte, 1);
  errno = saved;
}

}  // namespace

int Watch_Session_End_Signals() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  write_end = fds[1];
  struct sigaction action {};
  action.sa_handler = On_Signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
  return fds[0];
}

}  // namespace keldra::platform
