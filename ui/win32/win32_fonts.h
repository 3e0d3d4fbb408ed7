#pragma once
// The fonts the windows name, made once and shared by their controls: Times New
// Roman, Arial, Courier and System at character heights in pixels.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace keldra::ui::win32 {

struct Font_Style {
  bool bold = false;
  bool underline = false;
};

class Fonts {
 public:
  Fonts() = default;
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  ~Fonts();
  // A character height of `pixels` (the cell's height less its internal leading),
  // ANSI character set; drawn without smoothing where text is combined by
  // exclusive-or, so that no edge colours stray into it.
  HFONT Get(const std::string& face, int pixels, Font_Style style = {}, bool smooth = true);

 private:
  std::map<std::tuple<std::string, int, bool, bool, bool>, HFONT> fonts_;
};

// Sets a control's font without redrawing it yet.
void Set_Font(HWND control, HFONT font);
// The size of a text in the font a control uses.
SIZE Text_Size(HWND control, const std::string& text);
SIZE Text_Size(HFONT font, const std::string& text);

}  // namespace keldra::ui::win32
