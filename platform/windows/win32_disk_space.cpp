#include "platform/windows/win32_disk_space.h"

#include <windows.h>

#include "platform/windows/win32_drive_table.h"

namespace keldra::platform::win32_impl {

Disk_Space_Figures Query_Disk_Free_Space(const std::string& root_path) {
  ULARGE_INTEGER caller{}, total{}, free{};
  Disk_Space_Figures f;
  if (GetDiskFreeSpaceExA(root_path.c_str(), &caller, &total, &free)) {
    f.free_bytes_to_caller = caller.QuadPart;
    f.total_bytes = total.QuadPart;
    f.total_free_bytes = free.QuadPart;
    f.answered = true;
  }
  return f;
}

Letter_Facts Ask_System(char letter, Letter_Question question) {
  // An empty floppy or card reader raises no system prompt: the worker has nobody to
  // show it to. Its own thread's mode, so that the workers never undo each other's.
  DWORD previous = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous);
  Letter_Facts facts;
  if (question == Letter_Question::Space) {
    facts.figures = Query_Disk_Free_Space(std::string(1, letter) + ":\\");
  } else {
    facts.entry = Describe_Drive(letter);
  }
  SetThreadErrorMode(previous, nullptr);
  return facts;
}

}  // namespace keldra::platform::win32_impl
