#include "ui/win32/percent_gauge.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace keldra::ui::win32 {
namespace {

const char* const kClassName = "Keldra_Percent_Gauge";

struct Gauge_State {
  int progress = 100;
  COLORREF bar = Lime;
  HFONT font = nullptr;
  int paints = 0;
};

Gauge_State* State_Of(HWND gauge) {
  return reinterpret_cast<Gauge_State*>(GetWindowLongPtrA(gauge, 0));
}

void Fill(HDC dc, RECT r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

LRESULT CALLBACK Gauge_Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  Gauge_State* state = State_Of(hwnd);
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(new Gauge_State));
      break;
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrA(hwnd, 0, 0);
      break;
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      ++state->paints;
      Draw_Percent_Gauge(dc, r.right, r.bottom, state->progress, state->bar, state->font);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

void Register_Class() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSA wc{};
  wc.lpfnWndProc = Gauge_Proc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
}

}  // namespace

// The two off-screen pictures, made once and kept: every gauge of every pass is
// composed in them.
struct Scratch {
  HDC dc = nullptr;
  HBITMAP bits = nullptr;
  HGDIOBJ original = nullptr;
  int w = 0, h = 0;
  HDC For(HDC target, int need_w, int need_h) {
    if (dc == nullptr) dc = CreateCompatibleDC(target);
    if (need_w > w || need_h > h) {
      w = std::max(w, need_w);
      h = std::max(h, need_h);
      HBITMAP grown = CreateCompatibleBitmap(target, w, h);
      HGDIOBJ old = SelectObject(dc, grown);
      if (bits)
        DeleteObject(bits);
      else
        original = old;
      bits = grown;
    }
    return dc;
  }
};

void Draw_Percent_Gauge(HDC target, int w, int h, int percent, COLORREF bar, HFONT font) {
  static Scratch picture_scratch, mask_scratch;
  HDC picture = picture_scratch.For(target, std::max(w, 1), std::max(h, 1));
  // 1. All black: the edge that stays so is the border.
  PatBlt(picture, 0, 0, w, h, BLACKNESS);
  if (w >= 2 && h >= 2) {
    // 2. The inside in the background colour.
    const RECT inside{1, 1, w - 1, h - 1};
    Fill(picture, inside, RGB(255, 255, 255));
    // 3. The bar, to column c and row h - 1, both exclusive.
    const int c = std::min(static_cast<int>(std::lround(percent * (w - 1) / 100.0)), w - 1);
    if (c >= 1) Fill(picture, RECT{1, 1, c, h - 1}, bar);
    // 4 and 5. The text, white on black in a picture of its own, combined by
    // exclusive-or: black over white, the bar's complement over the bar.
    char text[8];
    std::snprintf(text, sizeof text, "%d%%", percent);
    const int length = static_cast<int>(std::strlen(text));
    HDC mask = mask_scratch.For(target, w, h);
    HGDIOBJ old_font = font ? SelectObject(mask, font) : nullptr;
    PatBlt(mask, 0, 0, w, h, BLACKNESS);
    SIZE size{0, 0};
    GetTextExtentPoint32A(mask, text, length, &size);
    const int x = (w - 1 - size.cx) / 2;
    const int y = (h - 1 - size.cy) / 2;
    const int saved = SaveDC(mask);
    IntersectClipRect(mask, inside.left, inside.top, inside.right, inside.bottom);
    SetBkMode(mask, TRANSPARENT);
    SetTextColor(mask, RGB(255, 255, 255));
    TextOutA(mask, x, y, text, length);
    RestoreDC(mask, saved);
    BitBlt(picture, 0, 0, w, h, mask, 0, 0, SRCINVERT);
    if (old_font) SelectObject(mask, old_font);
  }
  BitBlt(target, 0, 0, w, h, picture, 0, 0, SRCCOPY);
}

HWND Create_Percent_Gauge(HWND parent, int id, int left, int top, int width, int height) {
  Register_Class();
  return CreateWindowExA(0, kClassName, "", WS_CHILD, left, top, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

int Gauge_Set_Progress(HWND gauge, int value) {
  Gauge_State* s = State_Of(gauge);
  value = std::clamp(value, 0, 100);
  if (value != s->progress) {
    s->progress = value;
    InvalidateRect(gauge, nullptr, FALSE);
  }
  return s->progress;
}

int Gauge_Progress(HWND gauge) { return State_Of(gauge)->progress; }

void Gauge_Set_Bar_Color(HWND gauge, COLORREF color) {
  Gauge_State* s = State_Of(gauge);
  if (color == s->bar) return;
  s->bar = color;
  InvalidateRect(gauge, nullptr, FALSE);
}

COLORREF Gauge_Bar_Color(HWND gauge) { return State_Of(gauge)->bar; }

int Gauge_Paint_Count(HWND gauge) { return State_Of(gauge)->paints; }

}  // namespace keldra::ui::win32
