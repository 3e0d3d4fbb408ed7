// keldra-report: the window's view without the window. One refresh pass over the
// drives keldra.ini names, one line per row the window would show, or with --json
// one JSON document of them; or, with --drives, the drive table.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "monitor/chooser_entries.h"
#include "monitor/disk_queries.h"
#include "monitor/refresh_pass.h"
#include "platform/keldra_error.h"
#include "platform/module_path.h"
#include "platform/platform_services.h"
#include "platform/regional.h"
#include "platform/standard_streams.h"
#include "report/report_json.h"
#include "report/report_rows.h"
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

int Run(int argc, char** argv) {
  output_open = platform::Hold_Standard_Streams();
  const bool drives_only = argc == 2 && std::strcmp(argv[1], "--drives") == 0;
  const bool json = argc == 2 && std::strcmp(argv[1], "--json") == 0;
  if (argc > 1 && !drives_only && !json) {
    std::fprintf(stderr, "usage: keldra-report [--json | --drives]\n");
    return 2;
  }
  const std::string exe = platform::Module_File_Name();
  const std::string folder = platform::Directory_With_Separator(exe);
  // Both files in one helper.
  if (!drives_only) settings::Start_Early_Reads(exe);
  platform::Start_Spare_Helpers();
  platform::Platform_Services os = platform::Make_Platform_Services(folder);
  if (drives_only) return Output_Status(Print_Drives(*os.drives));

  // The settings as the window loads them, so that the report shows its rows.
  settings::Memory_Settings_Holder loaded;
  settings::Load_Settings_Within(loaded, settings::Settings_File_Path(exe));
  monitor::Disk_Queries queries(*os.disk, *os.error_mode,
                                platform::Decimal_Separator_From_Environment());
  report::Report_Rows rows(loaded.letters, loaded.total, &queries);
  // A failed pass still prints the rows done so far, then says why.
  auto print_rows = [&] { Print(json ? report::Rows_As_Json(rows.Shown()) : rows.Shown_Rows()); };
  try {
    monitor::Refresh_All_Drives(rows, rows, queries);
  } catch (const Keldra_Error& e) {
    print_rows();
    const int status = Output_Status(1);
    std::fprintf(stderr, "%s\n", Standard_Error_Text(e.what()).c_str());
    return status;
  }
  print_rows();
  return Output_Status(0);
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
