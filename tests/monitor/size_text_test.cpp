#include "monitor/size_text.h"

#include <gtest/gtest.h>

#include "monitor/disk_queries.h"
#include "tests/fakes/fake_disk_space.h"

namespace keldra::monitor {
namespace {

TEST(Bytes_To_Kilobytes, RoundsHalvesToEven) {
  const struct {
    std::int64_t bytes, kb;
  } cases[] = {{0, 0},
               {511, 0},
               {512, 0},
               {513, 1},
               {1024, 1},
               {1535, 1},
               {1536, 2},
               {2560, 2},
               {2561, 3},
               {3584, 4},
               {-1536, -2},
               {500107862016, 488386584},
               {123456789012, 120563271},
               {1099511628800, 1073741825}};
  for (const auto& c : cases) EXPECT_EQ(Bytes_To_Kilobytes(c.bytes), c.kb) << c.bytes;
}

TEST(Unit_Form, StrictBoundariesAndExactDecimalRounding) {
  const struct {
    std::int64_t kb;
    const char* text;
  } cases[] = {
      {-5, "0"},
      {0, "0"},
      {1, "1024 Bytes"},
      {2, "2.0 KB"},
      {1024, "1024.0 KB"},
      {1025, "1.0 MB"},
      {1280, "1.3 MB"},  // 1.25 exactly: the half goes away from zero
      {1331, "1.3 MB"},
      {1126, "1.1 MB"},  // 1.099609375
      {1048576, "1024.0 MB"},
      {1048577, "1.00 GB"},
      {1179648, "1.13 GB"},  // 1.125 exactly
      {1174405, "1.12 GB"},  // 1.11999988...
      {1073741824, "1024.00 GB"},
      {1073741825, "1.00 TB"},
      {1953514584, "1.82 TB"},
      {120563271, "114.98 GB"},
      {488386584, "465.76 GB"},
      {1048575, "1024.0 MB"},  // 1023.999 rounds up to the unit's edge
  };
  for (const auto& c : cases) EXPECT_EQ(Unit_Form(c.kb, "."), c.text) << c.kb;
}

TEST(Unit_Form, UsesTheGivenSeparatorAndNoThousandsSeparator) {
  EXPECT_EQ(Unit_Form(120563271, ","), "114,98 GB");
  EXPECT_EQ(Unit_Form(1048576, ","), "1024,0 MB");
  EXPECT_EQ(Unit_Form(1073741825ll * 5000, "."), "5000.00 TB");
}

TEST(Unit_Form, CapsSignificantDigitsAtTen) {
  // 123456789.126... TB: the tenth significant digit is the first decimal.
  const std::int64_t kb = 132560717941549354;  // 123456789.1262 TB
  EXPECT_EQ(Unit_Form(kb, "."), "123456789.10 TB");
  // The largest count there can be: ten digits, decimals all zeros.
  EXPECT_EQ(Unit_Form(std::numeric_limits<std::int64_t>::max(), "."), "8589934592.00 TB");
}

// The example table, bytes as the system reports them, through the real queries.
TEST(Get_Drive_Size_Text, ReproducesTheExampleTableAndFeedsThePassTotals) {
  const struct {
    std::uint64_t free, total;
    std::int64_t f_kb, t_kb;
    const char* text;
  } cases[] = {
      {123456789012, 500107862016, 120563271, 488386584, "114.98 GB / 465.76 GB"},
      {0, 500107862016, 0, 488386584, "0 / 465.76 GB"},
      {2000398934016, 2000398934016, 1953514584, 1953514584, "1.82 TB / 1.82 TB"},
      {1099511627776, 1099511628800, 1073741824, 1073741825, "1024.00 GB / 1.00 TB"},
      {1073741824, 2147483648, 1048576, 2097152, "1024.0 MB / 2.00 GB"},
      {1048576, 2097152, 1024, 2048, "1024.0 KB / 2.0 MB"},
      {1457664, 1457664, 1424, 1424, "1.4 MB / 1.4 MB"},
      {1310720, 1457664, 1280, 1424, "1.3 MB / 1.4 MB"},
      {1536, 1457664, 2, 1424, "2.0 KB / 1.4 MB"},
      {512, 1457664, 0, 1424, "0 / 1.4 MB"},
      {5000, 0, 5, 0, "0"},
      {0, 0, 0, 0, "0"},
  };
  for (const auto& c : cases) {
    test::Fake_Disk_Space disk;
    disk.Set('D', c.free, c.total);
    platform::Remembered_Error_Mode mode;
    Disk_Queries q(disk, mode, ".");
    EXPECT_EQ(q.Get_Drive_Size_Text(4), c.text);
    EXPECT_EQ(q.Totals().Total_Free_KB, c.f_kb) << c.text;
    EXPECT_EQ(q.Totals().Total_Capacity_KB, c.t_kb) << c.text;
  }
}

TEST(Get_Drive_Size_Text, TheTotalRowReadsThePassTotalsAndLeavesThemAlone) {
  test::Fake_Disk_Space disk;
  disk.Set('C', 1024 * 1024, 2048 * 1024);
  disk.Set('D', 2048 * 1024, 4096 * 1024);
  platform::Remembered_Error_Mode mode;
  Disk_Queries q(disk, mode, ".");
  EXPECT_EQ(q.Get_Drive_Size_Text(99), "0");  // no drives yet
  q.Get_Drive_Size_Text(3);
  q.Get_Drive_Size_Text(4);
  const std::size_t queries_before = disk.queried.size();
  EXPECT_EQ(q.Get_Drive_Size_Text(99), "3.0 MB / 6.0 MB");
  EXPECT_EQ(q.Get_Drive_Size_Text(99), "3.0 MB / 6.0 MB");
  EXPECT_EQ(q.Totals().Total_Free_KB, 3072);
  EXPECT_EQ(q.Totals().Total_Capacity_KB, 6144);
  EXPECT_EQ(disk.queried.size(), queries_before) << "the TotalRow queried a drive";
}

}  // namespace
}  // namespace keldra::monitor
