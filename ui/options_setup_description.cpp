#include "ui/options_setup_description.h"

namespace keldra::ui {
namespace {

const Font_Description kDialogFont{System_Face, 13};

Control_Description Fixed_Text(const std::string& text, Box box) {
  Control_Description c;
  c.text = text;
  c.box = box;
  c.auto_size = box.width == 0;
  return c;
}

Control_Description Frame(Box box) {
  Control_Description c;
  c.kind = Control_Kind::Frame;
  c.box = box;
  return c;
}

Window_Description Make() {
  Window_Description w;
  w.name = "Options_Setup";
  w.class_name = "TOptions_Setup";
  w.caption = "Keldra Options Setup :";
  w.client_width = 463;
  w.client_height = 435;
  w.font = kDialogFont;
  w.frame_kind = Frame_Kind::Dialog_With_Close_Box;
  w.centring = Centring::First_Show;
  // There is no Cancel: Escape does not close the dialog behind the user's back.
  w.escape_command = No_Command;

  // The sunken frames first, so that everything else lies on top of them.
  for (Box b : {Box{8, 8, 449, 169}, Box{8, 184, 449, 41}, Box{8, 232, 449, 41},
                Box{8, 284, 449, 45}, Box{8, 340, 449, 45}}) {
    w.controls.push_back(Frame(b));
  }

  // The controls in tab order; the disabled limit field never takes the focus.
  Control_Description chooser;
  chooser.kind = Control_Kind::Drive_Chooser;
  chooser.name = options_setup_names::DriveComboBox1;
  chooser.box = {24, 24, 145, 22};
  w.controls.push_back(chooser);

  Control_Description add;
  add.kind = Control_Kind::Button;
  add.name = options_setup_names::AddButton;
  add.box = {24, 64, 97, 33};
  add.text = "Add Drive";
  add.hint = "Add the currently selected drive to the list being monitored.";
  add.show_hint = true;
  add.click = Options_Add_Drive;
  w.controls.push_back(add);

  Control_Description list;
  list.kind = Control_Kind::List_Box;
  list.name = options_setup_names::ListBox1;
  list.box = {264, 40, 89, 129};
  list.item_height = 16;
  list.click = Options_Remove_Drive;
  w.controls.push_back(list);

  Control_Description spin;
  spin.kind = Control_Kind::Spin_Edit;
  spin.name = options_setup_names::SpinEdit1;
  spin.box = {264, 240, 57, 26};
  w.controls.push_back(spin);

  Control_Description ok;
  ok.kind = Control_Kind::Button;
  ok.name = options_setup_names::OKButton;
  ok.box = {186, 396, 89, 33};
  ok.text = "OK";
  ok.click = Options_OK;
  w.controls.push_back(ok);

  Control_Description limit;
  limit.kind = Control_Kind::Number_Display;
  limit.name = options_setup_names::Max_Drives_SpinEdit;
  limit.box = {264, 191, 57, 26};
  limit.font = {System_Face, 13, true};
  limit.text_colour = Exact(0x000000);
  limit.background = System(Colour_Role::Inactive_Caption_Text);
  w.controls.push_back(limit);

  Control_Description total;
  total.kind = Control_Kind::Check_Box;
  total.name = options_setup_names::Show_Total_of_All_Drives_CheckBox;
  total.box = {20, 296, 417, 17};
  total.text = "Show Total of All Drives";
  total.click = Options_Show_Total;
  w.controls.push_back(total);

  Control_Description on_top;
  on_top.kind = Control_Kind::Check_Box;
  on_top.name = options_setup_names::Always_On_Top_CheckBox;
  on_top.box = {20, 352, 429, 17};
  on_top.text = "Keldra Window Always On Top";
  on_top.click = Options_Always_On_Top;
  w.controls.push_back(on_top);

  // The fixed texts.
  w.controls.push_back(Fixed_Text("Drives being Monitored :", {232, 16, 0, 0}));
  Control_Description click_hint = Fixed_Text("Click on drive to remove it.", {364, 56, 81, 91});
  click_hint.align = Text_Align::Centre;
  click_hint.word_wrap = true;
  click_hint.top_aligned = true;
  w.controls.push_back(click_hint);
  Control_Description arrow = Fixed_Text("------------>", {136, 64, 0, 0});
  arrow.name = options_setup_names::Arrow_Label;
  arrow.font = {System_Face, 35, true};
  arrow.text_colour = Exact(0x000000);
  w.controls.push_back(arrow);
  Control_Description bar = Fixed_Text("|", {136, 48, 0, 0});
  bar.font = {Arial, 29, true};
  bar.text_colour = Exact(0x000000);
  w.controls.push_back(bar);
  w.controls.push_back(Fixed_Text("Maximum Drives you can monitor :", {24, 196, 0, 0}));
  w.controls.push_back(Fixed_Text("Refresh Drive status every :", {24, 245, 0, 0}));
  w.controls.push_back(Fixed_Text("(Seconds)", {328, 245, 0, 0}));
  // Runs while the dialog is open.
  w.timers = {{options_setup_names::Chooser_Timer, 250, false, Options_Chooser_Timer}};
  return w;
}

}  // namespace

const Window_Description& Options_Setup_Description() {
  static const Window_Description description = Make();
  return description;
}

const char* Drive_Picture_Name(platform::Drive_Type type) {
  switch (type) {
    case platform::Drive_Type::Removable: return "FLOPPY";
    case platform::Drive_Type::Remote: return "NETWORK";
    case platform::Drive_Type::Cdrom: return "CDROM";
    case platform::Drive_Type::Ramdisk: return "RAM";
    case platform::Drive_Type::Fixed:
    case platform::Drive_Type::Missing: break;
  }
  return "HARD";
}

double Arrow_Letter_Spacing(int natural_width) {
  const Window_Description& w = Options_Setup_Description();
  const Control_Description& arrow = w.Control(options_setup_names::Arrow_Label);
  // Up to two pixels short of the list's left edge.
  const int room = w.Control(options_setup_names::ListBox1).box.left - arrow.box.left - 2;
  if (natural_width <= room) return 0;
  const int gaps = static_cast<int>(arrow.text.size()) - 1;
  return -static_cast<double>(natural_width - room) / gaps;
}

}  // namespace keldra::ui
