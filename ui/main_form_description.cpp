#include "ui/main_form_description.h"

#include "monitor/drive_rows.h"

namespace keldra::ui {
namespace {

Control_Description Row_Control(Control_Kind kind, const char* prefix, int n, Box box,
                                const char* text, const char* hint) {
  Control_Description c;
  c.kind = kind;
  c.name = prefix + std::to_string(n);
  c.tag = n;
  c.box = box;
  c.text = text;
  c.hint = hint;
  c.show_hint = true;
  c.visible = false;  // the refresh pass decides which rows show
  return c;
}

Window_Description Make() {
  Window_Description w;
  w.name = "MainForm1";
  w.class_name = "TMainForm1";
  w.caption = "??";  // replaced by the product title as the window is first shown
  w.frame = {456, 92, 197, 598};
  w.client_width = 189;
  w.client_height = 551;
  w.font = {Times_New_Roman, 15};
  // Every control takes its own double-click: only the background's refreshes.
  w.background_double_click = Main_Refresh;

  const Font_Description system_13{System_Face, 13};
  const Font_Description system_13_bold{System_Face, 13, true};
  for (int n = 1; n <= monitor::Drive_Row_Count; ++n) {
    const int top = 8 + 20 * (n - 1);
    Control_Description label = Row_Control(Control_Kind::Label, Drive_Label_Prefix, n,
                                            {4, top, 7, 17}, "?", "Drive being monitored.");
    label.auto_size = true;
    // Only the first three letters refresh on a double-click.
    if (n <= 3) label.double_click = Main_Refresh;
    w.controls.push_back(label);

    Control_Description gauge =
        Row_Control(Control_Kind::Gauge, Drive_Pct_Free_Prefix, n, {32, top, 55, 17}, "",
                    "Percentage (%) of disk space used.");
    // Row 1 in bold System, row 2 in the window's font, the rest in plain System.
    if (n == 1) gauge.font = system_13_bold;
    if (n >= 3) gauge.font = system_13;
    w.controls.push_back(gauge);

    Control_Description free =
        Row_Control(Control_Kind::Label, Drive_Free_Prefix, n, {92, top, 14, 17}, "??",
                    "Disk Space Free / Total Drive Capacity");
    free.auto_size = true;
    free.show_hint = n != 3;  // row 3's text carries its hint, but shows none
    free.double_click = Main_Refresh;
    w.controls.push_back(free);
  }

  Control_Description spinner;
  spinner.name = main_form_names::Spinner_Label;
  spinner.box = {0, -4, 25, 13};
  spinner.text = "=";
  spinner.align = Text_Align::Centre;
  spinner.font = {Courier, 13};
  spinner.text_colour = Exact(0x000000);
  w.controls.push_back(spinner);

  Control_Description heading;
  heading.name = main_form_names::Free_Used_Label;
  heading.box = {96, -2, 44, 10};
  heading.text = "Free  /  Used";
  heading.align = Text_Align::Centre;
  heading.auto_size = true;
  heading.font = {Arial, 8};
  heading.text_colour = Exact(0x000000);
  w.controls.push_back(heading);

  Control_Description refresh;
  refresh.kind = Control_Kind::Picture_Button;
  refresh.name = main_form_names::Refresh_Button;
  refresh.box = {112, 52, 37, 13};
  refresh.hint = "Refresh Drive Information.";
  refresh.show_hint = true;
  refresh.visible = false;
  refresh.click = Main_Refresh;
  w.controls.push_back(refresh);

  w.menus = {
      {main_form_names::FileMenu,
       "&File",
       {{main_form_names::RefreshOption, "&Refresh", Main_Refresh},
        {"N1", "-"},
        {main_form_names::SettingsOption, "&Settings", Main_Settings},
        {"N2", "-"},
        {main_form_names::Always_on_Top_Option, "&Always On Top", Main_Always_On_Top, true},
        {main_form_names::Auto_Run_at_Windows_Startup_Option, "Auto-Run at Windows Startup",
         Main_Auto_Run, true},
        {main_form_names::Restore_Factory_Defaults_Option, "Restore Factory Defaults",
         Main_Restore_Defaults},
        {"N5", "-"},
        {main_form_names::ExitOption, "E&xit", Main_Exit}}},
      {main_form_names::Help1,
       "&Help",
       {{main_form_names::View_Readme_file_Option, "&View Readme file", Main_View_Readme},
        {main_form_names::View_Shareware_Catalog_Option, "View &Shareware Catalog",
         Main_View_Catalog},
        {"About1", "-"},
        {main_form_names::AboutOption, "&About", Main_About}}},
  };
  w.timers = {
      {main_form_names::Timer1, static_cast<int>(Timer1_Design_Interval), true, Main_Timer1}};
  return w;
}

}  // namespace

std::uint32_t Bar_Colour_Rgb(monitor::Bar_Color colour) {
  switch (colour) {
    case monitor::Bar_Color::Red: return 0xFF0000;
    case monitor::Bar_Color::Yellow: return 0xFFFF00;
    case monitor::Bar_Color::Lime: break;
  }
  return 0x00FF00;
}

const Window_Description& Main_Form_Description() {
  static const Window_Description description = Make();
  return description;
}

}  // namespace keldra::ui
