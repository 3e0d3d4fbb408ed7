#include "settings/auto_run.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/keldra_error.h"
#include "platform/linux/clean_child.h"
#include "platform/linux/desktop_entry.h"
#include "platform/linux/linux_registry.h"
#include "tests/fakes/hung_volume.h"
#include "tests/fakes/scripted_message_boxes.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::settings {
namespace {

const std::string kKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class Auto_Run_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    mkdir(autostart.c_str(), 0755);
    exe = dir / "bin/keldra";
  }
  Auto_Run_Context Ctx() { return {registry, boxes, exe}; }
  std::string Entry() { return autostart + "/keldra.desktop"; }
  void Store(const std::string& data) {
    test::Write_File(Entry(), platform::linux_impl::Desktop_Entry_Text(data));
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> t;
    for (const auto& s : boxes.shown) t.push_back(s.text);
    return t;
  }

  test::Temp_Folder dir;
  std::string autostart = dir / "autostart";
  platform::linux_impl::Linux_Registry registry{autostart};
  test::Scripted_Message_Boxes boxes;
  std::string exe;
};

TEST_F(Auto_Run_Test, FirstStartFindsNothingAndSaysNothing) {
  auto ctx = Ctx();
  EXPECT_FALSE(Check_Auto_Run(ctx));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Auto_Run_Test, OnWritesTheEntryAndOffRemovesIt) {
  auto ctx = Ctx();
  ASSERT_TRUE(Turn_Auto_Run_On(ctx));
  EXPECT_EQ(Texts(), (std::vector<std::string>{Message_A1("keldra")}));
  EXPECT_EQ(boxes.shown[0].kind, platform::Message_Kind::Information);
  struct stat st;
  ASSERT_EQ(stat(Entry().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  EXPECT_EQ(test::Read_File(Entry()), platform::linux_impl::Desktop_Entry_Text(exe));
  EXPECT_TRUE(Check_Auto_Run(ctx));
  EXPECT_EQ(boxes.shown.size(), 1u) << "the path matches: no question";

  ASSERT_TRUE(Turn_Auto_Run_Off(ctx));
  EXPECT_FALSE(test::Exists(Entry()));
  EXPECT_EQ(boxes.shown.back().text, Message_A2("keldra"));
  // Off again, when another tool already took the value away: still fine.
  ASSERT_TRUE(Turn_Auto_Run_Off(ctx));
  EXPECT_EQ(boxes.shown.back().text, Message_A2("keldra"));
}

TEST_F(Auto_Run_Test, AStalePathAsksQ1AndYesRewritesIt) {
  Store("/old/place/keldra");
  boxes.answers = {platform::Button_Yes};
  auto ctx = Ctx();
  EXPECT_TRUE(Check_Auto_Run(ctx));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].kind, platform::Message_Kind::Warning);
  EXPECT_EQ(boxes.shown[0].buttons, platform::Button_Yes | platform::Button_No);
  EXPECT_EQ(boxes.shown[0].text, Message_Q1("keldra", "/old/place/keldra", exe));
  EXPECT_EQ(boxes.shown[1].text, Message_A1("keldra"));
  EXPECT_EQ(test::Read_File(Entry()), platform::linux_impl::Desktop_Entry_Text(exe));
}

TEST_F(Auto_Run_Test, NoKeepsTheStalePathAndTheMarkStaysOn) {
  Store("/old/place/keldra");
  boxes.answers = {platform::Button_No};
  auto ctx = Ctx();
  EXPECT_TRUE(Check_Auto_Run(ctx));
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(test::Read_File(Entry()),
            platform::linux_impl::Desktop_Entry_Text("/old/place/keldra"));
}

TEST_F(Auto_Run_Test, OnlyLetterCaseDiffersNoQuestionButQuotesCount) {
  std::string shouted = exe;
  for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  Store(shouted);
  auto ctx = Ctx();
  EXPECT_TRUE(Check_Auto_Run(ctx));
  EXPECT_TRUE(boxes.shown.empty());
  Store("\"" + exe + "\"");
  EXPECT_TRUE(Check_Auto_Run(ctx));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, Message_Q1("keldra", "\"" + exe + "\"", exe));
}

TEST_F(Auto_Run_Test, ARenamedExecutableLooksUpItsNewName) {
  Store(exe);
  exe = dir / "bin/keldra2";
  auto ctx = Ctx();
  EXPECT_FALSE(Check_Auto_Run(ctx));
  EXPECT_TRUE(test::Exists(Entry())) << "the old name's value stays";
}

