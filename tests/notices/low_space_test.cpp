#include <gtest/gtest.h>

#include "notices/low_space_notifier.h"
#include "tests/fakes/fake_services.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::notices {
namespace {

constexpr std::int64_t GiB_KB = 1024 * 1024;

TEST(Low_Space_Rules, BelowMeansBelowBothTheShareAndTheSize) {
  const Notice_Limits limits;  // 5 %, 2048 MB
  struct Case {
    std::int64_t free_kb, capacity_kb;
    bool below;
  } cases[] = {
      {GiB_KB, 100 * GiB_KB, true},          // 1 %, 1 GiB
      {3 * GiB_KB, 100 * GiB_KB, false},     // 3 %, but 3 GiB left
      {100 * GiB_KB, 4000 * GiB_KB, false},  // 2.5 %, but 100 GiB left
      {400 * 1024, 1000 * 1024, false},      // 400 MB, but 40 % of a small stick
      {0, 10 * GiB_KB, true},                // full
      {GiB_KB, 20 * GiB_KB, false},          // exactly 5 %: not below
      {0, 0, false},                         // no capacity: no drive
      {GiB_KB, INT64_MAX, true},             // a huge volume does not wrap the share
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Below_Limits(limits, c.free_kb, c.capacity_kb), c.below)
        << c.free_kb << " of " << c.capacity_kb;
  }
  EXPECT_FALSE(Below_Limits({0, 2048}, 0, GiB_KB)) << "a share of 0 turns them off";
  EXPECT_FALSE(Below_Limits({5, 0}, 0, GiB_KB)) << "a size of 0 turns them off";
}

// One drive of 100 GiB through a run of passes: which passes raise a notice.
TEST(Low_Space_Rules, WarnsOnceThenOnlyWhenHalvedOrAfterRecovering) {
  struct Pass {
    std::int64_t free_kb;
    bool current, read_only, notice;
  } passes[] = {
      {50 * GiB_KB, true, false, false},  // plenty
      {GiB_KB, true, false, true},        // falls below
      {GiB_KB - 1000, true, false, false},
      {GiB_KB / 2 + 1, true, false, false},  // not quite halved
      {GiB_KB / 2, true, false, true},       // halved since the last notice
      {10, true, false, false},              // held figures say nothing new
      {0, true, false, true},                // full
      {0, true, false, false},               // and full again is not news
      {50 * GiB_KB, false, false, false},    // held figures are not a recovery
      {0, true, false, false},
      {50 * GiB_KB, true, false, false},  // recovered
      {GiB_KB, true, true, false},        // read-only: never
      {GiB_KB, true, false, true},        // fell again
  };
  passes[5].current = false;
  Notice_Memory memory;
  int n = 0;
  for (const Pass& p : passes) {
    bool changed = false;
    const auto raised = Drives_To_Notice(
        memory, {}, {{'D', p.free_kb, 100 * GiB_KB, p.current, p.read_only}}, changed);
    EXPECT_EQ(raised.size(), p.notice ? 1U : 0U) << "pass " << n;
    if (p.notice) {
      EXPECT_TRUE(changed) << "pass " << n;
    }
    ++n;
  }
  memory.quiet[3] = true;
  bool changed = false;
  EXPECT_TRUE(Drives_To_Notice(memory, {}, {{'D', 0, 100 * GiB_KB, true, false}}, changed).empty())
      << "a drive not to be warned about again";
}

TEST(Notice_File, ReadsWhatItSavesAndOnlyTheChangedKeys) {
  test::Temp_Folder folder;
  const std::string path = folder / "notices.ini";
  test::Write_File(path, "[other]\nx=1\n[notices]\nfree_percent=12\nfree_megabytes=oops\n");
  Notice_Settings then = Load_Notice_Settings(path, std::chrono::seconds(30));
  EXPECT_EQ(then.limits.free_percent, 12);
  EXPECT_EQ(then.limits.free_megabytes, 2048) << "a malformed size reads as the default";
  EXPECT_FALSE(then.limits_in_file);

  Notice_Settings now = then;
  now.memory.quiet[25] = true;
  now.memory.noticed_free_kb[2] = 5'000'000'000;  // past 32 bits
  ASSERT_TRUE(Save_Notice_Changes(then, now, path, std::chrono::seconds(30)));
  const Notice_Settings read = Load_Notice_Settings(path, std::chrono::seconds(30));
  EXPECT_TRUE(read.limits_in_file) << test::Read_File(path);
  EXPECT_EQ(read.limits.free_megabytes, 2048);
  EXPECT_TRUE(read.memory.quiet[25]);
  EXPECT_EQ(read.memory.noticed_free_kb[2], 5'000'000'000);
  EXPECT_FALSE(read.memory.noticed_free_kb[3]);
  EXPECT_NE(test::Read_File(path).find("x=1"), std::string::npos) << "another section kept";

  EXPECT_EQ(
      Parse_Notice_Settings("[notices]\nfree_percent=101\nquiet_drives=c?Z\n").limits.free_percent,
      5);
  EXPECT_TRUE(Parse_Notice_Settings("[notices]\nquiet_drives=c?Z\n").memory.quiet[2]);
}

// Shows what it is given, and lets the test answer as the user.
class Fake_Notices final : public platform::Desktop_Notices {
 public:
  explicit Fake_Notices(std::vector<platform::Desktop_Notice>& shown) : shown_(shown) {}
  void Show(const platform::Desktop_Notice& notice) override { shown_.push_back(notice); }

 private:
  std::vector<platform::Desktop_Notice>& shown_;
};

TEST(Low_Space_Notifier, ShowsTheNoticeAndCarriesOutTheAnswers) {
  test::Temp_Folder folder;
  test::Fake_Drive_Table drives;
  drives.directories['E'] = "/media/stick";
  test::Recording_Launcher launcher;
  std::vector<platform::Desktop_Notice> shown;
  platform::Notice_Events events;
  Low_Space_Notifier notifier(
      folder / "notices.ini", drives, launcher, ".", {},
      [&](platform::Notice_Events e, std::string&) -> std::unique_ptr<platform::Desktop_Notices> {
        events = std::move(e);
        return std::make_unique<Fake_Notices>(shown);
      });
  std::string why;
  ASSERT_TRUE(notifier.Start(why));
  notifier.Take_Pass({{'E', 1536, 16 * GiB_KB, true, false}});
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_EQ(shown[0].summary, "Low disk space on E:");
  EXPECT_EQ(shown[0].body, "1.5 MB free of 16.00 GB\n/media/stick");
  EXPECT_EQ(shown[0].quiet_label, "Don't warn again for this drive");

  events.action('E', platform::Notice_Action::Open);
  EXPECT_EQ(launcher.started, std::vector<std::string>{"open [/media/stick]"});
  events.action('E', platform::Notice_Action::Quiet);
  notifier.Take_Pass({{'E', 0, 16 * GiB_KB, true, false}});
  EXPECT_EQ(shown.size(), 1U) << "warned after don't warn again";
  // Kept for the next run, with the defaults written in for a user to find.
  const Notice_Settings stored =
      Load_Notice_Settings(folder / "notices.ini", std::chrono::seconds(30));
  EXPECT_TRUE(stored.memory.quiet[4]);
  EXPECT_TRUE(stored.limits_in_file);
}

}  // namespace
}  // namespace keldra::notices
