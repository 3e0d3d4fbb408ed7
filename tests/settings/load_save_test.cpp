#include "settings/load_save.h"

#include <sys/mount.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/keldra_error.h"
#include "platform/profile_file.h"
#include "settings/memory_settings_holder.h"
#include "tests/fakes/factory_settings.h"
#include "tests/fakes/junk_text.h"
#include "tests/fakes/private_mounts.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::settings {
namespace {

using Holder = settings::Memory_Settings_Holder;

const char* const kDefaultsFile =
    "[keldra]\r\nwindow_top_posn=50\r\nwindow_left_posn=50\r\nwindow_ClientWidth=189\r\n"
    "timer_interval=30000\r\ndrive_being_monitored_letters=C\r\n"
    "Show_Total_of_All_Drives_CheckBox=0\r\nAlways_on_Top_Option=0\r\n"
    "Auto_Run_at_Windows_Startup_Option=0\r\n";

TEST(Load_Save, NoFileGivesTheDefaultsAndTheFirstSaveWritesAllEightKeysInOrder) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  Holder h;
  Load_Settings(h, path);
  test::Expect_Factory_Settings(h);
  EXPECT_FALSE(test::Exists(path)) << "loading never creates the file";
  Save_Settings(h, path);
  EXPECT_EQ(test::Read_File(path), kDefaultsFile);
}

TEST(Load_Save, ValueEncodings) {
  const struct {
    const char* lines;
    std::uint32_t interval;
    std::string letters;
    bool on_top;
    int top;
  } cases[] = {
      {"timer_interval=abc\n", 30000, "C", false, 50},
      {"timer_interval=0x7530\n", 30000, "C", false, 50},
      {"timer_interval=$7530\n", 30000, "C", false, 50},
      {"timer_interval= 45000\n", 45000, "C", false, 50},
      {"TIMER_INTERVAL=45000\n", 45000, "C", false, 50},
      {"timer_interval=-1\n", 0xFFFFFFFFu, "C", false, 50},
      {"Always_on_Top_Option=2\n", 30000, "C", true, 50},
      {"Always_on_Top_Option=true\n", 30000, "C", false, 50},
      {"drive_being_monitored_letters=\n", 30000, "", false, 50},
      {"drive_being_monitored_letters=dc\n", 30000, "DC", false, 50},
      {"drive_being_monitored_letters=c1\xE4z\n", 30000, "C1\xE4Z", false, 50},
      {"window_top_posn=-32768\n", 30000, "C", false, -32768},
      {"window_top_posn=99999999999\n", 30000, "C", false, 50},
  };
  for (const auto& c : cases) {
    test::Temp_Folder dir;
    test::Write_File(dir / "keldra.ini", std::string("[Keldra]\n") + c.lines);
    Holder h;
    Load_Settings(h, dir / "keldra.ini");
    EXPECT_EQ(h.interval, c.interval) << c.lines;
    EXPECT_EQ(h.letters, c.letters) << c.lines;
    EXPECT_EQ(h.on_top, c.on_top) << c.lines;
    EXPECT_EQ(h.top, c.top) << c.lines;
  }
}

TEST(Load_Save, SavingKeepsWhatKeldraDoesNotKnowAndWritesTheIntervalAsSigned) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  test::Write_File(path,
                   "; mine\r\n[other]\r\nx=1\r\n[KELDRA]\r\nTIMER_INTERVAL=5\r\nextra=keep\r\n");
  Holder h;
  Load_Settings(h, path);
  h.interval = 0xFFFFFFFFu;
  Save_Settings(h, path);
  EXPECT_EQ(test::Read_File(path),
            "; mine\r\n[other]\r\nx=1\r\n[KELDRA]\r\nTIMER_INTERVAL=-1\r\nextra=keep\r\n"
            "window_top_posn=50\r\nwindow_left_posn=50\r\nwindow_ClientWidth=189\r\n"
            "drive_being_monitored_letters=C\r\nShow_Total_of_All_Drives_CheckBox=0\r\n"
            "Always_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=0\r\n");
}

// How long this takes is a figure of bench/ (bench_load_settings); here, what it reads.
// Everything past what a read sees is carried over byte for byte, after what the
// save wrote into the part it sees.
bool Tail_Kept(const std::string& before, const std::string& after) {
  const std::size_t tail = before.size() - platform::Max_Settings_Bytes;
  return after.size() >= before.size() &&
         after.compare(after.size() - tail, tail, before, before.size() - tail) == 0;
}