TEST_F(Auto_Run_Test, AFolderTheUserMayNotWriteGivesW2AndR2) {
  ASSERT_EQ(chmod(autostart.c_str(), 0555), 0);
  auto ctx = Ctx();
  EXPECT_FALSE(Turn_Auto_Run_On(ctx));
  EXPECT_FALSE(Turn_Auto_Run_Off(ctx));
  EXPECT_EQ(Texts(), (std::vector<std::string>{Message_W2(kKey, "keldra", exe),
                                               Message_R2(kKey, "keldra")}));
  EXPECT_EQ(boxes.shown[0].kind, platform::Message_Kind::Error);
  EXPECT_FALSE(Check_Auto_Run(ctx)) << "at start-up the value reads as absent";
  chmod(autostart.c_str(), 0755);
}

TEST_F(Auto_Run_Test, AValueThatIsNotAStringRaisesAndSwitchingOnRewritesIt) {
  test::Write_File(Entry(), "this is not a desktop entry\n");
  auto ctx = Ctx();
  try {
    Check_Auto_Run(ctx);
    FAIL();
  } catch (const Keldra_Error& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'keldra'");
  }
  EXPECT_TRUE(Turn_Auto_Run_On(ctx));
  EXPECT_EQ(test::Read_File(Entry()), platform::linux_impl::Desktop_Entry_Text(exe));
}

TEST_F(Auto_Run_Test, AnEntryThatIsAFolderIsAnotherTypeAndCannotBeOverwritten) {
  ASSERT_EQ(mkdir(Entry().c_str(), 0755), 0);
  auto ctx = Ctx();
  EXPECT_THROW(Check_Auto_Run(ctx), Keldra_Error);
  try {
    Turn_Auto_Run_On(ctx);
    FAIL() << "a folder was overwritten";
  } catch (const Keldra_Error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'keldra'");
  }
  EXPECT_TRUE(std::filesystem::is_directory(Entry()));
}

TEST_F(Auto_Run_Test, AFolderNameThatIsNotUtf8IsRefusedRatherThanWrittenForNoLauncher) {
  exe = dir / "caf\xe9/keldra";  // Latin-1, as an older system named it
  auto ctx = Ctx();
  try {
    Turn_Auto_Run_On(ctx);
    FAIL() << "an entry no desktop starts was written";
  } catch (const Keldra_Error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'keldra'");
  }
  EXPECT_FALSE(test::Exists(Entry()));
  EXPECT_TRUE(boxes.shown.empty()) << "no success was announced";
}

TEST_F(Auto_Run_Test, ALinkedEntryIsReplacedNotWrittenThrough) {
  const std::string system_file = dir / "system.desktop";
  test::Write_File(system_file, "[Desktop Entry]\nExec=/usr/bin/other\n");
  ASSERT_EQ(symlink(system_file.c_str(), Entry().c_str()), 0);
  auto ctx = Ctx();
  boxes.answers = {platform::Button_Yes};
  EXPECT_TRUE(Check_Auto_Run(ctx));
  EXPECT_EQ(test::Read_File(system_file), "[Desktop Entry]\nExec=/usr/bin/other\n");
  EXPECT_EQ(test::Read_File(Entry()), platform::linux_impl::Desktop_Entry_Text(exe));
}

// A registry whose values come back changed, or that refuses to store them.
struct Odd_Registry final : platform::Registry {
  bool refuse = false;
  bool Key_Exists(platform::Registry_Root, const std::string&, unsigned) override { return true; }
  bool Write_String(platform::Registry_Root, const std::string&, const std::string&,
                    const std::string& data) override {
    stored = data + " (changed)";
    return !refuse;
  }
  std::optional<platform::Registry_Value> Read_Value(platform::Registry_Root, const std::string&,
                                                     const std::string&) override {
    return platform::Registry_Value{platform::Registry_Type::String, stored};
  }
  bool Delete_Value(platform::Registry_Root, const std::string&, const std::string&) override {
    return false;
  }
  bool Value_Exists(platform::Registry_Root, const std::string&, const std::string&) override {
    return true;
  }
  std::string stored;
};

TEST_F(Auto_Run_Test, ReadBackDifferencesDeleteFailuresAndRefusedWrites) {
  Odd_Registry odd;
  Auto_Run_Context ctx{odd, boxes, exe};
  EXPECT_FALSE(Turn_Auto_Run_On(ctx));
  EXPECT_FALSE(Turn_Auto_Run_Off(ctx));
  EXPECT_EQ(Texts(), (std::vector<std::string>{Message_W1(kKey, "keldra", exe),
                                               Message_R1(kKey, "keldra")}));
  odd.refuse = true;
  try {
    Turn_Auto_Run_On(ctx);
    FAIL();
  } catch (const Keldra_Error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'keldra'");
  }
}

