#include "monitor/refresh_pass.h"

#include <gtest/gtest.h>

#include "platform/keldra_error.h"
#include "tests/fakes/fake_disk_space.h"
#include "tests/fakes/recording_rows.h"

namespace keldra::monitor {
namespace {

constexpr std::uint64_t MB = 1ull << 20;
constexpr std::uint64_t GB = 1ull << 30;

class Refresh_Pass_Test : public ::testing::Test {
 protected:
  Refresh_Pass_Test() {
    disk.Set('C', 570 * MB, 1000 * MB);  // 43 % used
    disk.Set('D', 1 * GB, 100 * GB);     // 99 % used
    disk.Set('E', 10 * GB, 100 * GB);    // 90 % used
  }
  void Pass() { Refresh_All_Drives(rows, rows, queries); }
  std::vector<int> Rows(std::initializer_list<int> r) { return r; }

  test::Fake_Disk_Space disk;
  platform::Remembered_Error_Mode mode;
  Disk_Queries queries{disk, mode, "."};
  test::Recording_Rows rows;
};

TEST_F(Refresh_Pass_Test, NoDrivesAndNoTotalShowsNothingAtHeight36) {
  rows.letters = "";
  Pass();
  EXPECT_TRUE(rows.Shown().empty());
  EXPECT_EQ(rows.client_height, 36);
}

TEST_F(Refresh_Pass_Test, NoDrivesWithTheTotalShowsAnEmptyTotalAtHeight29) {
  rows.letters = "";
  rows.show_total = true;
  Pass();
  EXPECT_EQ(rows.Shown(), Rows({1}));
  EXPECT_EQ(rows[1].label, "Tot:");
  EXPECT_EQ(rows[1].gauge, 100);
  EXPECT_EQ(rows[1].color, Bar_Color::Red);
  EXPECT_EQ(rows[1].free, "0");
  EXPECT_EQ(rows.client_height, 29);
}

TEST_F(Refresh_Pass_Test, ThreeDrivesAndTheirTotal) {
  rows.letters = "CDE";
  rows.show_total = true;
  Pass();
  EXPECT_EQ(rows.Shown(), Rows({1, 2, 3, 4}));
  EXPECT_EQ(rows[1].label, "C:");
  EXPECT_EQ(rows[1].gauge, 43);
  EXPECT_EQ(rows[1].color, Bar_Color::Lime);
  EXPECT_EQ(rows[1].free, "570.0 MB / 1000.0 MB");
  EXPECT_EQ(rows[2].gauge, 99);
  EXPECT_EQ(rows[2].color, Bar_Color::Red);
  EXPECT_EQ(rows[3].gauge, 90);
  EXPECT_EQ(rows[3].color, Bar_Color::Yellow);
  EXPECT_EQ(rows[4].label, "Tot:");
  EXPECT_EQ(rows[4].free, "11.56 GB / 200.98 GB");
  EXPECT_EQ(rows[4].gauge, 95);  // 5.75 % free, truncated
  EXPECT_EQ(rows[4].color, Bar_Color::Yellow);
  EXPECT_EQ(rows.client_height, 89);
  // Each drive is asked four times; the total not at all.
  EXPECT_EQ(disk.queried.size(), 12u);
}

TEST_F(Refresh_Pass_Test, LowerCaseLettersShowInUpperCase) {
  rows.letters = "cd";
  Pass();
  EXPECT_EQ(rows[1].label, "C:");
  EXPECT_EQ(rows[2].label, "D:");
  EXPECT_EQ(rows[2].gauge, 99);
}

TEST_F(Refresh_Pass_Test, ALetterListedTwiceIsShownAndCountedTwice) {
  rows.letters = "CC";
  rows.show_total = true;
  Pass();
  EXPECT_EQ(rows.Shown(), Rows({1, 2, 3}));
  EXPECT_EQ(rows[2].free, rows[1].free);
  EXPECT_EQ(rows[3].free, "1.11 GB / 1.95 GB");
}

TEST_F(Refresh_Pass_Test, GoingFromFiveDrivesToThreeHidesFirstThenShowsTheTotal) {
  rows.letters = "CDECD";
  rows.show_total = true;
  Pass();
  EXPECT_EQ(rows.client_height, 20 * 6 + 9);
  rows.letters = "CDE";
  rows.log.clear();
  Pass();
  EXPECT_EQ(rows.Shown(), Rows({1, 2, 3, 4}));
  EXPECT_EQ(rows[4].label, "Tot:");
  EXPECT_EQ(rows.client_height, 89);
  // Rows 4 to 26 are hidden before row 1 is touched.
  const auto first_show = std::find(rows.log.begin(), rows.log.end(), "show label 1");
  const auto hide_5 = std::find(rows.log.begin(), rows.log.end(), "hide label 5");
  const auto hide_26 = std::find(rows.log.begin(), rows.log.end(), "hide free 26");
  ASSERT_NE(first_show, rows.log.end());
  EXPECT_LT(hide_5, first_show);
  EXPECT_LT(hide_26, first_show);
  EXPECT_FALSE(rows[5].label_visible);
}

TEST_F(Refresh_Pass_Test, MoreLettersThanTheLimitShowsTheFirst26) {
  rows.letters = std::string(30, 'C');
  Pass();
  EXPECT_EQ(rows.Shown().size(), 26u);
  EXPECT_EQ(rows.client_height, 20 * 26 + 9);
  EXPECT_EQ(disk.queried.size(), 26u * 4);
}

// With every slot full the first empty slot lies past the limit; the row after
// the limit carries the total so that the total the user asked for still shows.
TEST_F(Refresh_Pass_Test, TwentySixDrivesWithTheTotalPutTheTotalInRow27) {
  rows.letters = std::string(26, 'C');
  rows.show_total = true;
  Pass();
  EXPECT_EQ(rows.Shown().size(), 27u);
  EXPECT_EQ(rows[27].label, "Tot:");
  EXPECT_EQ(rows[27].free, "14.47 GB / 25.39 GB");
  EXPECT_EQ(rows.client_height, 20 * 27 + 9);
  rows.show_total = false;
  Pass();
  EXPECT_EQ(rows.Shown().size(), 26u);
  EXPECT_FALSE(rows[27].label_visible);
  EXPECT_EQ(rows.client_height, 20 * 26 + 9);
}

TEST_F(Refresh_Pass_Test, AFailingDriveIsRedAtHundredWithTextZero) {
  rows.letters = "Q";
  Pass();
  EXPECT_EQ(rows[1].gauge, 100);
  EXPECT_EQ(rows[1].color, Bar_Color::Red);
  EXPECT_EQ(rows[1].free, "0");
}

TEST_F(Refresh_Pass_Test, ColourBoundaries) {
  const struct {
    std::uint64_t free_of_100;
    int used;
    Bar_Color color;
  } cases[] = {{4, 96, Bar_Color::Red},
               {5, 95, Bar_Color::Yellow},
               {15, 85, Bar_Color::Yellow},
               {16, 84, Bar_Color::Lime},
               {100, 0, Bar_Color::Lime},
               {300, 0, Bar_Color::Lime}};  // free above total: clamped to 0 % used
  for (const auto& c : cases) {
    disk.Set('F', c.free_of_100, 100);
    rows.letters = "F";
    Pass();
    EXPECT_EQ(rows[1].gauge, c.used) << c.free_of_100;
    EXPECT_EQ(rows[1].color, c.color) << c.free_of_100;
  }
}

TEST_F(Refresh_Pass_Test, ABadCharacterStopsThePassAtItsSlot) {
  rows.letters = "CDE";
  rows.show_total = true;
  Pass();
  const auto before = rows.rows;
  disk.Set('C', 100 * MB, 1000 * MB);
  rows.letters = "C1EC";
  try {
    Pass();
    FAIL() << "the pass went through a bad slot";
  } catch (const Keldra_Error& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  EXPECT_EQ(rows[1].gauge, 90) << "the slot before the bad one is updated";
  EXPECT_EQ(rows[2].label, before[1].label) << "the bad slot's row keeps its state";
  EXPECT_EQ(rows[3].free, before[2].free);
  EXPECT_TRUE(rows[4].label_visible);
  EXPECT_EQ(rows[4].label, "Tot:") << "a later filled slot keeps its state";
  EXPECT_EQ(rows.client_height, 89) << "the height is left alone";
}

TEST_F(Refresh_Pass_Test, HeightIsSetOnlyWhenItDiffersAndComesBackAfterADrag) {
  rows.letters = "C";
  Pass();
  EXPECT_EQ(rows.height_sets, 1);
  Pass();
  EXPECT_EQ(rows.height_sets, 1);
  rows.client_height = 300;  // the user dragged the frame
  Pass();
  EXPECT_EQ(rows.client_height, 29);
}

TEST_F(Refresh_Pass_Test, ALimitOfZeroSkipsToTheHeight) {
  rows.letters = "CDE";
  rows.limit = 0;
  Pass();
  EXPECT_TRUE(rows.Shown().empty());
  EXPECT_EQ(rows.client_height, 36);
  EXPECT_TRUE(disk.queried.empty());
}

TEST_F(Refresh_Pass_Test, ThePassTotalsStartFromZeroEveryPass) {
  rows.letters = "C";
  rows.show_total = true;
  Pass();
  Pass();
  EXPECT_EQ(rows[2].free, "570.0 MB / 1000.0 MB");
}

}  // namespace
}  // namespace keldra::monitor
