#include <vector>

#include <windows.h>
#include "platform/file_system.h"
#include "platform/module_path.h"
#include "platform/windows/win32_files.h"

namespace keldra::platform {

namespace win32_impl {

DWORD Attributes_Of(const std::string& path) { return GetFileAttributesA(path.c_str()); }

bool Write_All(HANDLE file, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, content.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

std::string Unique_Temporary_In(const std::string& folder) {
  char name[MAX_PATH + 16] = {};
  // Creates the empty file, so the name is ours until it is renamed or deleted.
  if (GetTempFileNameA(folder.c_str(), "kld", 0, name) == 0) return std::string();
  return name;
}

bool Replace_With(const std::string& temp, const std::string& path) {
  return MoveFileExA(temp.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool May_Replace(const std::string& path) {
  const DWORD attributes = Attributes_Of(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // nothing there yet
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

std::string Folder_Of(const std::string& path) {
  std::string folder = Directory_With_Separator(path);
  return folder.empty() ? std::string(".\\") : folder;
}

}  // namespace win32_impl

using namespace win32_impl;

File_Text Read_Text_File(const std::string& path) {
  return Read_Text_File(path, static_cast<std::size_t>(-1));
}

File_Text Read_Text_File(const std::string& path, std::size_t limit) {
  File_Text result;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    result.status = (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                        ? Read_Status::Missing
                        : Read_Status::Failed;
    return result;
  }
  std::string text;
  char buffer[65536];
  for (;;) {
    // One byte past the limit tells a file that ends there from one that goes on.
    const std::size_t room = limit - text.size();
    const DWORD want = static_cast<DWORD>(room < sizeof buffer ? room + 1 : sizeof buffer);
    DWORD got = 0;
    if (!ReadFile(file, buffer, want, &got, nullptr)) {
      CloseHandle(file);
      result.status = Read_Status::Failed;
      return result;
    }
    if (got == 0) break;
    if (got > room) {
      text.append(buffer, room);
      result.whole = false;
      break;
    }
    text.append(buffer, got);
  }
  CloseHandle(file);
  result.status = Read_Status::Ok;
  result.text = std::move(text);
  return result;
}

std::string Link_Target(const std::string& path) { return path; }

bool Is_Directory(const std::string& path) {
  const DWORD attributes = Attributes_Of(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Is_Writable_Directory(const std::string& folder) {
  if (!Is_Directory(folder)) return false;
  const std::string probe = Unique_Temporary_In(folder);
  if (probe.empty()) return false;
  DeleteFileA(probe.c_str());
  return true;
}

bool Write_Text_File_Atomically(const std::string& path, const std::string& content) {
  return Write_Text_File_Atomically(path, content, Atomic_Write_Options{});
}

// The old file's bytes from `offset` to its end, appended to `to`.
bool Copy_Tail(const std::string& path, std::uint64_t offset, HANDLE to) {
  HANDLE from = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (from == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  bool ok = SetFilePointerEx(from, at, nullptr, FILE_BEGIN) != 0;
  std::string buffer(1 << 20, '\0');
  while (ok) {
    DWORD got = 0;
    ok = ReadFile(from, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) != 0;
    if (!ok || got == 0) break;
    ok = Write_All(to, buffer.substr(0, got));
  }
  CloseHandle(from);
  return ok;
}

bool Write_Text_File_Atomically(const std::string& path, const std::string& content,
                                const Atomic_Write_Options& options) {
  // Links and modes are Linux's; the tail is kept on both.
  if (!May_Replace(path)) return false;
  const std::string temp = Unique_Temporary_In(Folder_Of(path));
  if (temp.empty()) return false;
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  bool ok = file != INVALID_HANDLE_VALUE;
  if (ok) {
    ok = Write_All(file, content);
    if (ok && options.keep_tail_from) ok = Copy_Tail(path, *options.keep_tail_from, file);
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
  }
  ok = ok && Replace_With(temp, path);
  if (!ok) DeleteFileA(temp.c_str());
  return ok;
}

std::string Current_Folder() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return std::string();
  std::string folder(size, '\0');
  const DWORD length = GetCurrentDirectoryA(size, folder.data());
  if (length == 0 || length >= size) return std::string();
  folder.resize(length);
  return folder;
}

}  // namespace keldra::platform
