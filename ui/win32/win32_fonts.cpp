#include "ui/win32/win32_fonts.h"

namespace keldra::ui::win32 {

Fonts::~Fonts() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT Fonts::Get(const std::string& face, int pixels, Font_Style style, bool smooth) {
  const auto key = std::make_tuple(face, pixels, style.bold, style.underline, smooth);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  LOGFONTA lf{};
  lf.lfHeight = -pixels;  // negative: the character height, not the cell's
  lf.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
  lf.lfUnderline = style.underline ? TRUE : FALSE;
  lf.lfCharSet = ANSI_CHARSET;
  lf.lfQuality = smooth ? DEFAULT_QUALITY : NONANTIALIASED_QUALITY;
  lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&lf);
  fonts_[key] = font;
  return font;
}

void Set_Font(HWND control, HFONT font) {
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

SIZE Text_Size(HWND control, const std::string& text) {
  return Text_Size(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), text);
}

SIZE Text_Size(HFONT font, const std::string& text) {
  // One memory context for every measurement: a window's own costs a round trip
  // to the window system each time.
  static HDC dc = CreateCompatibleDC(nullptr);
  SIZE size{0, 0};
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  if (old) SelectObject(dc, old);
  return size;
}

}  // namespace keldra::ui::win32
