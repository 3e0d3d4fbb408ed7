#include "platform/linux/linux_launcher.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/fakes/hung_volume.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::platform {
namespace {

TEST(Address_For_Url_Handler, ABareWwwHostIsAWebPageAndEverythingElseStays) {
  EXPECT_EQ(Address_For_Url_Handler("www.example.org"), "https://www.example.org");
  EXPECT_EQ(Address_For_Url_Handler("WWW.example.org"), "https://WWW.example.org");
  EXPECT_EQ(Address_For_Url_Handler("mailto:a@b"), "mailto:a@b");
  EXPECT_EQ(Address_For_Url_Handler("https://x/y"), "https://x/y");
  EXPECT_EQ(Address_For_Url_Handler("www."), "www.");
}

// Long enough for the helpers to start on a busy machine; the hung folder's own cost
// is one such wait.
constexpr std::chrono::seconds Busy_Wait{10};

TEST(Find_On_Path, TheFirstFolderInPathsOrderThatHoldsAnExecutableFile) {
  test::Temp_Folder dir;
  for (const char* sub : {"a", "b", "c"}) mkdir((dir / sub).c_str(), 0755);
  test::Write_File(dir / "a/opener", "not executable");
  test::Write_File(dir / "b/opener", "#!/bin/sh\n");
  test::Write_File(dir / "c/opener", "#!/bin/sh\n");
  chmod((dir / "b/opener").c_str(), 0755);
  chmod((dir / "c/opener").c_str(), 0755);
  const std::string path = dir / "a" + ":" + dir / "b" + ":" + dir / "c";
  EXPECT_EQ(Find_On_Path("opener", path, Busy_Wait), dir / "b/opener");
  EXPECT_EQ(Find_On_Path("missing", path, Busy_Wait), "");
  EXPECT_EQ(Find_On_Path(dir / "c/opener", "", Busy_Wait), dir / "c//opener");
}

TEST(Find_On_Path, AHungFolderFirstOnPathIsPassedOver) {
  test::Temp_Folder dir;
  test::Hung_Volume hung(dir / "hung", "deep-gate=" + (dir / "gate"));
  if (!hung.Mounted()) GTEST_SKIP() << "no hung FUSE volume here: " << hung.Why_Not();
  test::Write_File(dir / "gate", "");
  mkdir((dir / "bin").c_str(), 0755);
  test::Write_File(dir / "bin/opener", "#!/bin/sh\n");
  chmod((dir / "bin/opener").c_str(), 0755);
  const std::string path = dir / "hung/bin" + ":" + dir / "bin";
  // The wait is a hung volume's; the folder after it has answered long before it ends.
  EXPECT_EQ(Find_On_Path("opener", path, Busy_Wait), dir / "bin/opener");
}

}  // namespace
}  // namespace keldra::platform
