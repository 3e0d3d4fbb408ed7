#include "platform/windows/win32_launcher.h"
#include "platform/file_access.h"

#include <windows.h>
// shellapi.h needs what windows.h declares.
#include <shellapi.h>

#include "platform/windows/win32_system_function.h"

namespace keldra::platform::win32_impl {

std::string Windows_Directory() {
  std::string folder(145, '\0');
  UINT length = GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
  if (length >= folder.size()) {  // too long for the buffer: the answer is the size needed
    folder.assign(length, '\0');
    length = GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) return std::string();
  }
  folder.resize(length);
  return folder;
}

std::string Win32_Launcher::Document_Viewer() {
  const std::string folder = Windows_Directory();
  if (folder.empty()) return std::string();
  const std::string notepad = folder + "\\Notepad.EXE";
  return File_Exists(notepad) ? notepad : std::string();
}

std::string Notepad_Command_Line(const std::string& path) { return "Notepad.exe " + path; }

bool Win32_Launcher::View_Document(const std::string& /*viewer*/, const std::string& path) {
  // A command line past 144 characters goes whole: WinExec takes far longer ones.
  return WinExec(Notepad_Command_Line(path).c_str(), SW_SHOWNORMAL) > 31;
}

bool Win32_Launcher::Open_Address(const std::string& address) {
  auto* shell_execute = System_Function<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  auto* active_window = System_Function<decltype(GetActiveWindow)>("user32.dll", "GetActiveWindow");
  if (!shell_execute) return false;
  const HINSTANCE result = shell_execute(active_window ? active_window() : nullptr, "open",
                                         address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace keldra::platform::win32_impl
