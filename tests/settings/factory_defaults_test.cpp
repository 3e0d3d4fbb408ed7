#include "settings/factory_defaults.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "tests/fakes/file_holder.h"
#include "tests/fakes/scripted_message_boxes.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::settings {
namespace {

struct Reset : ::testing::Test {
  void SetUp() override { test::Write_File(path, "[keldra]\ntimer_interval=5000\n"); }
  // The window leaves its state in its own time: the show sequence waits for it.
  void Run() {
    std::function<void()> left_state;
    Restore_Factory_Defaults(boxes, path,
                             {[&](std::function<void()> then) {
                                log.push_back("restore");
                                left_state = std::move(then);
                              },
                              [this] { log.push_back("show"); }});
    if (!left_state) return;
    EXPECT_EQ(log.back(), "restore") << "nothing is placed before the window is out";
    left_state();
  }
  test::Temp_Folder dir;
  std::string path = dir / "keldra.ini";
  test::Scripted_Message_Boxes boxes;
  std::vector<std::string> log;
};

TEST_F(Reset, TheConfirmationIsAWarningOfFourPiecesWithYesAndNo) {
  boxes.answers = {platform::Button_No};
  Run();
  ASSERT_EQ(boxes.shown.size(), 1u);
  const auto& box = boxes.shown[0];
  EXPECT_EQ(box.kind, platform::Message_Kind::Warning);
  EXPECT_EQ(box.buttons, platform::Button_Yes | platform::Button_No);
  // piece 1, line break, piece 2, line break, piece 3, two line breaks, piece 4
  const std::string& t = box.text;
  const std::size_t b1 = t.find("\r\n");
  const std::size_t b2 = t.find("\r\n", b1 + 2);
  const std::size_t b3 = t.find("\r\n\r\n", b2 + 2);
  ASSERT_NE(b3, std::string::npos) << t;
  EXPECT_EQ(t.find("\r\n", b3 + 4), std::string::npos);
  EXPECT_NE(t.find("delete"), std::string::npos) << "says that Yes deletes the settings";
  EXPECT_NE(t.substr(b3 + 4).find("restore the defaults"), std::string::npos);
}

TEST_F(Reset, NoOrClosingTheBoxChangesNothing) {
  for (auto answer : {platform::Button_No, platform::Button_None}) {
    boxes.answers = {answer};
    Run();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(test::Read_File(path), "[keldra]\ntimer_interval=5000\n");
  }
}

TEST_F(Reset, YesDeletesEvenAReadOnlyFileThenRestoresAndShows) {
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  boxes.answers = {platform::Button_Yes};
  Run();
  EXPECT_FALSE(test::Exists(path));
  EXPECT_EQ(log, (std::vector<std::string>{"restore", "show"}));
}

TEST_F(Reset, ThroughALinkTheFileItNamesGoesAndTheLinkStays) {
  mkdir((dir / "dots").c_str(), 0755);
  const std::string real = dir / "dots/real.ini";
  test::Write_File(real, "[keldra]\ntimer_interval=5000\n");
  std::remove(path.c_str());
  ASSERT_EQ(symlink("dots/real.ini", path.c_str()), 0);
  boxes.answers = {platform::Button_Yes};
  Run();
  EXPECT_TRUE(test::Is_Link(path)) << "the link itself was deleted";
  EXPECT_FALSE(test::Exists(real)) << "the settings behind the link were kept";
  EXPECT_EQ(log, (std::vector<std::string>{"restore", "show"}));
}

TEST_F(Reset, AFileHeldByAnotherProcessStaysAndTheShowSequenceStillRuns) {
  test::File_Holder holder(path);
  ASSERT_TRUE(holder.Holding());
  boxes.answers = {platform::Button_Yes};
  Run();
  EXPECT_TRUE(test::Exists(path));
  EXPECT_EQ(log, (std::vector<std::string>{"restore", "show"}));
}

}  // namespace
}  // namespace keldra::settings
