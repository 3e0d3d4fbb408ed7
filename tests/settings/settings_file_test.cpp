#include "settings/settings_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/profile_file.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::settings {
namespace {

TEST(Settings_File_Path, IsKeldraIniBesideTheExecutableWhateverItsName) {
  EXPECT_EQ(Settings_File_Path("/opt/keldra/keldra"), "/opt/keldra/keldra.ini");
  EXPECT_EQ(Settings_File_Path("/home/u/bin/monitor.old"), "/home/u/bin/keldra.ini");
}

TEST(Settings_Reading, DefaultsTypesAndTheMissingVersusEmptyString) {
  test::Temp_Folder dir;
  const std::string ini = dir / "keldra.ini";
  // No file at all: every default.
  EXPECT_EQ(Read_Integer_Setting(ini, Key_Timer_Interval, 30000), 30000);
  EXPECT_EQ(Read_String_Setting(ini, Key_Drive_Letters, "c"), "c");
  EXPECT_FALSE(Read_Boolean_Setting(ini, Key_Show_Total));
  // A default loses its trailing blanks, its leading ones stay.
  EXPECT_EQ(platform::Get_Private_Profile_String("keldra", "absent", "  c d  ", ini), "  c d");

  test::Write_File(ini,
                   "[KELDRA]\nTIMER_INTERVAL=$7530\ndrive_being_monitored_letters=\n"
                   "Show_Total_of_All_Drives_CheckBox=2\nAlways_on_Top_Option=true\n");
  EXPECT_EQ(Read_Integer_Setting(ini, Key_Timer_Interval, 1), 30000);
  EXPECT_EQ(Read_String_Setting(ini, Key_Drive_Letters, "c"), "");
  EXPECT_TRUE(Read_Boolean_Setting(ini, Key_Show_Total));
  EXPECT_FALSE(Read_Boolean_Setting(ini, Key_Always_On_Top));
}

TEST(Profile_File, AFileThatCannotBeReadReadsAsDefaultsAndIsNeverReplaced) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  ASSERT_EQ(mkdir(path.c_str(), 0755), 0);  // a folder where the file should be
  EXPECT_EQ(platform::Get_Private_Profile_String("keldra", "k", "dflt", path), "dflt");
  EXPECT_FALSE(platform::Write_Private_Profile_String("keldra", "k", "v", path));
}

TEST(Profile_File, WritesCreateTheFileAndKeepUnknownContent) {
  test::Temp_Folder dir;
  const std::string path = dir / "keldra.ini";
  ASSERT_TRUE(platform::Write_Private_Profile_String("keldra", "a", "1", path));
  EXPECT_EQ(test::Read_File(path), "[keldra]\r\na=1\r\n");
  test::Write_File(path, "# mine\r\n[keldra]\r\na=1\r\nzzz=keep\r\n");
  ASSERT_TRUE(platform::Write_Private_Profile_String("keldra", "A", "2", path));
  EXPECT_EQ(test::Read_File(path), "# mine\r\n[keldra]\r\na=2\r\nzzz=keep\r\n");
}

}  // namespace
}  // namespace keldra::settings
