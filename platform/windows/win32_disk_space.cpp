#include "platform/windows/win32_disk_space.h"

#include <windows.h>

#include "platform/windows/win32_drive_table.h"

namespace keldra::platform::win32_impl {

Disk_Space_Figures Query_Disk_Free_Space(const std::string& root_path) {
  ULARGE_INTEGER caller{}, total{}, free{};
  Disk_Space_Figures f;
  // No system prompt for an empty drive: the worker has no one to show it to.
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  if (GetDiskFreeSpaceExA(root_path.c_str(), &caller, &total, &free)) {
    f.free_bytes_to_caller = caller.QuadPart;
    f.total_bytes = total.QuadPart;
    f.total_free_bytes = free.QuadPart;
    f.answered = true;
  }
  SetErrorMode(previous);
  return f;
}

Letter_Facts Ask_System(char letter, Letter_Question question) {
  Letter_Facts facts;
  if (question == Letter_Question::Space) {
    facts.figures = Query_Disk_Free_Space(std::string(1, letter) + ":\\");
  } else {
    facts.entry = Describe_Drive(letter);
  }
  return facts;
}

}  // namespace keldra::platform::win32_impl
