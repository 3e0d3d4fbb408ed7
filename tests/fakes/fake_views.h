#pragma once
// The three windows as their behaviours see them, in memory: every request kept
// for the test to read, the dialogs "shown" by running what the test queued.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/fakes/recording_rows.h"
#include "ui/about_box_view.h"
#include "ui/main_form_view.h"
#include "ui/options_setup_description.h"
#include "ui/options_setup_view.h"

namespace keldra::test {

class Fake_Main_View final : public ui::Main_Form_View {
 public:
  void Set_Visible(int row, monitor::Row_Control c, bool v) override {
    rows.Set_Visible(row, c, v);
  }
  void Set_Caption(int row, monitor::Row_Control c, std::string_view s) override {
    rows.Set_Caption(row, c, s);
  }
  int Set_Gauge_Progress(int row, int value) override {
    return rows.Set_Gauge_Progress(row, value);
  }
  void Set_Bar_Color(int row, monitor::Bar_Color color) override { rows.Set_Bar_Color(row, color); }
  int Gauge_Top(int row) const override { return rows.Gauge_Top(row); }
  int Gauge_Height(int row) const override { return rows.Gauge_Height(row); }
  int Client_Height() const override { return rows.Client_Height(); }
  void Set_Client_Height(int height) override { rows.Set_Client_Height(height); }
  void Rows_Updated() override { ++passes_shown; }
  int Frame_Left() const override { return left; }
  int Frame_Top() const override { return top; }
  void Move_Frame(int l, int t) override { left = l, top = t; }
  int Client_Width() const override { return width; }
  void Set_Client_Width(int w) override { width = w; }
  int Narrowest_Client_Width() const override { return narrowest; }
  void Set_Keep_Above(bool above) override { keep_above.push_back(above); }
  void Show_Window(int command) override { show_commands.push_back(command); }
  void Restore_Normal_State(std::function<void()> then) override {
    show_commands.push_back(-1);
    then();
  }
  void Show_Mark(ui::Menu_Mark_Item item, bool on) override {
    (item == ui::Menu_Mark_Item::Always_On_Top ? on_top_mark : auto_run_mark) = on;
  }
  void Set_Window_Caption(const std::string& c) override { caption = c; }
  void Set_Spinner_Text(const std::string& text) override { spinner = text; }
  void Request_Close() override { ++close_requests; }
  void Set_Ticks(std::optional<int> period) override { ticks_started.push_back(period); }

  Recording_Rows rows;
  int passes_shown = 0;
  int left = 456, top = 92, width = 189;  // the design place
  std::vector<bool> keep_above;
  std::vector<int> show_commands;  // -1 for leaving the maximised or minimised state
  bool on_top_mark = false, auto_run_mark = false;
  std::string caption = "??", spinner = "=";
  std::vector<std::optional<int>> ticks_started;
  int close_requests = 0;
  int narrowest = 60;
};

class Fake_Options_View final : public ui::Options_Setup_View {
 public:
  void Show_Entries(const std::vector<std::string>& e) override { entries = e; }
  void Show_Interval_Text(const std::string& text) override { interval_text = text; }
  void Show_Chooser(const std::vector<monitor::Chooser_Entry>& e,
                    std::optional<std::size_t> current) override {
    chooser = e;
    chooser_current = current;
    ++chooser_shown;
  }
  void Show_Drive_Limit(int l) override { limit = l; }
  void Show_Total_Checked(bool on) override { show_total = on; }
  void Show_Always_On_Top_Checked(bool on) override { on_top = on; }
  void Show_Modal() override {
    ++shown;
    if (while_open) while_open();
  }
  void Close() override { ++closed; }
  std::optional<int> Selected_Entry() const override { return selected; }
  bool Checked(const std::string& name) const override {
    return name == ui::options_setup_names::Always_On_Top_CheckBox ? on_top : show_total;
  }

  std::optional<int> selected;
  int closed = 0;
  std::vector<std::string> entries;
  std::string interval_text;
  std::vector<monitor::Chooser_Entry> chooser;
  std::optional<std::size_t> chooser_current;
  int chooser_shown = 0;
  int limit = 20;  // the design value, until the show sequence sets it
  bool show_total = false, on_top = false;
  int shown = 0;
  std::function<void()> while_open;  // the user's doings while the dialog is open
};

class Fake_About_View final : public ui::About_Box_View {
 public:
  void Set_Field(ui::About_Field f, const std::string& text) override { fields[f] = text; }
  void Set_Running(bool on) override { running = on; }
  void Show_Control(const std::string& name, bool shown) override {
    controls.push_back((shown ? "show " : "hide ") + name);
  }
  void Move_Control(const std::string& name, int left, int top) override {
    controls.push_back("move " + name + " " + std::to_string(left) + "," + std::to_string(top));
  }
  void Set_Control_Text(const std::string& name, const std::string& text) override {
    controls.push_back("text " + name + " " + text);
  }
  void Set_Control_Hint(const std::string& name, const std::string& hint) override {
    controls.push_back("hint " + name + " " + hint);
  }
  void Show_Modal() override {
    ++shown;
    if (while_open) while_open();
  }
  void Close() override { ++closed; }
  std::string operator[](ui::About_Field f) const {
    const auto it = fields.find(f);
    return it == fields.end() ? "" : it->second;
  }

  std::map<ui::About_Field, std::string> fields;
  bool running = false;
  std::vector<std::string> controls;  // what was done to them, in order
  int shown = 0, closed = 0;
  std::function<void()> while_open;
};

}  // namespace keldra::test
