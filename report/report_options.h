#pragma once
// keldra-report's command line.
#include <optional>
#include <string>
#include <vector>

namespace keldra::report {

// None: no report at all, with --notify alone.
enum class Report_Format { Text, Json, Waybar, Drives, None };

struct Report_Options {
  Report_Format format = Report_Format::Text;
  // --watch SECONDS: one report per interval until stopped; none for a single report.
  std::optional<int> watch_seconds;
  // --notify: a desktop notice when a drive runs low on space (with --watch only).
  bool notify = false;
};

// The longest interval --watch takes: a day.
inline constexpr int Max_Watch_Seconds = 86400;

// The options, or nothing for a command line that is not keldra-report's (then the
// usage line is printed and the status is 2).
std::optional<Report_Options> Parse_Report_Options(const std::vector<std::string>& arguments);

inline constexpr const char* Report_Usage =
    "usage: keldra-report [--json | --waybar] [--watch SECONDS [--notify]] | --drives\n";

}  // namespace keldra::report
