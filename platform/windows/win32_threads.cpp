#include "platform/windows/win32_threads.h"

#include <process.h>

#include <memory>

namespace keldra::platform::win32_impl {

namespace {

unsigned __stdcall Run_Work(void* argument) {
  const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(argument));
  try {
    (*work)();
  } catch (...) {
    // Work that fails ends its thread, never the program.
  }
  return 0;
}

}  // namespace

bool Start_Detached(std::function<void()> work) {
  auto handed = std::make_unique<std::function<void()>>(std::move(work));
  // The C runtime's own start, so that its per-thread state is set up for the work.
  const uintptr_t thread = _beginthreadex(nullptr, 0, Run_Work, handed.get(), 0, nullptr);
  if (thread == 0) return false;
  handed.release();  // the thread owns it now
  CloseHandle(reinterpret_cast<HANDLE>(thread));
  return true;
}

}  // namespace keldra::platform::win32_impl