TEST(Load_Save, AFileOverTheLimitIsReadUpToItAndSavedWithEveryByteKept) {
  const std::string junk = test::Junk_Text(platform::Max_Settings_Bytes + (2u << 20));
  const std::string section = "\n[keldra]\ntimer_interval=4000\n";
  const struct {
    const char* name;
    std::string text;
    std::uint32_t loaded;  // the interval a load finds
  } cases[] = {
      {"the section first", section + junk, 4000},
      {"the section past the limit", junk + section, 30000},
      {"no line break at all", std::string(platform::Max_Settings_Bytes + 100, 'x') + section,
       30000},
      // The keys a save adds to this section would end past the limit.
      {"the section at the edge",
       junk.substr(0, platform::Max_Settings_Bytes - 60) + section + junk, 4000},
  };
  for (const auto& c : cases) {
    test::Temp_Folder dir;
    const std::string path = dir / "keldra.ini";
    test::Write_File(path, c.text);
    Holder h;
    Load_Settings(h, path);
    EXPECT_EQ(h.interval, c.loaded) << c.name;
    h.interval = 1234;
    h.letters = "CDE";
    Save_Settings(h, path);
    const std::string saved = test::Read_File(path);
    EXPECT_TRUE(Tail_Kept(c.text, saved)) << c.name;
    Holder again;
    Load_Settings(again, path);
    EXPECT_EQ(again.interval, 1234u) << c.name << ": the next load finds what was saved";
    EXPECT_EQ(again.letters, "CDE") << c.name;
    Save_Settings(again, path);
    EXPECT_EQ(test::Read_File(path).size(), saved.size())
        << c.name << ": a second save adds nothing";
  }
}

TEST(Load_Save, AFailedSaveNamesTheFileAndLeavesItByteForByte) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  test::Write_File(path, "[keldra]\ntimer_interval=1234\n");
  Holder h;
  Load_Settings(h, path);
  h.interval = 9999;
  ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
  try {
    Save_Settings(h, path);
    FAIL() << "the save went through a read-only folder";
  } catch (const Keldra_Error& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
  ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
  EXPECT_EQ(test::Read_File(path), "[keldra]\ntimer_interval=1234\n");
}

TEST(Load_Save, AFolderThatDisappearedIsAFailedSaveNotACrash) {
  test::Temp_Folder dir;
  const std::string folder = dir / "gone";
  mkdir(folder.c_str(), 0755);
  Holder h;
  Load_Settings(h, folder + "/keldra.ini");
  rmdir(folder.c_str());
  EXPECT_THROW(Save_Settings(h, folder + "/keldra.ini"), Keldra_Error);
  EXPECT_FALSE(test::Exists(folder));
}

TEST(Load_Save, AFullDiskLeavesTheOldFile) {
  test::Temp_Folder dir;
  const std::string mnt = dir / "tiny";
  if (!test::Mount_Tmpfs(mnt, "8k")) {
    GTEST_SKIP() << "cannot mount tmpfs here (" << test::Private_Mounts_Why_Not()
                 << "): full-disk check skipped";
  }
  const std::string path = mnt + "/keldra.ini";
  test::Write_File(path, "[keldra]\ntimer_interval=1234\n");
  test::Fill_Disk(mnt + "/filler");
  Holder h;
  Load_Settings(h, path);
  h.letters = std::string(2047, 'Q');
  EXPECT_THROW(Save_Settings(h, path), Keldra_Error);
  EXPECT_EQ(test::Read_File(path), "[keldra]\ntimer_interval=1234\n");
  umount2(mnt.c_str(), MNT_DETACH);
}

}  // namespace
TEST(Load_Save, OnlyTheKeysASessionChangedAreSavedOverAFileItNeverRead) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  test::Write_File(path, "[keldra]\ntimer_interval=5000\nwindow_top_posn=300\n");
  Memory_Settings_Holder then;
  then.top = 50, then.left = 50, then.width = 189, then.interval = 30000, then.letters = "C";
  then.total = false, then.on_top = false, then.auto_run = false;
  Memory_Settings_Holder now = then;
  Save_Changed_Settings_Within(now, then, path);
  EXPECT_EQ(test::Read_File(path), "[keldra]\ntimer_interval=5000\nwindow_top_posn=300\n");
  now.left = 600, now.total = true;
  Save_Changed_Settings_Within(now, then, path);
  EXPECT_EQ(test::Read_File(path),
            "[keldra]\ntimer_interval=5000\nwindow_top_posn=300\n"
            "window_left_posn=600\nShow_Total_of_All_Drives_CheckBox=1\n");
}

}  // namespace keldra::settings
