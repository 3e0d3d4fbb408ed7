#pragma once
// A child process that holds nothing of the program: no standard streams (a script
// reading the program's output sees its end when the program exits, however long a
// child stays stuck in a volume), no other descriptor but the one it answers on,
// and dies with the program.
#include <sys/types.h>

namespace keldra::platform::linux_impl {

// Forks. In the child, answer_fd becomes descriptor 3 (and signal_fd, if given,
// descriptor 4) and the call returns 0; in the program it returns the child's pid,
// or -1. The child's code after it must end in _exit.
pid_t Fork_Clean_Child(int answer_fd, int signal_fd = -1);

// Kills a child; one stuck in a volume ends when the volume lets go of it, and is
// reaped then by a later call of Reap_Stopped_Children.
void Stop_Child(pid_t pid);
// A child that has answered and is ending by itself: reaped by a later call of
// Reap_Stopped_Children, without counting as stopped.
void Let_Child_End(pid_t pid);
void Reap_Stopped_Children();
// Children stopped and not yet ended.
int Stopped_Children();
// True while a stopped child has not ended.
bool Still_Stuck(pid_t pid);

}  // namespace keldra::platform::linux_impl
