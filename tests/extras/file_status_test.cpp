#include "extras/file_status.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/file_access.h"
#include "tests/fakes/file_holder.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::extras {
namespace {

class File_Status_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir / "keldra.ini";
    test::Write_File(path, "[keldra]\n");
  }
  test::Temp_Folder dir;
  std::string path;
};

TEST_F(File_Status_Test, AnswersForTheSimpleCases) {
  EXPECT_EQ(Get_File_Status(""), "");
  EXPECT_EQ(Get_File_Status(dir / "missing"), "");
  EXPECT_EQ(Get_File_Status(dir.Path()), "") << "a folder is not a file";
  EXPECT_EQ(Get_File_Status(path), "CLOSED");
  EXPECT_EQ(Get_File_Status(std::string(128, 'x')), "CLOSED") << "not tested at all";
  EXPECT_EQ(Get_File_Status(dir / std::string(130, 'y')), "CLOSED");
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  EXPECT_EQ(Get_File_Status(path), "ERROR") << "a read-only file refuses the read-write open";
}

TEST_F(File_Status_Test, AnotherProcessHoldingTheFileMakesItOpen) {
  {
    test::File_Holder holder(path);
    ASSERT_TRUE(holder.Holding());
    EXPECT_EQ(Get_File_Status(path), "OPEN");
    EXPECT_FALSE(Delete_File_If_Closed(path));
    EXPECT_TRUE(test::Exists(path));
  }
  EXPECT_EQ(Get_File_Status(path), "CLOSED") << "the test itself kept nothing busy";
  {
    test::File_Holder locker(path, test::File_Holder::Hold::Posix_Lock);
    ASSERT_TRUE(locker.Holding());
    EXPECT_EQ(Get_File_Status(path), "OPEN");
  }
}

TEST_F(File_Status_Test, OurOwnOpenCountsToo) {
  FILE* f = fopen(path.c_str(), "r");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(Get_File_Status(path), "OPEN");
  fclose(f);
  EXPECT_EQ(Get_File_Status(path), "CLOSED");
}

TEST_F(File_Status_Test, TheGuardedDeleteClearsFlagsFirstSoAReadOnlyFileGoes) {
  Set_File_Attributes(path, true, true, true, true);
  EXPECT_EQ(platform::Get_Attribute_Word(path) & platform::Attribute_Read_Only,
            platform::Attribute_Read_Only);
  EXPECT_TRUE(Delete_File_If_Closed(path));
  EXPECT_FALSE(test::Exists(path));
  EXPECT_FALSE(Delete_File_If_Closed(path)) << "nothing left to delete";
}

TEST_F(File_Status_Test, AHeldFileLosesItsFlagsButStays) {
  Set_File_Attributes(path, true, false, false, false);
  test::File_Holder holder(path);
  EXPECT_FALSE(Delete_File_If_Closed(path));
  EXPECT_TRUE(test::Exists(path));
  EXPECT_EQ(platform::Get_Attribute_Word(path), 0u);
}

TEST_F(File_Status_Test, LongNamesSkipTheTestButTheDeleteStillRefusesAFileInUse) {
  std::string long_dir = dir.Path();
  while (long_dir.size() < 140) {
    long_dir += "/abcdefghijklmnopqrstuvwxyz";
    mkdir(long_dir.c_str(), 0755);
  }
  const std::string long_path = long_dir + "/keldra.ini";
  EXPECT_FALSE(Delete_File_If_Closed(long_path)) << "no file";
  test::Write_File(long_path, "x");
  {
    test::File_Holder holder(long_path);
    EXPECT_FALSE(Delete_File_If_Closed(long_path));
    EXPECT_TRUE(test::Exists(long_path));
  }
  EXPECT_TRUE(Delete_File_If_Closed(long_path));
}

}  // namespace
}  // namespace keldra::extras
