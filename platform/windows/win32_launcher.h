#pragma once
// Notepad from the Windows folder for documents, the shell's handlers for
// addresses.
#include "platform/launcher.h"

namespace keldra::platform::win32_impl {

class Win32_Launcher final : public Launcher {
 public:
  // "<Windows folder>\Notepad.EXE" when a file is there, otherwise "".
  std::string Document_Viewer() override;
  // WinExec of "Notepad.exe " + path, unquoted, shown normally. The command names
  // Notepad without a folder: the system's program search picks it; the viewer
  // found above only gates the start.
  bool View_Document(const std::string& viewer, const std::string& path) override;
  // ShellExecuteA "open" of the address, owned by the active window.
  bool Open_Address(const std::string& address) override;
};

// "Notepad.exe " and the path, unquoted: Notepad takes the rest of its command
// line as one file name, blanks and all.
std::string Notepad_Command_Line(const std::string& path);

// The Windows folder, whatever its length (the first read takes 145 characters).
std::string Windows_Directory();

}  // namespace keldra::platform::win32_impl
