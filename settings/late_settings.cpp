#include "settings/late_settings.h"

#include "settings/load_save.h"

namespace keldra::settings {

namespace {
constexpr std::chrono::milliseconds First_Look{200};
}  // namespace

std::optional<Memory_Settings_Holder> Late_Settings::Take(std::chrono::milliseconds wait) {
  bool just_started = false;
  if (!read_) {
    const platform::Early_Job load = Settings_Load_Job(path_);
    read_ = std::make_unique<platform::Bounded_Job>(load.job, load.place);
    if (!read_->Started()) {  // the folder is still stuck on an earlier reader
      read_.reset();
      return std::nullopt;
    }
    just_started = true;
  }
  if (wait.count() == 0) {
    // A folder that answers again answers a fresh read at once: a short look now
    // applies it at this pass rather than a whole interval later.
    if (just_started) wait = First_Look;
    if (!read_->Ready(wait)) return std::nullopt;
  }
  // An answer that has begun to come is whole within a volume's wait.
  const std::optional<std::string> answer =
      read_->Answer(wait.count() == 0 ? platform::Volume_Wait : wait);
  read_.reset();
  Memory_Settings_Holder values;
  if (answer && Apply_Loaded_Settings(*answer, values)) return values;
  return std::nullopt;
}

void Merge_Late_Settings(Settings_Holder& session, const Memory_Settings_Holder& applied,
                         const Memory_Settings_Holder& file) {
  if (session.Window_Top() == applied.top) session.Set_Window_Top(file.top);
  if (session.Window_Left() == applied.left) session.Set_Window_Left(file.left);
  if (session.Client_Width() == applied.width) session.Set_Client_Width(file.width);
  if (session.Timer_Interval() == applied.interval) session.Set_Timer_Interval(file.interval);
  if (session.Monitored_Drive_Letters() == applied.letters)
    session.Set_Monitored_Drive_Letters(file.letters);
  if (session.Show_Total() == applied.total) session.Set_Show_Total(file.total);
  if (session.Always_On_Top_Mark() == applied.on_top) session.Set_Always_On_Top_Mark(file.on_top);
}

}  // namespace keldra::settings
