#include "ui/win32/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "platform/windows/win32_system_function.h"
#include "ui/win32/win32_fonts.h"

namespace keldra::ui::win32 {

HWND Make_Control(HWND parent, const char* cls, const char* text, DWORD style, int id, int x, int y,
                  int w, int h, DWORD ex_style) {
  return CreateWindowExA(ex_style, cls, text, WS_CHILD | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

void Use_Common_Controls() {
  static const bool done = [] {
    auto* init = platform::win32_impl::System_Function<decltype(InitCommonControlsEx)>(
        "comctl32.dll", "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    return init && init(&controls) != FALSE;
  }();
  (void)done;
}

HWND Create_Hints() {
  Use_Common_Controls();
  return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

void Add_Hint(HWND hints, HWND owner, HWND control, const std::string& text) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());  // copied by the tooltip
  SendMessageA(hints, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(hints, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Add_Place_Hint(HWND hints, HWND owner, int id, RECT place, const std::string& text) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = static_cast<UINT_PTR>(id);
  tool.rect = place;
  tool.lpszText = const_cast<char*>(text.c_str());  // copied by the tooltip
  SendMessageA(hints, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Move_Place_Hint(HWND hints, HWND owner, int id, RECT place) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = owner;
  tool.uId = static_cast<UINT_PTR>(id);
  tool.rect = place;
  SendMessageA(hints, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Fit_To_Text(HWND label, int min_height) {
  char text[512];
  GetWindowTextA(label, text, sizeof text);
  const SIZE size = Text_Size(label, text);
  SetWindowPos(label, nullptr, 0, 0, size.cx, std::max<int>(size.cy, min_height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Draw_Transparent(HDC dc, HBITMAP picture, int x, int y, int w, int h, int dpi) {
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, picture);
  GdiTransparentBlt(dc, x, y, MulDiv(w, dpi, 96), MulDiv(h, dpi, 96), mem, 0, 0, w, h,
                    GetPixel(mem, 0, h - 1));
  SelectObject(mem, old);
  DeleteDC(mem);
}

namespace {

int System_Index(Colour_Role role, int inherit) {
  switch (role) {
    case Colour_Role::Button_Face: return COLOR_BTNFACE;
    case Colour_Role::Window_Text: return COLOR_WINDOWTEXT;
    case Colour_Role::Inactive_Caption_Text: return COLOR_INACTIVECAPTIONTEXT;
    case Colour_Role::Highlight_Text: return COLOR_HIGHLIGHTTEXT;
    case Colour_Role::Exact:
    case Colour_Role::Inherit: break;
  }
  return inherit;
}

}  // namespace

COLORREF Colour_Of(const Colour& colour, int inherit) {
  if (colour.role == Colour_Role::Exact)
    return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
  return GetSysColor(System_Index(colour.role, inherit));
}

HBRUSH Brush_Of(const Colour& colour, int inherit) {
  if (colour.role != Colour_Role::Exact)
    return GetSysColorBrush(System_Index(colour.role, inherit));
  static std::map<std::uint32_t, HBRUSH> brushes;
  HBRUSH& brush = brushes[colour.rgb];
  if (brush == nullptr) brush = CreateSolidBrush(Colour_Of(colour, inherit));
  return brush;
}

}  // namespace keldra::ui::win32
