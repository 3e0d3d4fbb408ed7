#include "ui/win32/percent_gauge.h"

#include <algorithm>
#include <cstdint>

#include "ui/gauge_plan.h"
#include "ui/win32/controls.h"

namespace keldra::ui::win32 {
namespace {

void Fill(HDC dc, const Box& b, std::uint32_t rgb) {
  if (b.width <= 0 || b.height <= 0) return;
  const RECT r{b.left, b.top, b.left + b.width, b.top + b.height};
  HBRUSH brush = CreateSolidBrush(Colour_Of(Exact(rgb), 0));
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
  const Gauge_Plan plan =
      Plan_Gauge(w, h, percent, (GetRValue(bar) << 16) | (GetGValue(bar) << 8) | GetBValue(bar));
  HDC picture = picture_scratch.For(target, std::max(w, 1), std::max(h, 1));
  Fill(picture, plan.whole, plan.border_rgb);
  if (!plan.text.empty()) {
    Fill(picture, plan.inside, plan.background_rgb);
    Fill(picture, plan.bar, plan.bar_rgb);
    // The text in its colour on black in a picture of its own, combined by
    // exclusive-or.
    const int length = static_cast<int>(plan.text.size());
    HDC mask = mask_scratch.For(target, w, h);
    HGDIOBJ old_font = font ? SelectObject(mask, font) : nullptr;
    PatBlt(mask, 0, 0, w, h, BLACKNESS);
    SIZE size{0, 0};
    GetTextExtentPoint32A(mask, plan.text.c_str(), length, &size);
    const Point at = Gauge_Text_Place(plan, size.cx, size.cy);
    const int saved = SaveDC(mask);
    const Box& in = plan.inside;
    IntersectClipRect(mask, in.left, in.top, in.left + in.width, in.top + in.height);
    SetBkMode(mask, TRANSPARENT);
    SetTextColor(mask, Colour_Of(Exact(plan.text_rgb), 0));
    TextOutA(mask, at.x, at.y, plan.text.c_str(), length);
    RestoreDC(mask, saved);
    BitBlt(picture, 0, 0, w, h, mask, 0, 0, SRCINVERT);
    if (old_font) SelectObject(mask, old_font);
  }
  BitBlt(target, 0, 0, w, h, picture, 0, 0, SRCCOPY);
}

}  // namespace keldra::ui::win32
