#pragma once
// A child process that holds nothing of the program: no standard streams (a script
// reading the program's output sees its end when the program exits, however long a
// child stays stuck in a volume), no other descriptor but the one it answers on,
// and dies with the program.
#include <sys/types.h>

#include <initializer_list>

namespace keldra::platform::linux_impl {

inline constexpr int Max_Kept_Descriptors = 4;

// Forks. In the child, the kept descriptors become 3, 4, ... in their order (at
// most Max_Kept_Descriptors) and the call returns 0; in the program it returns the
// child's pid, or -1. The child's code after it must end in _exit.
pid_t Fork_Clean_Child(std::initializer_list<int> kept);

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
