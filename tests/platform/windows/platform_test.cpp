// The Windows platform layer's answers, checked against what the system itself
// says through other calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "monitor/chooser_entries.h"
#include "platform/error_mode.h"
#include "platform/memory_status.h"
#include "platform/module_path.h"
#include "platform/regional.h"
#include "platform/windows/win32_disk_space.h"
#include "platform/windows/win32_drive_table.h"
#include "platform/windows/win32_launcher.h"
#include "platform/windows/win32_system_function.h"
#include "platform/windows/win32_threads.h"
#include "tests/fakes/temp_folder.h"
#include "tests/fakes/wait_until.h"

#include <windows.h>
// shellapi.h and winnetwk.h need what windows.h declares.
#include <shellapi.h>
#include <winnetwk.h>

namespace keldra::platform::win32_impl {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

TEST(Win32_Module_Path, SplitsAtBackslashesSlashesAndTheDriveColon) {
  const struct {
    const char* path;
    const char* folder;
    const char* name;
  } cases[] = {
      {"C:\\Tools\\keldra.exe", "C:\\Tools\\", "keldra.exe"},
      {"C:/Tools/keldra.old.exe", "C:/Tools/", "keldra.old.exe"},
      {"C:keldra.exe", "C:", "keldra.exe"},
      {"\\\\server\\share\\keldra.exe", "\\\\server\\share\\", "keldra.exe"},
      {"keldra.exe", "", "keldra.exe"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Directory_With_Separator(c.path), c.folder) << c.path;
    EXPECT_EQ(File_Name_Of(c.path), c.name) << c.path;
  }
  const std::string self = Module_File_Name();
  EXPECT_EQ(Lower(File_Name_Of(self)), "keldra_win32_tests.exe");
  EXPECT_EQ(self[1], ':') << self;
  EXPECT_EQ(Directory_With_Separator(self).back(), '\\');
}

TEST(Win32_Drive_Table, LettersTypesAndRootsAreTheSystemsOwn) {
  Win32_Drive_Table table;
  const std::vector<Drive_Entry> drives = table.Drives();
  ASSERT_EQ(drives.size(), 26u);
  const DWORD mask = GetLogicalDrives();
  for (const Drive_Entry& d : drives) {
    const std::string root = std::string(1, d.letter) + ":\\";
    EXPECT_EQ(d.directory, root);
    EXPECT_EQ(*table.Directory_Of(static_cast<char>(std::tolower(d.letter))), root);
    const bool present = mask & (1u << (d.letter - 'A'));
    EXPECT_EQ(d.type, present ? Drive_Type_Of(GetDriveTypeA(root.c_str())) : Drive_Type::Missing)
        << root;
  }
  EXPECT_EQ(drives[2].type, Drive_Type::Fixed) << "C: is the system's fixed drive";
  EXPECT_EQ(table.Directory_Of('1'), nullptr);
}

TEST(Win32_Drive_Table, TypeCodesMapOneToOne) {
  EXPECT_EQ(Drive_Type_Of(DRIVE_UNKNOWN), Drive_Type::Missing);
  EXPECT_EQ(Drive_Type_Of(DRIVE_NO_ROOT_DIR), Drive_Type::Missing);
  EXPECT_EQ(Drive_Type_Of(DRIVE_REMOVABLE), Drive_Type::Removable);
  EXPECT_EQ(Drive_Type_Of(DRIVE_FIXED), Drive_Type::Fixed);
  EXPECT_EQ(Drive_Type_Of(DRIVE_REMOTE), Drive_Type::Remote);
  EXPECT_EQ(Drive_Type_Of(DRIVE_CDROM), Drive_Type::Cdrom);
  EXPECT_EQ(Drive_Type_Of(DRIVE_RAMDISK), Drive_Type::Ramdisk);
}

TEST(Win32_Drive_Table, DroppedPathsTakeTheirLetterAndNetworkPathsNone) {
  Win32_Drive_Table table;
  EXPECT_EQ(table.Drive_Form("c:\\windows\\..\\Tools\\a file.txt"), "C:\\Tools\\a file.txt");
  EXPECT_EQ(table.Drive_Form("d:/x/y"), "D:\\x\\y");
  EXPECT_EQ(table.Drive_Form("\\\\server\\share\\file"), std::nullopt);
  EXPECT_EQ(table.Drive_Form(""), std::nullopt);
  char current[MAX_PATH];
  ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, current), 0u);
  const std::optional<std::string> relative = table.Drive_Form("file.txt");
  ASSERT_TRUE(relative);
  EXPECT_EQ(Lower(*relative).substr(0, 1), Lower(current).substr(0, 1));
}

