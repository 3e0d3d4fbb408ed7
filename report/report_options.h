#pragma once
// keldra-report's command line.
#include <optional>
#include <string>
#include <vector>

namespace keldra::report {

enum class Report_Format { Text, Json, Waybar, Drives };

struct Report_Options {
  Report_Format format = Report_Format::Text;
  // --watch SECONDS: one report per interval until stopped; none for a single report.
  std::optional<int> watch_seconds;
};

// The longest interval --watch takes: a day.
inline constexpr int Max_Watch_Seconds = 86400;

// The options, or nothing for a command line that is not keldra-report's (then the
// usage line is printed and the status is 2).
std::optional<Report_Options> Parse_Report_Options(const std::vector<std::string>& arguments);

inline constexpr const char* Report_Usage =
    "usage: keldra-report [--json | --waybar] [--watch SECONDS] | --drives\n";

}  // namespace keldra::report
