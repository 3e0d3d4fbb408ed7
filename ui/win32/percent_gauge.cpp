#include "ui/win32/percent_gauge.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace keldra::ui::win32 {
namespace {

void Fill(HDC dc, RECT r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
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

}  // namespace keldra::ui::win32
