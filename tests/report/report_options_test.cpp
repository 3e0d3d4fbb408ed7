#include "report/report_options.h"

#include <gtest/gtest.h>

#include "report/waybar.h"

namespace keldra::report {
namespace {

struct Options_Case {
  std::vector<std::string> arguments;
  bool valid;
  Report_Format format = Report_Format::Text;
  std::optional<int> watch = std::nullopt;
};

TEST(Report_Options, CommandLines) {
  const Options_Case cases[] = {
      {{}, true},
      {{"--json"}, true, Report_Format::Json},
      {{"--waybar"}, true, Report_Format::Waybar},
      {{"--drives"}, true, Report_Format::Drives},
      {{"--watch", "5"}, true, Report_Format::Text, 5},
      {{"--waybar", "--watch", "1"}, true, Report_Format::Waybar, 1},
      {{"--watch", "86400", "--json"}, true, Report_Format::Json, 86400},
      {{"--watch"}, false},
      {{"--watch", "0"}, false},
      {{"--watch", "86401"}, false},
      {{"--watch", "1x"}, false},
      {{"--watch", "-1"}, false},
      {{"--watch", "1", "--watch", "2"}, false},
      {{"--json", "--waybar"}, false},
      {{"--drives", "--watch", "1"}, false},
      {{"--help"}, false},
      {{"--watch", "60", "--notify"}, true, Report_Format::None, 60},  // notices alone
      {{"--notify", "--waybar", "--watch", "1"}, true, Report_Format::Waybar, 1},
      {{"--notify"}, false},  // nothing to follow
      {{"--watch", "1", "--notify", "--notify"}, false},
  };
  for (const Options_Case& c : cases) {
    std::string shown;
    for (const std::string& a : c.arguments) shown += a + ' ';
    const std::optional<Report_Options> got = Parse_Report_Options(c.arguments);
    ASSERT_EQ(got.has_value(), c.valid) << shown;
    if (!got) continue;
    EXPECT_EQ(got->format, c.format) << shown;
    EXPECT_EQ(got->watch_seconds, c.watch) << shown;
  }
}

Shown_Row Row(std::string label, int used, monitor::Bar_Color colour, bool total = false,
              platform::Answer_Freshness state = platform::Answer_Freshness::Fresh) {
  Shown_Row r;
  r.label = std::move(label);
  r.gauge = used;
  r.color = colour;
  r.text = "1.00 GB / 2.00 GB";
  r.figures.freshness.state = state;
  r.total = total;
  return r;
}

TEST(Waybar, ClassIsTheWorstDriveTheTotalLeftOutAndStaleBeatsAll) {
  using monitor::Bar_Color;
  using platform::Answer_Freshness;
  const Shown_Row ok = Row("C:", 40, Bar_Color::Lime);
  const Shown_Row warning = Row("D:", 90, Bar_Color::Yellow);
  const Shown_Row critical = Row("E:", 99, Bar_Color::Red);
  const Shown_Row red_total = Row("Tot:", 99, Bar_Color::Red, true);
  EXPECT_EQ(Waybar_Class({}), "ok");
  EXPECT_EQ(Waybar_Class({ok, red_total}), "ok");
  EXPECT_EQ(Waybar_Class({ok, warning}), "warning");
  EXPECT_EQ(Waybar_Class({critical, warning, ok}), "critical");
  for (const Answer_Freshness state : {Answer_Freshness::Held, Answer_Freshness::Missing}) {
    EXPECT_EQ(Waybar_Class({critical, Row("H:", 10, Bar_Color::Lime, false, state)}), "stale");
  }
}

TEST(Waybar, OneLineWithShortTextRowsAsTooltipAndTheWorstPercentage) {
  using monitor::Bar_Color;
  const std::string line =
      Waybar_Line({Row("C:", 23, Bar_Color::Lime), Row("D:", 85, Bar_Color::Yellow),
                   Row("Tot:", 60, Bar_Color::Lime, true)});
  EXPECT_EQ(line,
            "{\"text\": \"C 23% D 85%\", \"tooltip\": \"C:\\t23\\tlime\\t1.00 GB / 2.00 GB\\n"
            "D:\\t85\\tyellow\\t1.00 GB / 2.00 GB\\nTot:\\t60\\tlime\\t1.00 GB / 2.00 GB\", "
            "\"class\": \"warning\", \"percentage\": 85}\n");
}

}  // namespace
}  // namespace keldra::report
