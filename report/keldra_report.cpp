// keldra-report: the window's view without the window. One refresh pass over the
// drives keldra.ini names, one line per row the window would show, or with --json
// one JSON document of them, or with --waybar one status-bar line; with --watch, one
// such report per interval until stopped; or, with --drives, the drive table.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monitor/chooser_entries.h"
#include "monitor/disk_queries.h"
#include "monitor/refresh_pass.h"
#include "notices/low_space_notifier.h"
#include "platform/keldra_error.h"
#include "platform/module_path.h"
#include "platform/platform_services.h"
#include "platform/program_files.h"
#include "platform/regional.h"
#include "platform/standard_streams.h"
#include "platform/stop_requests.h"
#include "report/report_json.h"
#include "report/report_options.h"
#include "report/report_rows.h"
#include "report/waybar.h"
#include "settings/load_save.h"
#include "settings/memory_settings_holder.h"
#include "settings/settings_file.h"

namespace {

using namespace keldra;

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

bool output_open = true;

// A report that could not be written (a full disk, a closed output, a reader gone with
// SIGPIPE ignored) is a failure: a script must not take an empty file for success.
int Output_Status(int status) {
  const char* why = "standard output is closed";
  if (output_open) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    why = std::strerror(errno);
  }
  std::fprintf(stderr, "keldra-report: the report could not be written: %s\n", why);
  return status == 0 ? 1 : status;
}

int Print_Drives(const platform::Drive_Table& table) {
  std::string out;
  for (const platform::Drive_Entry& d : table.Drives()) {
    out += std::string(1, d.letter) + '\t' + platform::Drive_Type_Name(d.type) + '\t' +
           report::Escape_Controls(d.directory) + '\t' +
           report::Escape_Controls(monitor::Chooser_Entry_Text(d)) + '\n';
  }
  Print(out);
  return 0;
}

// Each drive row's figures as the low-space notices weigh them: only this pass's
// answers count as current.
std::vector<notices::Drive_Reading> Readings_Of(const std::vector<report::Shown_Row>& rows) {
  std::vector<notices::Drive_Reading> readings;
  for (const report::Shown_Row& r : rows) {
    if (r.total || r.label.empty()) continue;
    const monitor::Size_Figures& f = r.figures;
    readings.push_back(
        {r.label[0], f.free_kb, f.capacity_kb,
         f.queried && !f.not_mounted && f.freshness.state == platform::Answer_Freshness::Fresh,
         f.read_only});
  }
  return readings;
}

// One report in the chosen format, made from one refresh pass; a failed pass still
// gives the rows done so far, and says why in `error`. The notifier, when there is
// one, weighs the same pass.
std::string One_Report(const settings::Memory_Settings_Holder& loaded,
                       monitor::Disk_Queries& queries, report::Report_Format format,
                       std::string& error, notices::Low_Space_Notifier* notifier = nullptr) {
  report::Report_Rows rows(loaded.letters, loaded.total, &queries);
  error.clear();
  try {
    monitor::Refresh_All_Drives(rows, rows, queries);
  } catch (const Keldra_Error& e) {
    error = Standard_Error_Text(e.what());
  }
  if (notifier != nullptr) notifier->Take_Pass(Readings_Of(rows.Shown()));
  switch (format) {
    case report::Report_Format::Json: return report::Rows_As_Json(rows.Shown());
    case report::Report_Format::Waybar: return report::Waybar_Line(rows.Shown());
    case report::Report_Format::None: return std::string();
    default: break;
  }
  return rows.Shown_Rows();
}

// --watch: a report each interval, each written and flushed whole, until a stop is
// asked for or the reader has gone (both end it with status 0). A pass never takes
// longer than its one bounded wait, so a hung volume never stops the stream.
int Watch(const settings::Memory_Settings_Holder& loaded, monitor::Disk_Queries& queries,
          report::Report_Format format, std::chrono::seconds interval,
          notices::Low_Space_Notifier* notifier) {
  platform::Stop_Requests stop;
  std::string error;
  for (;;) {
    const auto started = std::chrono::steady_clock::now();
    std::string out = One_Report(loaded, queries, format, error, notifier);
    if (format == report::Report_Format::Text) out += '\n';  // a blank line between reports
    Print(out);
    // Notices alone print nothing: only a reader that was there and went ends them.
    if (format == report::Report_Format::None) {
      std::fflush(stdout);
    } else if (!output_open || std::fflush(stdout) != 0 || std::ferror(stdout)) {
      if (errno == EPIPE || !output_open) return 0;  // nobody reads any more
      return Output_Status(0);
    }
    if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
    const auto spent = std::chrono::steady_clock::now() - started;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(interval - spent);
    if (stop.Wait(std::max(left, std::chrono::milliseconds(0)))) return 0;
  }
}

int Run(int argc, char** argv) {
  output_open = platform::Hold_Standard_Streams();
  const std::optional<report::Report_Options> options =
      report::Parse_Report_Options(std::vector<std::string>(argv + 1, argv + argc));
  if (!options) {
    std::fputs(report::Report_Usage, stderr);
    return 2;
  }
  const bool drives_only = options->format == report::Report_Format::Drives;
  const std::string exe = platform::Module_File_Name();
  // Both files, and then the volumes, in one helper.
  if (drives_only) {
    platform::Start_Spare_Helpers();
  } else {
    settings::Start_Early_Reads(exe);
  }
  // Read while the helper reads the two files, as the window does.
  const std::string separator =
      drives_only ? std::string() : platform::Decimal_Separator_From_Environment();
  platform::Platform_Services os = platform::Make_Platform_Services(platform::Settings_Folder(exe));
  if (drives_only) return Output_Status(Print_Drives(*os.drives));

  // The settings as the window loads them, so that the report shows its rows.
  settings::Memory_Settings_Holder loaded;
  settings::Load_Settings_Within(loaded, settings::Settings_File_Path(exe));
  monitor::Disk_Queries queries(*os.disk, *os.error_mode, separator);
  std::unique_ptr<notices::Low_Space_Notifier> notifier;
  if (options->notify) {
    notifier = std::make_unique<notices::Low_Space_Notifier>(
        notices::Notice_File_Path(exe), *os.drives, *os.launcher, separator,
        [](const std::string& text) { std::fprintf(stderr, "keldra-report: %s\n", text.c_str()); });
    std::string why;
    if (!notifier->Start(why)) {
      std::fprintf(stderr, "keldra-report: desktop notices cannot be shown: %s\n", why.c_str());
      return 1;
    }
  }
  if (options->watch_seconds) {
    return Watch(loaded, queries, options->format, std::chrono::seconds(*options->watch_seconds),
                 notifier.get());
  }
  std::string error;
  Print(One_Report(loaded, queries, options->format, error));
  const int status = Output_Status(error.empty() ? 0 : 1);
  if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", keldra::Standard_Error_Text(e.what()).c_str());
    return 1;
  }
}
