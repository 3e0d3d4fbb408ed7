#include "platform/windows/win32_disk_space.h"

#include <windows.h>

#include <mutex>

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
    DWORD flags = 0;
    if (GetVolumeInformationA(root_path.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr,
                              0)) {
      f.read_only = (flags & FILE_READ_ONLY_VOLUME) != 0;
    }
  }
  return f;
}

namespace {

// Under Wine, the server that every thread of the program talks to looks at a
// volume itself (fstatfs) the first time one of its files is opened after all were
// closed, and while it waits every thread waits, the window's too. A handle kept on
// each asked root keeps that look from coming back at every pass. Windows has no
// such server, and a handle kept on a removable drive would stop its safe removal:
// there, nothing is kept.
bool Under_Wine() {
  static const bool wine =
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

void Keep_Root_Open(char letter) {
  static std::mutex mutex;
  static HANDLE kept[Drive_Letter_Count] = {};
  const int i = Drive_Letter_Index(letter);
  if (i < 0 || !Under_Wine()) return;
  {
    std::lock_guard lock(mutex);
    if (kept[i] != nullptr) return;
  }
  const std::string root = std::string(1, letter) + ":\\";
  HANDLE h = CreateFileA(root.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  std::lock_guard lock(mutex);
  if (h == INVALID_HANDLE_VALUE) return;
  if (kept[i] == nullptr) {
    kept[i] = h;
  } else {
    CloseHandle(h);
  }
}

}  // namespace

Letter_Facts Ask_System(char letter, Letter_Question question) {
  // An empty floppy or card reader raises no system prompt: the worker has nobody to
  // show it to. Its own thread's mode, so that the workers never undo each other's.
  DWORD previous = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous);
  Letter_Facts facts;
  if (question == Letter_Question::Space) {
    Keep_Root_Open(letter);
    facts.figures = Query_Disk_Free_Space(std::string(1, letter) + ":\\");
  } else {
    facts.entry = Describe_Drive(letter);
  }
  SetThreadErrorMode(previous, nullptr);
  return facts;
}

}  // namespace keldra::platform::win32_impl
