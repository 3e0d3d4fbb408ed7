#include "report/report_options.h"

#include <charconv>

namespace keldra::report {

std::optional<Report_Options> Parse_Report_Options(const std::vector<std::string>& arguments) {
  Report_Options options;
  bool format_given = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == "--watch") {
      if (options.watch_seconds || i + 1 == arguments.size()) return std::nullopt;
      const std::string& n = arguments[++i];
      int seconds = 0;
      const auto [end, error] = std::from_chars(n.data(), n.data() + n.size(), seconds);
      if (error != std::errc() || end != n.data() + n.size() || seconds < 1 ||
          seconds > Max_Watch_Seconds) {
        return std::nullopt;
      }
      options.watch_seconds = seconds;
      continue;
    }
    if (a == "--notify") {
      if (options.notify) return std::nullopt;
      options.notify = true;
      continue;
    }
    Report_Format format;
    if (a == "--json") {
      format = Report_Format::Json;
    } else if (a == "--waybar") {
      format = Report_Format::Waybar;
    } else if (a == "--drives") {
      format = Report_Format::Drives;
    } else {
      return std::nullopt;
    }
    if (format_given) return std::nullopt;
    format_given = true;
    options.format = format;
  }
  // The drive table is a one-off listing, not a status to follow.
  if (options.format == Report_Format::Drives && options.watch_seconds) return std::nullopt;
  // Notices come from following the drives; alone, they print nothing (a service's
  // log is not filled with a report a minute).
  if (options.notify && !options.watch_seconds) return std::nullopt;
  if (options.notify && !format_given) options.format = Report_Format::None;
  return options;
}

}  // namespace keldra::report
