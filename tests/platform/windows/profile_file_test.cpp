// keldra.ini through the system's own profile calls: loads, saves and the
// one-step replacement that keeps a failed save from touching the old file.
#include <gtest/gtest.h>

#include <filesystem>

#include <windows.h>
#include "platform/keldra_error.h"
#include "platform/profile_file.h"
#include "settings/load_save.h"
#include "settings/memory_settings_holder.h"
#include "tests/fakes/factory_settings.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::settings {
namespace {

class Win32_Profile_File : public ::testing::Test {
 protected:
  int Files_In_Folder() {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) n += e.is_regular_file();
    return n;
  }
  test::Temp_Folder dir;
  std::string ini = dir / "keldra.ini";
};

TEST_F(Win32_Profile_File, SaveThenLoadGivesEverySettingBack) {
  settings::Memory_Settings_Holder saved;
  saved.top = -40;
  saved.left = 1200;
  saved.width = 260;
  saved.interval = 4000000000u;  // stored as its signed pattern, read back the same
  saved.letters = "CDZ";
  saved.total = true;
  saved.on_top = false;
  saved.auto_run = true;
  Save_Settings(saved, ini);
  settings::Memory_Settings_Holder loaded;
  Load_Settings(loaded, ini);
  EXPECT_EQ(loaded.top, -40);
  EXPECT_EQ(loaded.left, 1200);
  EXPECT_EQ(loaded.width, 260);
  EXPECT_EQ(loaded.interval, 4000000000u);
  EXPECT_EQ(loaded.letters, "CDZ");
  EXPECT_TRUE(loaded.total);
  EXPECT_FALSE(loaded.on_top);
  EXPECT_TRUE(loaded.auto_run);
  EXPECT_EQ(Files_In_Folder(), 1) << "no copy is left beside the file";
}

TEST_F(Win32_Profile_File, AMissingFileLoadsTheDefaults) {
  settings::Memory_Settings_Holder h;
  Load_Settings(h, ini);
  test::Expect_Factory_Settings(h);
}

TEST_F(Win32_Profile_File, ASaveKeepsEveryOtherLineOfTheFile) {
  test::Write_File(ini,
                   "; kept\r\n[other]\r\nx=1\r\n[KELDRA]\r\nwindow_top_posn=7\r\nmine=yes\r\n");
  settings::Memory_Settings_Holder h;
  Save_Settings(h, ini);
  const std::string text = test::Read_File(ini);
  EXPECT_EQ(text.rfind("; kept\r\n[other]\r\nx=1\r\n[KELDRA]\r\nwindow_top_posn=-1\r\n", 0), 0u)
      << text;
  EXPECT_NE(text.find("mine=yes\r\n"), std::string::npos);
  EXPECT_EQ(
      platform::Get_Private_Profile_String("keldra", "drive_being_monitored_letters", "", ini),
      "?");
}

TEST_F(Win32_Profile_File, AReadOnlyFileFailsTheSaveAndStaysByteForByte) {
  const std::string before = "[keldra]\r\nwindow_top_posn=3\r\n";
  test::Write_File(ini, before);
  ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
  settings::Memory_Settings_Holder h;
  try {
    Save_Settings(h, ini);
    FAIL() << "a read-only file was written";
  } catch (const Keldra_Error& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini);
  }
  SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(test::Read_File(ini), before);
  EXPECT_EQ(Files_In_Folder(), 1);
}

TEST_F(Win32_Profile_File, LineBreaksAreRefusedAndLongValuesReadCut) {
  test::Write_File(ini, "[keldra]\r\nk=" + std::string(3000, 'v') + "\r\n");
  EXPECT_EQ(platform::Get_Private_Profile_String("keldra", "k", "", ini), std::string(2047, 'v'));
  EXPECT_FALSE(platform::Write_Private_Profile_String("keldra", "k", "a\r\n[evil]\r\nx=1", ini));
  EXPECT_FALSE(platform::Write_Private_Profile_String("keldra", "k\n", "a", ini));
  EXPECT_EQ(platform::Get_Private_Profile_String("evil", "x", "none", ini), "none");
  EXPECT_EQ(
      platform::Get_Private_Profile_String("keldra", "missing", std::string(3000, 'd'), ini).size(),
      2047u)
      << "the default is cut to the buffer as well";
}

TEST_F(Win32_Profile_File, AFolderThatIsGoneIsAFailedSave) {
  settings::Memory_Settings_Holder h;
  EXPECT_THROW(Save_Settings(h, dir / "gone/keldra.ini"), Keldra_Error);
  EXPECT_FALSE(test::Exists(dir / "gone"));
}

}  // namespace
}  // namespace keldra::settings