TEST(Win32_Disk_Space, FiguresAreTheSystemsAskedOnTheWorkers) {
  Win32_Drive_Table table;
  Win32_Disk_Space disk(table.Askers());
  ULARGE_INTEGER caller{}, total{}, free{};
  ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &caller, &total, &free));
  const Disk_Space_Figures c = disk.Get_Disk_Free_Space_Ex("C:\\");
  EXPECT_EQ(c.total_bytes, total.QuadPart);
  EXPECT_GT(c.total_bytes, 0u);
  EXPECT_LE(c.total_free_bytes, c.total_bytes);
  EXPECT_LE(c.free_bytes_to_caller, c.total_free_bytes);
  // A letter with nothing behind it gives zeros, without a prompt.
  char unused = 0;
  for (char l = 'Y'; l > 'C'; --l) {
    if (!(GetLogicalDrives() & (1u << (l - 'A')))) {
      unused = l;
      break;
    }
  }
  ASSERT_NE(unused, 0);
  const Disk_Space_Figures none = disk.Get_Disk_Free_Space_Ex(std::string(1, unused) + ":\\");
  EXPECT_EQ(none.total_bytes, 0u);
  EXPECT_FALSE(none.answered);
}

TEST(Win32_Letter_Askers, AStuckDriveCostsThePassAndTheChooserOneWaitEachAndIsNotAskedAgain) {
  // Every question about N held until the test lets it go, as an unreachable server
  // (or, under Wine, any hung mount) holds it; the others answer from the system.
  std::mutex m;
  std::condition_variable cv;
  bool release = false;
  int asked = 0;
  Win32_Drive_Table table([&](char letter, Letter_Question q) {
    if (letter != 'N') return Ask_System(letter, q);
    std::unique_lock lock(m);
    ++asked;
    cv.wait(lock, [&] { return release; });
    Letter_Facts f;
    f.figures = {1, 100, 2, true};
    return f;
  });
  // The bound is the behaviour here, so it is timed, with wide margins.
  constexpr std::chrono::milliseconds kBound{2000};
  Win32_Disk_Space disk(table.Askers(), kBound);
  const auto start = std::chrono::steady_clock::now();
  // N first: the worker it holds is not C's only hope.
  disk.Ask_Drives("NC");
  // The wait itself is the behaviour: the pass must have waited for N (a shorter
  // wait would mean it did not), with a tenth of slack for a coarse clock. No upper
  // limit is checked here: later passes not waiting is counted instead.
  EXPECT_GE(std::chrono::steady_clock::now() - start, kBound * 9 / 10);
  EXPECT_GT(disk.Get_Disk_Free_Space_Ex("C:\\").total_bytes, 0u);
  EXPECT_FALSE(disk.Get_Disk_Free_Space_Ex("N:\\").answered);
  disk.Ask_Drives("CN");
  disk.Ask_Drives("CN");
  EXPECT_EQ(disk.Waits_Timed_Out(), 1) << "a later pass waited on the stuck drive again";
  // The chooser's questions share the letter's worker: N is listed by its letter.
  const std::vector<Drive_Entry> drives = table.Drives();
  ASSERT_EQ(drives.size(), 26u);
  if (GetLogicalDrives() & (1u << ('N' - 'A'))) {
    EXPECT_FALSE(drives['N' - 'A'].answered);
    EXPECT_EQ(monitor::Chooser_Entry_Text(drives['N' - 'A']), "n:");
  }
  EXPECT_TRUE(drives['C' - 'A'].answered);
  {
    std::lock_guard lock(m);
    EXPECT_EQ(asked, 1) << "one question out at a time";
    release = true;
  }
  cv.notify_all();
  Disk_Space_Figures f{};
  test::Wait_Until([&] {
    disk.Ask_Drives("N");
    return (f = disk.Get_Disk_Free_Space_Ex("N:\\")).total_bytes != 0;
  });
  EXPECT_EQ(f.total_bytes, 100u);
}

