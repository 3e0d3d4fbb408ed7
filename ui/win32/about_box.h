#pragma once
// TAboutBox, the native Windows face of the About box: its controls, pictures and
// animated logo at their places, passing clicks, keys, timers and activation to
// About_Box_Behaviour.
#include <windows.h>

#include <memory>
#include <set>

#include "ui/about_box_behaviour.h"
#include "ui/about_box_view.h"
#include "ui/win32/animated_picture.h"
#include "ui/win32/win32_fonts.h"

namespace keldra::ui::win32 {

enum About_Control_Id : int {
  ID_About_OKButton = IDOK,
  ID_Vantrel_Logo_Banner_Image = 301,
  ID_Vantrel_Logo_GIFImage,
  ID_PayPal_Donations_Label,
  ID_PayPal_Image,
  ID_Email_Address_Label,
  ID_WEB_Address_Label,
  ID_Email_Button,
  ID_WEB_Button,
  ID_Badge_Logo,
  ID_Badge_Label,
};

inline constexpr UINT_PTR Quote_Change_Timer_Id = 1;
inline constexpr UINT_PTR Free_Resources_Timer_Id = 2;

class TAboutBox final : public ui::About_Box_View {
 public:
  TAboutBox(HWND owner, Fonts& fonts, ui::About_Box_Behaviour::Services services);
  ~TAboutBox() override;

  ui::About_Box_Behaviour& Behaviour() { return behaviour_; }
  HWND Handle() const { return hwnd_; }
  bool Open() const { return open_; }
  bool Timers_Running() const { return running_; }

  // ui::About_Box_View
  void Set_Field(ui::About_Field field, const std::string& text) override;
  void Set_Running(bool running) override;
  void Show_Links_As_Labels(const std::string& email_hint, const std::string& web_hint) override;
  void Show_Modal() override;
  void Close() override { open_ = false; }

  // The two frames and the two raised bevels are drawn on the box itself, behind
  // every control.
  static constexpr RECT GroupBox2{3, -4, 618, 73};
  static constexpr RECT GroupBox1{3, 70, 618, 411};
  static constexpr RECT Bevel1{3 + 5, 70 + 14, 3 + 5 + 184, 70 + 14 + 167};
  static constexpr RECT Bevel3{3 + 448, 70 + 288, 3 + 448 + 157, 70 + 288 + 48};
  HWND Vantrel_Logo_Banner_Image = nullptr;
  std::unique_ptr<Animated_Picture> Vantrel_Logo_GIFImage;
  HWND Quote_From_Vantrel_Label = nullptr, Product_Name_Label = nullptr;
  HWND Author_and_Date_Label = nullptr, Developed_Using_Label = nullptr, Copyright_Label = nullptr;
  HWND PayPal_Donations_Label = nullptr, PayPal_Image = nullptr;
  HWND Comments_Label = nullptr, WEB_Page_Label = nullptr;
  HWND Email_Address_Label = nullptr, WEB_Address_Label = nullptr;
  HWND Email_Button = nullptr, WEB_Button = nullptr, PayPal_WEB_Address_Label = nullptr;
  HWND Label3 = nullptr, Free_Resources_Label = nullptr, OKButton = nullptr;
  HWND Badge_Logo = nullptr, Badge_Label = nullptr, Quotes_From_Vantrel_ListBox = nullptr;

  // For the window procedure.
  void Created(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void Create_Controls();
  void Draw_Item(const DRAWITEMSTRUCT& item);
  void Load_Artwork();

  Fonts& fonts_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND hints_ = nullptr;
  ui::About_Box_Behaviour behaviour_;
  HBITMAP banner_ = nullptr, badge_ = nullptr, paypal_ = nullptr, glyph_ = nullptr,
          glyph_off_ = nullptr;
  std::set<HWND> hand_;  // the controls that show the hand pointer, from the first activation
  bool hand_on_bevels_ = false;
  bool open_ = false;
  bool running_ = false;
};

}  // namespace keldra::ui::win32
