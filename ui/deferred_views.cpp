#include "ui/deferred_views.h"

#include <algorithm>

namespace keldra::ui {

// --- the About box ---

About_Box_View& Deferred_About_Box_View::Built() {
  if (built_) return *built_;
  built_ = &build_();
  // The fields first: the links are shown with the address buttons' captions.
  for (const auto& [field, text] : fields_) built_->Set_Field(field, text);
  for (const auto& change : control_changes_) change(*built_);
  control_changes_.clear();
  if (running_) built_->Set_Running(true);
  fields_.clear();
  return *built_;
}

void Deferred_About_Box_View::Set_Field(About_Field field, const std::string& text) {
  if (built_) return built_->Set_Field(field, text);
  const auto it = std::find_if(fields_.begin(), fields_.end(),
                               [field](const auto& f) { return f.first == field; });
  if (it != fields_.end()) {
    it->second = text;
  } else {
    fields_.emplace_back(field, text);
  }
}

void Deferred_About_Box_View::Set_Running(bool running) {
  if (built_) return built_->Set_Running(running);
  running_ = running;
}

void Deferred_About_Box_View::Change_Control(std::function<void(About_Box_View&)> change) {
  if (built_) return change(*built_);
  control_changes_.push_back(std::move(change));
}

void Deferred_About_Box_View::Show_Control(const std::string& name, bool shown) {
  Change_Control([=](About_Box_View& v) { v.Show_Control(name, shown); });
}

void Deferred_About_Box_View::Move_Control(const std::string& name, int left, int top) {
  Change_Control([=](About_Box_View& v) { v.Move_Control(name, left, top); });
}

void Deferred_About_Box_View::Set_Control_Text(const std::string& name, const std::string& text) {
  Change_Control([=](About_Box_View& v) { v.Set_Control_Text(name, text); });
}

void Deferred_About_Box_View::Set_Control_Hint(const std::string& name, const std::string& hint) {
  Change_Control([=](About_Box_View& v) { v.Set_Control_Hint(name, hint); });
}

void Deferred_About_Box_View::Close() {
  // A box never shown has nothing to close.
  if (built_) built_->Close();
}

// --- the options dialog ---

Options_Setup_View& Deferred_Options_Setup_View::Built() {
  if (built_) return *built_;
  built_ = &build_();
  if (entries_) built_->Show_Entries(*entries_);
  if (interval_text_) built_->Show_Interval_Text(*interval_text_);
  if (chooser_) built_->Show_Chooser(chooser_->first, chooser_->second);
  if (drive_limit_) built_->Show_Drive_Limit(*drive_limit_);
  if (total_) built_->Show_Total_Checked(*total_);
  if (on_top_) built_->Show_Always_On_Top_Checked(*on_top_);
  return *built_;
}

void Deferred_Options_Setup_View::Show_Entries(const std::vector<std::string>& entries) {
  if (built_) return built_->Show_Entries(entries);
  entries_ = entries;
}

void Deferred_Options_Setup_View::Show_Interval_Text(const std::string& text) {
  if (built_) return built_->Show_Interval_Text(text);
  interval_text_ = text;
}

void Deferred_Options_Setup_View::Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                                               std::optional<std::size_t> current) {
  if (built_) return built_->Show_Chooser(entries, current);
  chooser_.emplace(entries, current);
}

void Deferred_Options_Setup_View::Show_Drive_Limit(int limit) {
  if (built_) return built_->Show_Drive_Limit(limit);
  drive_limit_ = limit;
}

void Deferred_Options_Setup_View::Show_Total_Checked(bool on) {
  if (built_) return built_->Show_Total_Checked(on);
  total_ = on;
}

void Deferred_Options_Setup_View::Show_Always_On_Top_Checked(bool on) {
  if (built_) return built_->Show_Always_On_Top_Checked(on);
  on_top_ = on;
}

}  // namespace keldra::ui
