#include "monitor/disk_queries.h"

#include <limits>

#include <gtest/gtest.h>

#include "tests/fakes/fake_disk_space.h"

namespace keldra::monitor {
namespace {

// Records the error mode in force at each query.
class Watched_Error_Mode final : public platform::Error_Mode {
 public:
  std::uint32_t Set_Error_Mode(std::uint32_t mode) override {
    std::uint32_t previous = mode_;
    mode_ = mode;
    return previous;
  }
  std::uint32_t mode_ = 0x8000;  // some mode the caller had set
};

TEST(Disk_Queries, QueriesTheRootPathOfTheNumberAndAnswersTotalAndTotalFree) {
  test::Fake_Disk_Space disk;
  disk.Set('C', 123, 456);
  disk.Set('Z', 7, 8);
  platform::Remembered_Error_Mode mode;
  Disk_Queries q(disk, mode, ".");
  EXPECT_EQ(q.Get_Disk_Free_Bytes(3), 123);
  EXPECT_EQ(q.Get_Disk_Total_Bytes(3), 456);
  EXPECT_EQ(q.Get_Disk_Total_Bytes(26), 8);
  EXPECT_EQ(q.Get_Disk_Free_Bytes(1), 0) << "a letter with no drive";
  EXPECT_EQ(q.Get_Drive_Pct_Free(1), 0);
  EXPECT_EQ((std::vector<std::string>{"C:\\", "C:\\", "Z:\\", "A:\\", "A:\\", "A:\\"}),
            disk.queried);
}

TEST(Disk_Queries, FreeMeansTheWholeVolumeNotWhatAQuotaLeavesTheCaller) {
  struct Quota_Disk final : platform::Disk_Space {
    platform::Disk_Space_Figures Get_Disk_Free_Space_Ex(std::string_view) override {
      return {/*to caller*/ 10, /*total*/ 200, /*total free*/ 600};
    }
  } disk;
  platform::Remembered_Error_Mode mode;
  Disk_Queries q(disk, mode, ".");
  EXPECT_EQ(q.Get_Disk_Free_Bytes(3), 600);
  EXPECT_EQ(q.Get_Drive_Pct_Free(3), 300);  // above 100: the gauge clamps it
}

TEST(Disk_Queries, FiguresPast64BitsKeepTheirRatioAndTextAndNeverWrap) {
  const platform::u128 one{1};
  test::Fake_Disk_Space disk;
  disk.Set('D', one << 64, one << 65);  // 32 EiB, half free
  disk.Set('E', one << 100, one << 101);
  platform::Remembered_Error_Mode mode;
  Disk_Queries q(disk, mode, ".");
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(q.Get_Disk_Total_Bytes(4), kMax) << "held at the signed range's edge";
  EXPECT_EQ(q.Get_Drive_Pct_Free(4), 50);
  EXPECT_EQ(q.Get_Drive_Size_Text(4), "16777216.00 TB / 33554432.00 TB");
  EXPECT_EQ(q.Last_Size_Figures().capacity_kb, std::int64_t{1} << 55);
  EXPECT_EQ(q.Get_Drive_Pct_Free(5), 50);
  q.Get_Drive_Size_Text(5);
  EXPECT_EQ(q.Last_Size_Figures().free_kb, kMax);
  q.Get_Drive_Size_Text(5);
  EXPECT_EQ(q.Totals().Total_Free_KB, kMax) << "the totals saturate rather than wrap";
  EXPECT_EQ(q.Totals().Total_Capacity_KB, kMax);
}

TEST(Disk_Queries, EveryQueryRunsWithCriticalErrorsSuppressedAndTheModeComesBack) {
  test::Fake_Disk_Space disk;
  disk.Set('C', 1, 2);
  Watched_Error_Mode mode;
  std::vector<std::uint32_t> during;
  disk.on_query = [&] { during.push_back(mode.mode_); };
  Disk_Queries q(disk, mode, ".");
  q.Get_Drive_Pct_Free(3);
  q.Get_Drive_Size_Text(3);
  ASSERT_EQ(during.size(), 4u);
  for (std::uint32_t m : during) EXPECT_EQ(m, platform::Fail_Critical_Errors);
  EXPECT_EQ(mode.mode_, 0x8000u);
}

TEST(Disk_Queries, TheModeComesBackWhenAQueryThrows) {
  test::Fake_Disk_Space disk;
  Watched_Error_Mode mode;
  disk.on_query = [] { throw std::runtime_error("boom"); };
  Disk_Queries q(disk, mode, ".");
  EXPECT_THROW(q.Get_Drive_Pct_Free(3), std::runtime_error);
  EXPECT_THROW(q.Get_Drive_Size_Text(3), std::runtime_error);
  EXPECT_EQ(mode.mode_, 0x8000u);
}

TEST(Disk_Queries, TheTotalRowAnswersFromThePassTotals) {
  test::Fake_Disk_Space disk;
  platform::Remembered_Error_Mode mode;
  Disk_Queries q(disk, mode, ".");
  q.Totals() = {300, 1000, std::nullopt};
  EXPECT_EQ(q.Get_Drive_Pct_Free(99), 30);
  q.Totals() = {0, 0, std::nullopt};
  EXPECT_EQ(q.Get_Drive_Pct_Free(99), 0);
  EXPECT_TRUE(disk.queried.empty());
}

}  // namespace
}  // namespace keldra::monitor