TEST(Auto_Run_Messages, AreAssembledFromTheirPiecesExactly) {
  EXPECT_EQ(Message_A1("keldra"),
            "This program (keldra) will now run automatically at Windows Start-Up.");
  EXPECT_EQ(Message_A2("keldra"),
            "This program (keldra) will now no-longer run automatically at Windows Start-Up.");
  EXPECT_EQ(
      Message_W1("\\K", "n", "d"),
      "Error: The required settings could not be created \r\nor saved in the Windows Registry."
      "  \r\n\r\n Error Key   = \\K\r\n Error Item  = n\r\n Error Value = d\r\n\r\n"
      "Please contact the program's author.");
  EXPECT_EQ(Message_W2("\\K", "n", "d"),
            "Error: The specified Registry Key for this operation \r\ndoes NOT exist on your PC."
            "  \r\n\r\n Error Key   = \\K\r\n Error Item  = n\r\n Error Value = d\r\n\r\n"
            "Please contact the program's author.");
  EXPECT_EQ(Message_R1("\\K", "n"),
            "Error: The required Registry Key settings \r\ncould not be removed from the Windows "
            "Registry.  \r\n\r\n Error Key   = \\K\r\n Error Item  = n\r\n\r\n"
            "Please contact the program's author.");
  EXPECT_EQ(Message_R2("\\K", "n"),
            "Error: The specified Registry Key for this operation \r\ndoes NOT exist on your PC."
            "  \r\n\r\n Error Key   = \\K\r\n Error Item  = n\r\n\r\n"
            "Please contact the program's author.");
  EXPECT_EQ(Message_Q1("keldra", "/old", "/new"),
            "The directory / path settings required to make this program (keldra)\r\nrun "
            "automatically at Windows Start-up do not match where the program \r\nis currently "
            "being run from.\r\n\r\n Old      = /old\r\n Current = /new\r\n\r\nDo you want to "
            "update the Windows Registry to reflect the programs current locaton ?");
  EXPECT_EQ(std::string(Run_Key_Path), "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
}

// An autostart folder on a volume that stops answering: the start's check finds no
// value, turning it on reports the key missing, turning it off is not reported as
// done; and once the folder is known to be stuck, nothing waits on it again.
TEST(Autostart_Folder, OnAHungVolumeEveryLookEndsAndOnlyTheFirstWaits) {
  test::Temp_Folder dir;
  test::Write_File(dir / "gate", "");  // never taken away while the test runs
  test::Hung_Volume hung(dir / "xdg", "deep-gate=" + (dir / "gate"));
  if (!hung.Mounted()) GTEST_SKIP() << "no hung FUSE volume here: " << hung.Why_Not();
  platform::linux_impl::Linux_Registry registry{hung.Path() + "/autostart"};
  test::Scripted_Message_Boxes boxes;
  Auto_Run_Context ctx{registry, boxes, dir / "bin/keldra"};

  EXPECT_FALSE(Check_Auto_Run(ctx));
  EXPECT_FALSE(Turn_Auto_Run_On(ctx));
  EXPECT_FALSE(Turn_Auto_Run_Off(ctx));
  const std::string key = Run_Key_Path;
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, Message_W2(key, "keldra", dir / "bin/keldra"));
  EXPECT_EQ(boxes.shown[1].text, Message_R2(key, "keldra"));
  EXPECT_EQ(platform::linux_impl::Stopped_Children(), 1) << "one helper for the stuck folder";
}

TEST(Autostart_Folder, FromTheFirstConfigDirOrEtcXdg) {
  setenv("XDG_CONFIG_DIRS", "/a/b/:/c", 1);
  EXPECT_EQ(platform::linux_impl::Autostart_Folder_From_Environment(), "/a/b/autostart");
  setenv("XDG_CONFIG_DIRS", "", 1);
  EXPECT_EQ(platform::linux_impl::Autostart_Folder_From_Environment(), "/etc/xdg/autostart");
  unsetenv("XDG_CONFIG_DIRS");
  EXPECT_EQ(platform::linux_impl::Autostart_Folder_From_Environment(), "/etc/xdg/autostart");
}

}  // namespace
}  // namespace keldra::settings
