#include "platform/windows/win32_threads.h"

#include <process.h>

#include <deque>
#include <memory>
#include <mutex>

namespace keldra::platform::win32_impl {

namespace {

// A thread whose work has ended waits this long for more before it ends, so that the
// start's file reads and the first pass's drive questions share one thread: making
// one costs Wine a millisecond and more, and Wine keeps a megabyte for each.
constexpr auto Linger = std::chrono::seconds(5);

struct Idle_Threads {
  Win32_Lock lock;
  Win32_Condition handed;
  int waiting = 0;  // threads waiting for work
  int made = 0;
  std::deque<std::function<void()>> work;  // handed over, not yet taken
};

// Never destroyed: a lingering thread may still look at it while the program's
// statics are torn down at exit.
Idle_Threads& Idle() {
  static Idle_Threads* idle = new Idle_Threads;
  return *idle;
}

unsigned __stdcall Run_Work(void* argument) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(argument));
  Idle_Threads& idle = Idle();
  for (;;) {
    try {
      (*work)();
    } catch (...) {
      // Work that fails ends, never the program.
    }
    work.reset();  // what the work held goes now, not when the next work comes
    std::unique_lock lock(idle.lock);
    ++idle.waiting;
    const bool got = idle.handed.Wait_Until(idle.lock, std::chrono::steady_clock::now() + Linger,
                                            [&] { return !idle.work.empty(); });
    --idle.waiting;
    if (!got) return 0;
    work = std::make_unique<std::function<void()>>(std::move(idle.work.front()));
    idle.work.pop_front();
  }
}

}  // namespace

bool Start_Detached(std::function<void()> work) {
  Idle_Threads& idle = Idle();
  {
    std::lock_guard lock(idle.lock);
    // A waiting thread not yet spoken for takes it.
    if (idle.waiting > static_cast<int>(idle.work.size())) {
      idle.work.push_back(std::move(work));
      idle.handed.Notify_One();
      return true;
    }
  }
  auto handed = std::make_unique<std::function<void()>>(std::move(work));
  // The C runtime's own start, so that its per-thread state is set up for the work.
  const uintptr_t thread = _beginthreadex(nullptr, 0, Run_Work, handed.get(), 0, nullptr);
  if (thread == 0) return false;
  handed.release();  // the thread owns it now
  CloseHandle(reinterpret_cast<HANDLE>(thread));
  std::lock_guard lock(idle.lock);
  ++idle.made;
  return true;
}

int Threads_Waiting_For_Work() {
  std::lock_guard lock(Idle().lock);
  return Idle().waiting;
}

int Threads_Made() {
  std::lock_guard lock(Idle().lock);
  return Idle().made;
}

}  // namespace keldra::platform::win32_impl
