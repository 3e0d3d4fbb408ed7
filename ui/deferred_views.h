#pragma once
// The dialogs' views as their behaviours hold them from the start, while the
// dialogs themselves are built only the first time they are shown: nothing a
// dialog needs is made before the main window is on screen. Until then what the
// behaviour tells a view is kept, and handed to the dialog as it is built; from
// then on every call goes straight to it.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/about_box_view.h"
#include "ui/options_setup_view.h"

namespace keldra::ui {

class Deferred_About_Box_View final : public About_Box_View {
 public:
  // Builds the dialog; called once, the first time it is needed.
  using Builder = std::function<About_Box_View&()>;
  explicit Deferred_About_Box_View(Builder build) : build_(std::move(build)) {}

  // The dialog, built now if it was not yet.
  About_Box_View& Built();
  bool Is_Built() const { return built_ != nullptr; }

  void Set_Field(About_Field field, const std::string& text) override;
  void Set_Running(bool running) override;
  void Show_Control(const std::string& name, bool shown) override;
  void Move_Control(const std::string& name, int left, int top) override;
  void Set_Control_Text(const std::string& name, const std::string& text) override;
  void Set_Control_Hint(const std::string& name, const std::string& hint) override;
  void Show_Modal() override { Built().Show_Modal(); }
  void Close() override;

 private:
  void Change_Control(std::function<void(About_Box_View&)> change);

  Builder build_;
  About_Box_View* built_ = nullptr;
  // Until it is built: each field's last text, in the order first set.
  std::vector<std::pair<About_Field, std::string>> fields_;
  // What was done to its controls, in order, done again as it is built.
  std::vector<std::function<void(About_Box_View&)>> control_changes_;
  bool running_ = false;
};

class Deferred_Options_Setup_View final : public Options_Setup_View {
 public:
  using Builder = std::function<Options_Setup_View&()>;
  explicit Deferred_Options_Setup_View(Builder build) : build_(std::move(build)) {}

  Options_Setup_View& Built();
  bool Is_Built() const { return built_ != nullptr; }

  void Show_Entries(const std::vector<std::string>& entries) override;
  void Show_Interval_Text(const std::string& text) override;
  void Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                    std::optional<std::size_t> current) override;
  void Show_Drive_Limit(int limit) override;
  void Show_Total_Checked(bool on) override;
  void Show_Always_On_Top_Checked(bool on) override;
  void Show_Modal() override { Built().Show_Modal(); }
  // A dialog never shown is not open and has nothing selected.
  void Close() override {
    if (built_) built_->Close();
  }
  std::optional<int> Selected_Entry() const override {
    return built_ ? built_->Selected_Entry() : std::nullopt;
  }
  bool Checked(const std::string& name) const override {
    return built_ != nullptr && built_->Checked(name);
  }

 private:
  Builder build_;
  Options_Setup_View* built_ = nullptr;
  // Until it is built: the last of each thing shown.
  std::optional<std::vector<std::string>> entries_;
  std::optional<std::string> interval_text_;
  std::optional<std::pair<std::vector<monitor::Chooser_Entry>, std::optional<std::size_t>>>
      chooser_;
  std::optional<int> drive_limit_;
  std::optional<bool> total_;
  std::optional<bool> on_top_;
};

}  // namespace keldra::ui
