#pragma once
// TAboutBox, the native Windows face of the About box: built from its description,
// passing clicks, keys, timers and activation to About_Box_Behaviour.
#include <windows.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/about_box_behaviour.h"
#include "ui/about_box_view.h"
#include "ui/win32/animated_picture.h"
#include "ui/win32/win32_fonts.h"
#include "ui/window_description.h"

namespace keldra::ui::win32 {

// The box's controls are numbered from here, in the order they are made; the
// default button is IDOK.
inline constexpr int First_About_Control_Id = 301;

class TAboutBox final : public ui::About_Box_View {
 public:
  TAboutBox(HWND owner, Fonts& fonts, ui::About_Box_Behaviour& behaviour);
  ~TAboutBox() override;

  HWND Handle() const { return hwnd_; }
  bool Open() const { return open_; }
  bool Timers_Running() const { return running_; }

  // ui::About_Box_View
  void Set_Field(ui::About_Field field, const std::string& text) override;
  void Set_Running(bool running) override;
  void Show_Control(const std::string& name, bool shown) override;
  void Move_Control(const std::string& name, int left, int top) override;
  void Set_Control_Text(const std::string& name, const std::string& text) override;
  void Set_Control_Hint(const std::string& name, const std::string& hint) override;
  void Show_Modal() override;
  void Close() override { open_ = false; }

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
  HFONT Font(const Font_Description& font);

  Fonts& fonts_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND hints_ = nullptr;
  ui::About_Box_Behaviour& behaviour_;
  std::map<std::string, HWND> controls_;  // by name
  std::map<int, int> clicks_;             // each control's click, by its id
  std::map<HWND, Colour> text_colours_;
  // The frames and bevels, drawn on the box itself behind every control, and those
  // that show the hand pointer.
  std::vector<std::pair<RECT, UINT>> frames_;
  std::vector<RECT> hand_rects_;
  std::map<HWND, HBITMAP> pictures_;  // each picture control's, once the box is first shown
  HBITMAP glyph_ = nullptr, glyph_off_ = nullptr;
  std::set<HWND> hand_;  // the controls that show the hand pointer
  bool open_ = false;
  bool shown_before_ = false;
  bool running_ = false;
};

}  // namespace keldra::ui::win32
