#pragma once
// The system's own threads, lock and condition for the Windows build's background
// work (the drive askers, bounded jobs). The C++ runtime's std::thread and
// std::condition_variable sit on mingw-w64's winpthreads here, whose detached
// threads were seen to start with their argument lost (a null read in the runtime's
// thread start) or never to run at all on a busy machine; these calls go straight
// to the kernel and hand the work over in memory of their own.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>

namespace keldra::platform::win32_impl {

// Runs work on a thread of its own that nobody waits for: one whose earlier work has
// ended and that waits a few seconds for more, or else a new one. False, with the
// work not run, when no thread could be made.
bool Start_Detached(std::function<void()> work);
// Threads waiting for work now, and threads made so far: for the tests.
int Threads_Waiting_For_Work();
int Threads_Made();

// A slim reader/writer lock taken exclusively; usable with std::lock_guard and
// std::unique_lock. Constant-initialised, so a static one is ready before any code runs.
class Win32_Lock {
 public:
  constexpr Win32_Lock() = default;
  Win32_Lock(const Win32_Lock&) = delete;
  Win32_Lock& operator=(const Win32_Lock&) = delete;
  void lock() { AcquireSRWLockExclusive(&lock_); }
  void unlock() { ReleaseSRWLockExclusive(&lock_); }
  SRWLOCK* Native() { return &lock_; }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
};

class Win32_Condition {
 public:
  Win32_Condition() = default;
  Win32_Condition(const Win32_Condition&) = delete;
  Win32_Condition& operator=(const Win32_Condition&) = delete;
  void Notify_One() { WakeConditionVariable(&condition_); }
  void Notify_All() { WakeAllConditionVariable(&condition_); }

  // With lock held: waits, the lock let go meanwhile, until done() holds or the
  // deadline passes; answers done().
  template <class Done>
  bool Wait_Until(Win32_Lock& lock, std::chrono::steady_clock::time_point deadline, Done done) {
    while (!done()) {
      const auto now = std::chrono::steady_clock::now();
      if (now >= deadline) return false;
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
      SleepConditionVariableSRW(&condition_, lock.Native(),
                                static_cast<DWORD>(std::min<long long>(left, 0x7FFFFFFE)), 0);
    }
    return true;
  }

 private:
  CONDITION_VARIABLE condition_ = CONDITION_VARIABLE_INIT;
};

}  // namespace keldra::platform::win32_impl
