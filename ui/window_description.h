#pragma once
// A window described as data, the way a form file describes one: its controls with
// their names, Tags, rectangles, texts, fonts, colours and hints, its menu, its
// timers. Each face builds its widgets from these and routes their events to the
// window's behaviour by the command a control names; neither face spells a text, a
// rectangle or a font of its own.
#include <cstdint>
#include <string>
#include <vector>

namespace keldra::ui {

// Pixels at 96 dots per inch, relative to the parent's client area.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The faces the windows name.
inline constexpr const char* Times_New_Roman = "Times New Roman";
inline constexpr const char* Arial = "Arial";
inline constexpr const char* Courier = "Courier";
inline constexpr const char* System_Face = "System";

// A font by its face name and character height in pixels; an empty face is the
// window's own font.
struct Font_Description {
  std::string face;
  int height = 0;
  bool bold = false;
  bool underline = false;
};

// What a colour stands for: an exact colour, or one of the system's that each face
// reads from its own system.
enum class Colour_Role {
  Inherit,
  Exact,
  Button_Face,
  Window_Text,
  Inactive_Caption_Text,
  Highlight_Text
};

struct Colour {
  Colour_Role role = Colour_Role::Inherit;
  std::uint32_t rgb = 0;  // 0xRRGGBB, for Exact
};

inline constexpr Colour Exact(std::uint32_t rgb) { return {Colour_Role::Exact, rgb}; }
inline constexpr Colour System(Colour_Role role) { return {role, 0}; }

enum class Control_Kind {
  Label,           // text; a click or double-click as its command says
  Frame,           // a sunken frame around other controls
  Raised_Frame,    // a raised bevel
  Group,           // a frame that holds other controls (they name it as their parent)
  Button,          // a push button
  Picture_Button,  // a push button that shows a picture and no caption
  Check_Box,
  List_Box,          // single selection, kept sorted
  Spin_Edit,         // the interval field
  Number_Display,    // a number shown, never edited
  Drive_Chooser,     // the machine's drives, each with its kind's picture
  Gauge,             // a percentage bar
  Picture,           // a still picture, by name
  Animated_Picture,  // an animated picture, by name
  Hidden_List,       // holds texts and is never shown
};

enum class Text_Align { Left, Centre, Right };

// Commands are the window's own enumerations, held as int.
inline constexpr int No_Command = 0;

struct Control_Description {
  Control_Kind kind = Control_Kind::Label;
  std::string name;    // empty for fixed texts and frames
  std::string parent;  // the Group it lies in; empty for the window itself
  int tag = 0;
  Box box;
  std::string text;  // caption, or the picture's name for pictures
  Font_Description font;
  Colour text_colour;
  Colour background;
  std::string hint;
  bool show_hint = false;
  Text_Align align = Text_Align::Left;
  bool top_aligned = false;  // the text at the top, not centred from top to bottom
  bool word_wrap = false;
  bool auto_size = false;  // grows with its text from the design size
  bool visible = true;
  bool hand_cursor = false;
  bool is_default = false;  // the button Enter presses
  int item_height = 0;      // a list's entries, in pixels
  int click = No_Command;
  int double_click = No_Command;
};

struct Menu_Item_Description {
  std::string name;
  std::string caption;  // "-" for a separator
  int command = No_Command;
  bool checkable = false;  // its mark is set by the behaviour, never by a click
};

struct Menu_Description {
  std::string name;
  std::string caption;
  std::vector<Menu_Item_Description> items;
};

struct Timer_Description {
  std::string name;
  int interval_ms = 0;
  bool enabled = true;
  int command = No_Command;
};

// A window's frame: the main window's own (its caption, menu, border icons and
// sizing edge), a dialog's with a caption and no border icons at all, or a dialog's
// whose only border icon is its close box.
enum class Frame_Kind { Main_Window, Dialog_Without_Icons, Dialog_With_Close_Box };

// Where a dialog appears: centred on the screen each time it is shown, or the first
// time only and later where the user left it.
enum class Centring { None, First_Show, Every_Show };

struct Window_Description {
  std::string name;
  std::string class_name;
  std::string caption;
  Box frame;  // the design place and outer size, where the window has one
  int client_width = 0;
  int client_height = 0;
  Font_Description font;
  Colour background = System(Colour_Role::Button_Face);
  Frame_Kind frame_kind = Frame_Kind::Main_Window;
  Centring centring = Centring::None;
  int escape_command = No_Command;           // what Escape runs; nothing closes a window by itself
  int background_double_click = No_Command;  // a double-click where no control is
  std::vector<Control_Description> controls;
  std::vector<Menu_Description> menus;
  std::vector<Timer_Description> timers;

  // The control of that name; the window's descriptions name every control a face
  // looks up, so a missing name is a fault of the description.
  const Control_Description& Control(const std::string& control_name) const;
  const Timer_Description& Timer(const std::string& timer_name) const;
  // A control's box in the window's client area: the groups it lies in added.
  Box Client_Box(const Control_Description& c) const;
};

}  // namespace keldra::ui
