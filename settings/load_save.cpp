#include "settings/load_save.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "ini/profile_values.h"
#include "platform/keldra_error.h"
#include "platform/module_path.h"
#include "platform/platform_services.h"
#include "platform/profile_file.h"
#include "platform/program_files.h"
#include "settings/auto_run.h"
#include "settings/memory_settings_holder.h"
#include "settings/settings_file.h"

namespace keldra::settings {

namespace {

// What a key the file does not have reads as.
constexpr int Default_Top = 50, Default_Left = 50, Default_Width = 189;
constexpr int Default_Interval = 30000;
constexpr std::string_view Default_Letters = "c";

}  // namespace

void Load_Settings(Settings_Holder& h, const std::string& path) {
  // One read of the file serves all eight keys: a huge or slow file costs once.
  const Settings_Text file(path);
  h.Set_Window_Top(file.Integer(Key_Window_Top, Default_Top));
  h.Set_Window_Left(file.Integer(Key_Window_Left, Default_Left));
  h.Set_Client_Width(file.Integer(Key_Client_Width, Default_Width));
  // The interval is unsigned; a negative value from a hand-edited file arrives as
  // its 32-bit pattern, exactly as the timer would take it.
  h.Set_Timer_Interval(
      static_cast<std::uint32_t>(file.Integer(Key_Timer_Interval, Default_Interval)));
  h.Set_Monitored_Drive_Letters(
      ini::Upper_Case_Ascii(file.String(Key_Drive_Letters, Default_Letters)));
  h.Set_Show_Total(file.Boolean(Key_Show_Total));
  h.Set_Always_On_Top_Mark(file.Boolean(Key_Always_On_Top));
  h.Set_Auto_Run_Mark(file.Boolean(Key_Auto_Run));
}

namespace {

using Setting_Values = std::vector<std::pair<std::string_view, std::string>>;

// The eight keys and their values as the file holds them, in table order.
Setting_Values Values_Of(const Settings_Holder& h) {
  auto number = [](std::int64_t v) { return std::to_string(v); };
  return {
      {Key_Window_Top, number(h.Window_Top())},
      {Key_Window_Left, number(h.Window_Left())},
      {Key_Client_Width, number(h.Client_Width())},
      {Key_Timer_Interval, number(static_cast<std::int32_t>(h.Timer_Interval()))},
      {Key_Drive_Letters, h.Monitored_Drive_Letters()},
      {Key_Show_Total, h.Show_Total() ? "1" : "0"},
      {Key_Always_On_Top, h.Always_On_Top_Mark() ? "1" : "0"},
      {Key_Auto_Run, h.Auto_Run_Mark() ? "1" : "0"},
  };
}

void Save_Values(const Setting_Values& values, const std::string& path) {
  platform::Make_Settings_Folder(path);
  if (!platform::Write_Private_Profile_Strings(Settings_Section, values, path)) {
    throw Keldra_Error("Unable to write to " + path);
  }
}

// The values written in a helper within the wait: a folder that does not answer fails
// the save like any other failure.
void Save_Values_Within(const Setting_Values& values, const std::string& path,
                        std::chrono::milliseconds wait) {
  // Owned strings only go to the helper: the keys are the program's constants.
  const std::optional<std::string> saved = platform::Run_Bounded(
      [values, path] {
        try {
          Save_Values(values, path);
          return std::string("saved");
        } catch (const Keldra_Error&) {
          return std::string();
        }
      },
      wait, platform::Directory_With_Separator(path));
  if (saved != "saved") throw Keldra_Error("Unable to write to " + path);
}

}  // namespace

void Save_Settings(const Settings_Holder& h, const std::string& path) {
  Save_Values(Values_Of(h), path);
}

namespace {

// The eight values as the helper hands them back: NUL-separated, in key order.
std::string Packed(const Settings_Holder& h) {
  std::string out;
  for (const std::string& v : {std::to_string(h.Window_Top()), std::to_string(h.Window_Left()),
                               std::to_string(h.Client_Width()), std::to_string(h.Timer_Interval()),
                               h.Monitored_Drive_Letters(), std::string(h.Show_Total() ? "1" : "0"),
                               std::string(h.Always_On_Top_Mark() ? "1" : "0"),
                               std::string(h.Auto_Run_Mark() ? "1" : "0")}) {
    out += v;
    out += '\0';
  }
  return out;
}

bool Unpack(const std::string& packed, Settings_Holder& h) {
  std::vector<std::string> v;
  std::size_t start = 0;
  for (std::size_t end; (end = packed.find('\0', start)) != std::string::npos; start = end + 1) {
    v.push_back(packed.substr(start, end - start));
  }
  if (v.size() != 8) return false;
  try {
    h.Set_Window_Top(std::stoi(v[0]));
    h.Set_Window_Left(std::stoi(v[1]));
    h.Set_Client_Width(std::stoi(v[2]));
    h.Set_Timer_Interval(static_cast<std::uint32_t>(std::stoul(v[3])));
  } catch (const std::exception&) {
    return false;
  }
  h.Set_Monitored_Drive_Letters(v[4]);
  h.Set_Show_Total(v[5] == "1");
  h.Set_Always_On_Top_Mark(v[6] == "1");
  h.Set_Auto_Run_Mark(v[7] == "1");
  return true;
}

}  // namespace

platform::Early_Job Settings_Load_Job(const std::string& path) {
  return {"settings " + path,
          [path] {
            Memory_Settings_Holder loaded;
            Load_Settings(loaded, path);
            return Packed(loaded);
          },
          platform::Directory_With_Separator(path)};
}

void Start_Early_Reads(const std::string& executable_path, Early_Reads reads) {
  const std::string folder = platform::Settings_Folder(executable_path);
  std::vector<platform::Early_Job> jobs = platform::Early_Platform_Jobs(folder);
  jobs.push_back(Settings_Load_Job(Settings_File_Path(executable_path)));
  if (reads == Early_Reads::With_Auto_Run_Check) {
    for (platform::Early_Job& j : Early_Auto_Run_Check(executable_path))
      jobs.push_back(std::move(j));
  }
  platform::Start_Early_Jobs(jobs, platform::Spare_Helpers::Along);
}

bool Load_Settings_Within(Settings_Holder& holder, const std::string& path,
                          std::chrono::milliseconds wait) {
  const platform::Early_Job load = Settings_Load_Job(path);
  const std::optional<std::string> packed =
      platform::Run_Bounded_Early(load.key, load.job, wait, load.place);
  if (packed && Unpack(*packed, holder)) return true;
  // As for a file with none of the keys.
  holder.Set_Window_Top(Default_Top);
  holder.Set_Window_Left(Default_Left);
  holder.Set_Client_Width(Default_Width);
  holder.Set_Timer_Interval(Default_Interval);
  holder.Set_Monitored_Drive_Letters(ini::Upper_Case_Ascii(Default_Letters));
  holder.Set_Show_Total(false);
  holder.Set_Always_On_Top_Mark(false);
  holder.Set_Auto_Run_Mark(false);
  return false;
}

void Save_Settings_Within(const Settings_Holder& holder, const std::string& path,
                          std::chrono::milliseconds wait) {
  Save_Values_Within(Values_Of(holder), path, wait);
}

bool Apply_Loaded_Settings(const std::string& answer, Settings_Holder& holder) {
  return Unpack(answer, holder);
}

Memory_Settings_Holder Settings_Of(const Settings_Holder& holder) {
  Memory_Settings_Holder values;
  Unpack(Packed(holder), values);
  return values;
}

void Save_Changed_Settings_Within(const Settings_Holder& now, const Memory_Settings_Holder& then,
                                  const std::string& path, std::chrono::milliseconds wait) {
  const Setting_Values before = Values_Of(then);
  Setting_Values changed;
  for (const auto& [key, value] : Values_Of(now)) {
    const auto was = std::find_if(before.begin(), before.end(),
                                  [&, k = key](const auto& b) { return b.first == k; });
    if (was == before.end() || was->second != value) changed.emplace_back(key, value);
  }
  if (!changed.empty()) Save_Values_Within(changed, path, wait);
}

}  // namespace keldra::settings
