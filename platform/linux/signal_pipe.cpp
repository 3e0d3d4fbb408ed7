#include "platform/linux/signal_pipe.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace keldra::platform::linux_impl {
namespace {

int write_end = -1;

void On_Signal(int) {
  const int saved = errno;
  const char byte = 1;
  (void)!write(write_end, &byte, 1);
  errno = saved;
}

}  // namespace

int Pipe_For_Signals(std::initializer_list<int> signals) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
  write_end = fds[1];
  struct sigaction action {};
  action.sa_handler = On_Signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : signals) sigaction(signal, &action, nullptr);
  return fds[0];
}

}  // namespace keldra::platform::linux_impl
