#pragma once
// TAboutBox as data: its two frames and what lies in them (the logos, the texts,
// the links and their buttons, the badge), its timers, and which control shows each
// of the texts its behaviour fills in.
#include <string>

#include "ui/about_box_view.h"
#include "ui/window_description.h"

namespace keldra::ui {

enum About_Box_Command : int {
  About_No_Command = No_Command,
  About_OK,               // OKButtonClick: OK, Enter and Escape
  About_Email,            // Email_ButtonClick
  About_Web,              // WEB_ButtonClick
  About_Donation,         // PayPal_Donations_LabelClick
  About_Quote_Timer,      // Quote_Change_TimerTimer
  About_Resources_Timer,  // Free_Resources_TimerTimer
};

// Listed from the bottom up: a control lies over those before it.
const Window_Description& About_Box_Description();

// The control that shows a field; empty for the box's own caption.
std::string About_Field_Control(About_Field field);

// A described control's place in the box's own client area: its group's origin added.
Box About_Box_Place(const Control_Description& c);

}  // namespace keldra::ui
