#pragma once
// TAboutBox as data: its two frames and what lies in them (the logos, the texts,
// the links and their buttons, the badge), its timers, and which control shows each
// of the texts its behaviour fills in.
#include <string>

#include "ui/about_box_view.h"
#include "ui/window_description.h"

namespace keldra::ui {

// The names of the controls, menus and timers the faces look up.
namespace about_box_names {
inline constexpr const char* Author_and_Date_Label = "Author_and_Date_Label";
inline constexpr const char* Badge_Label = "Badge_Label";
inline constexpr const char* Badge_Logo = "Badge_Logo";
inline constexpr const char* Bevel1 = "Bevel1";
inline constexpr const char* Bevel3 = "Bevel3";
inline constexpr const char* Comments_Label = "Comments_Label";
inline constexpr const char* Copyright_Label = "Copyright_Label";
inline constexpr const char* Developed_Using_Label = "Developed_Using_Label";
inline constexpr const char* Email_Address_Label = "Email_Address_Label";
inline constexpr const char* Email_Button = "Email_Button";
inline constexpr const char* Free_Resources_Label = "Free_Resources_Label";
inline constexpr const char* Free_Resources_Timer = "Free_Resources_Timer";
inline constexpr const char* GroupBox1 = "GroupBox1";
inline constexpr const char* GroupBox2 = "GroupBox2";
inline constexpr const char* Label3 = "Label3";
inline constexpr const char* OKButton = "OKButton";
inline constexpr const char* PayPal_Donations_Label = "PayPal_Donations_Label";
inline constexpr const char* PayPal_Image = "PayPal_Image";
inline constexpr const char* PayPal_WEB_Address_Label = "PayPal_WEB_Address_Label";
inline constexpr const char* Product_Name_Label = "Product_Name_Label";
inline constexpr const char* Quote_Change_Timer = "Quote_Change_Timer";
inline constexpr const char* Quote_From_Vantrel_Label = "Quote_From_Vantrel_Label";
inline constexpr const char* Quotes_From_Vantrel_ListBox = "Quotes_From_Vantrel_ListBox";
inline constexpr const char* Vantrel_Logo_Banner_Image = "Vantrel_Logo_Banner_Image";
inline constexpr const char* Vantrel_Logo_GIFImage = "Vantrel_Logo_GIFImage";
inline constexpr const char* WEB_Address_Label = "WEB_Address_Label";
inline constexpr const char* WEB_Button = "WEB_Button";
inline constexpr const char* WEB_Page_Label = "WEB_Page_Label";
}  // namespace about_box_names

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

}  // namespace keldra::ui