TEST(Win32_System_Function, LoadsOnDemandAndSaysWhenSomethingIsMissing) {
  auto* get_connection =
      System_Function<decltype(WNetGetConnectionA)>("mpr.dll", "WNetGetConnectionA");
  ASSERT_NE(get_connection, nullptr);
  char remote[MAX_PATH];
  DWORD size = sizeof remote;
  EXPECT_NE(get_connection("C:", remote, &size), static_cast<DWORD>(NO_ERROR))
      << "C: is no network connection";
  EXPECT_NE((System_Function<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA")), nullptr);
  EXPECT_EQ((System_Function<void()>("shell32.dll", "No_Such_Function")), nullptr);
  EXPECT_EQ((System_Function<void()>("no-such-library.dll", "F")), nullptr);
}

TEST(Win32_Error_Mode, TheGuardSetsTheProcessModeAndRestoresIt) {
  Error_Mode& mode = Process_Error_Mode();
  mode.Set_Error_Mode(0);
  {
    Error_Mode_Guard guard(mode);
    EXPECT_EQ(GetErrorMode() & SEM_FAILCRITICALERRORS, static_cast<UINT>(SEM_FAILCRITICALERRORS));
  }
  EXPECT_EQ(GetErrorMode() & SEM_FAILCRITICALERRORS, 0u);
}

TEST(Win32_Launcher, NotepadIsLookedForInTheWindowsFolder) {
  const std::string windows = Windows_Directory();
  char expected[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryA(expected, MAX_PATH), 0u);
  EXPECT_EQ(windows, expected);
  Win32_Launcher launcher;
  const std::string viewer = launcher.Document_Viewer();
  const DWORD attributes = GetFileAttributesA((windows + "\\Notepad.EXE").c_str());
  const bool present =
      attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(viewer, present ? windows + "\\Notepad.EXE" : "");
}

TEST(Win32_System_Info, MemoryAndDecimalSeparatorAreTheSystemsReadings) {
  const Memory_Status m = Global_Memory_Status();
  EXPECT_GT(m.total_phys, 0u);
  EXPECT_LE(m.avail_phys, m.total_phys);
  EXPECT_LE(m.avail_page_file, m.total_page_file);
  char separator[8];
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator), 0);
  EXPECT_EQ(Decimal_Separator_From_Environment(), separator);
}
}  // namespace
}  // namespace keldra::platform::win32_impl

namespace keldra::platform::win32_impl {
namespace {

TEST(Win32_Letter_Askers, QuestionsWaitForAFewWorkersRatherThanAThreadEach) {
  // Making a thread costs Wine far more than asking a healthy drive: the questions
  // are taken in turn by the workers there are, another made only for a question
  // that waited past the stall. With no stall in reach of a busy machine's scheduling,
  // one worker takes all 26; a thread a letter would run most of them at once.
  std::mutex m;
  int running = 0, most = 0;
  Win32_Letter_Askers askers(
      [&](char, Letter_Question) {
        {
          std::lock_guard lock(m);
          most = std::max(most, ++running);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::lock_guard lock(m);
        --running;
        Letter_Facts f;
        f.figures = {1, 100, 2, true};
        return f;
      },
      std::chrono::hours(1));
  std::string all;
  for (char c = 'A'; c <= 'Z'; ++c) {
    ASSERT_TRUE(askers.Send(c, Letter_Question::Space)) << c;
    all += c;
  }
  // A generous bound, only so that a broken pool cannot hang the test.
  const auto answers = askers.Collect(Letter_Question::Space, all,
                                      std::chrono::steady_clock::now() + std::chrono::seconds(30));
  EXPECT_EQ(answers.size(), 26u);
  EXPECT_EQ(askers.Questions_Out(), 0);
  std::lock_guard lock(m);
  EXPECT_EQ(most, 1);
}

TEST(Win32_Threads, AThreadWhoseWorkEndedTakesTheNextAndNoWorkWaitsBehindABusyOne) {
  std::mutex m;
  std::condition_variable changed;
  int ran = 0, finished = 0;
  bool release = false;
  const auto work = [&](bool hold) {
    return [&, hold] {
      std::unique_lock lock(m);
      ++ran;
      changed.notify_all();
      if (hold) changed.wait(lock, [&] { return release; });
      ++finished;
      changed.notify_all();
    };
  };
  const auto at_least = [&](const int& count, int n) {
    std::unique_lock lock(m);
    // A generous bound, only so that a broken hand-over cannot hang the test.
    return changed.wait_for(lock, std::chrono::seconds(30), [&] { return count >= n; });
  };
  const auto ran_at_least = [&](int n) { return at_least(ran, n); };
  ASSERT_TRUE(Start_Detached(work(false)));
  ASSERT_TRUE(ran_at_least(1));
  ASSERT_TRUE(test::Wait_Until([] { return Threads_Waiting_For_Work() > 0; }));
  const int made = Threads_Made();
  // Two that hold their threads, at once: the waiting thread takes one, and the other
  // must not be left waiting behind it.
  ASSERT_TRUE(Start_Detached(work(true)));
  ASSERT_TRUE(Start_Detached(work(true)));
  EXPECT_TRUE(ran_at_least(3));
  EXPECT_LE(Threads_Made(), made + 1) << "a thread waiting for work took one";
  {
    std::lock_guard lock(m);
    release = true;
  }
  changed.notify_all();
  EXPECT_TRUE(at_least(finished, 3)) << "the work is done with the test's own state";
}

}  // namespace
}  // namespace keldra::platform::win32_impl
