#pragma once
// Signals turned into bytes on a pipe, for a program that waits in poll: the handler
// does only what is safe in one (a write), and the waiter reads the pipe.
#include <initializer_list>

namespace keldra::platform::linux_impl {

// Catches the signals from now on; the read end of a pipe that gets a byte at each
// arrival, or -1 where no pipe can be had. One pipe a process: a later call replaces
// the earlier one's writer.
int Pipe_For_Signals(std::initializer_list<int> signals);

}  // namespace keldra::platform::linux_impl
