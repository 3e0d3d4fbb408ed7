// The Windows file layer: reads that tell a missing file from an unreadable one,
// and whole-file replacements that leave either the old or the new content.
#include <gtest/gtest.h>

#include <filesystem>

#include <windows.h>
#include "platform/file_system.h"
#include "platform/module_path.h"
#include "platform/windows/win32_launcher.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::platform {
namespace {

TEST(Win32_File_System, ReadsTellMissingFromUnreadable) {
  test::Temp_Folder dir;
  EXPECT_EQ(Read_Text_File(dir / "absent.ini").status, Read_Status::Missing);
  EXPECT_EQ(Read_Text_File(dir / "no/such/folder.ini").status, Read_Status::Missing);
  EXPECT_EQ(Read_Text_File(dir.Path()).status, Read_Status::Failed) << "a folder is not a file";
  const std::string bytes = std::string("a\r\nb\0c\n", 7) + std::string(200000, 'x');
  test::Write_File(dir / "f.ini", bytes);
  const File_Text f = Read_Text_File(dir / "f.ini");
  EXPECT_EQ(f.status, Read_Status::Ok);
  EXPECT_EQ(f.text, bytes) << "every byte, past any buffer size";
}

TEST(Win32_File_System, AReplacementIsWholeAndARefusalLeavesTheFile) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  ASSERT_TRUE(Write_Text_File_Atomically(path, "one\r\n"));
  ASSERT_TRUE(Write_Text_File_Atomically(path, "two\r\n"));
  EXPECT_EQ(test::Read_File(path), "two\r\n");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(Write_Text_File_Atomically(path, "three\r\n")) << "the user's read-only mark holds";
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(test::Read_File(path), "two\r\n");
  EXPECT_FALSE(Write_Text_File_Atomically(dir / "gone/keldra.ini", "x"));
  EXPECT_FALSE(Write_Text_File_Atomically(dir.Path(), "x")) << "a folder is not replaced";
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
    files += e.is_regular_file();
  EXPECT_EQ(files, 1) << "no temporary file is left behind";
  EXPECT_TRUE(Is_Directory(dir.Path()));
  EXPECT_FALSE(Is_Directory(path));
  EXPECT_TRUE(Is_Writable_Directory(dir.Path()));
  EXPECT_FALSE(Is_Writable_Directory(dir / "gone"));
}

TEST(Win32_Launcher, NotepadGetsThePathUnquotedAfterOneBlank) {
  EXPECT_EQ(win32_impl::Notepad_Command_Line("C:\\Tools\\keldra.txt"),
            "Notepad.exe C:\\Tools\\keldra.txt");
  EXPECT_EQ(win32_impl::Notepad_Command_Line("C:\\My Tools\\keldra.txt"),
            "Notepad.exe C:\\My Tools\\keldra.txt");
  const std::string long_path = "C:\\" + std::string(200, 'd') + "\\keldra.txt";
  EXPECT_EQ(win32_impl::Notepad_Command_Line(long_path).size(), 12 + long_path.size())
      << "past 144 characters the command line goes whole";
}

// The show state a launcher asks for reaches Keldra: a child started with one.
std::string Run_Startup_State(const STARTUPINFOA* requested) {
  const std::string program =
      Directory_With_Separator(Module_File_Name()) + KELDRA_STARTUP_STATE_PATH;
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE read_end = nullptr, write_end = nullptr;
  if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return "no pipe";
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA si = *requested;
  si.cb = sizeof si;
  si.dwFlags |= STARTF_USESTDHANDLES;
  si.hStdOutput = write_end;
  si.hStdError = write_end;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string command = "\"" + program + "\"";
  PROCESS_INFORMATION pi{};
  const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE,
                                      CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
  CloseHandle(write_end);
  std::string out;
  if (started) {
    char buffer[64];
    DWORD got = 0;
    while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0)
      out.append(buffer, got);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
  }
  CloseHandle(read_end);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

TEST(Win32_Startup_Info, TheLaunchersShowStateIsRead) {
  STARTUPINFOA minimized{};
  minimized.dwFlags = STARTF_USESHOWWINDOW;
  minimized.wShowWindow = SW_SHOWMINNOACTIVE;
  EXPECT_EQ(Run_Startup_State(&minimized), "1 7");
  STARTUPINFOA plain{};
  EXPECT_EQ(Run_Startup_State(&plain), "0 10") << "none asked: shown by default";
}

}  // namespace
}  // namespace keldra::platform
