#pragma once
// TAboutBox, the native Windows face of the About box: built from its description,
// passing clicks, keys, timers and activation to About_Box_Behaviour.
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "ui/about_box_behaviour.h"
#include "ui/about_box_view.h"
#include "ui/win32/animated_picture.h"
#include "ui/win32/described_window.h"
#include "ui/win32/win32_fonts.h"
#include "ui/window_description.h"

namespace keldra::ui::win32 {

class TAboutBox final : public ui::About_Box_View {
 public:
  TAboutBox(HWND owner, Fonts& fonts, ui::About_Box_Behaviour& behaviour);
  ~TAboutBox() override;

  HWND Handle() const { return hwnd_; }
  bool Open() const { return open_; }
  bool Timers_Running() const { return window_.Timers_Running(); }

  // ui::About_Box_View
  void Set_Field(ui::About_Field field, const std::string& text) override;
  void Set_Running(bool running) override;
  void Show_Control(const std::string& name, bool shown) override;
  void Move_Control(const std::string& name, int left, int top) override;
  void Set_Control_Text(const std::string& name, const std::string& text) override;
  void Set_Control_Hint(const std::string& name, const std::string& hint) override;
  void Show_Modal() override;
  void Close() override { open_ = false; }

  HWND Control(const std::string& name) const { return window_.Control(name); }
  std::unique_ptr<Animated_Picture> Vantrel_Logo_GIFImage;

  // For the window procedure.
  void Created(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void Draw_Item(const DRAWITEMSTRUCT& item);
  void Load_Artwork();

  Described_Window window_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  ui::About_Box_Behaviour& behaviour_;
  std::map<HWND, HBITMAP> pictures_;  // each picture control's, once the box is first shown
  HBITMAP glyph_ = nullptr, glyph_off_ = nullptr;
  bool open_ = false;
  bool shown_before_ = false;
};

}  // namespace keldra::ui::win32
