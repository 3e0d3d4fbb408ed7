#include "ui/win32/drawn_controls.h"

#include <algorithm>
#include <stdexcept>

#include "ui/gauge_plan.h"
#include "ui/win32/percent_gauge.h"
#include "ui/win32/win32_fonts.h"

namespace keldra::ui::win32 {

Drawn_Control& Drawn_Controls::Add(const Drawn_Control& control) {
  controls_.push_back(control);
  return controls_.back();
}

Drawn_Control& Drawn_Controls::Find(int id) {
  for (Drawn_Control& c : controls_) {
    if (c.id == id) return c;
  }
  throw std::out_of_range("no drawn control " + std::to_string(id));
}

const Drawn_Control& Drawn_Controls::Get(int id) const {
  return const_cast<Drawn_Controls*>(this)->Find(id);
}

void Drawn_Controls::Repaint(const RECT& r) const { InvalidateRect(window_, &r, TRUE); }

void Drawn_Controls::Placed(const Drawn_Control& c) const {
  if (changed_) changed_(c);
}

void Drawn_Controls::Set_Visible(int id, bool visible) {
  Drawn_Control& c = Find(id);
  if (c.visible == visible) return;
  c.visible = visible;
  Repaint(c.box);
  Placed(c);
}

void Drawn_Controls::Set_Text(int id, const std::string& text, bool fit, int min_height) {
  Drawn_Control& c = Find(id);
  if (c.text == text) return;
  if (c.visible) Repaint(c.box);  // where the old text was
  c.text = text;
  if (fit) {
    const SIZE size = Text_Size(c.font, text);
    c.box.right = c.box.left + size.cx;
    c.box.bottom = c.box.top + std::max<int>(size.cy, min_height);
    Placed(c);
  }
  if (c.visible) Repaint(c.box);
}

int Drawn_Controls::Set_Progress(int id, int value) {
  Drawn_Control& c = Find(id);
  const int kept = Gauge_Value(value);
  if (c.progress != kept) {
    c.progress = kept;
    if (c.visible) InvalidateRect(window_, &c.box, FALSE);  // the gauge covers its box
  }
  return kept;
}

void Drawn_Controls::Set_Bar(int id, COLORREF bar) {
  Drawn_Control& c = Find(id);
  if (c.bar == bar) return;
  c.bar = bar;
  if (c.visible) InvalidateRect(window_, &c.box, FALSE);
}

const Drawn_Control* Drawn_Controls::At(POINT p) const {
  for (const Drawn_Control& c : controls_) {
    if (c.visible && PtInRect(&c.box, p)) return &c;
  }
  return nullptr;
}

void Drawn_Controls::Paint(HDC dc, const RECT& dirty, COLORREF background,
                           HBRUSH background_brush) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const Drawn_Control& c = *it;
    RECT meet;
    if (!c.visible || !IntersectRect(&meet, &c.box, &dirty)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, c.box.left, c.box.top, c.box.right, c.box.bottom);
    if (c.gauge) {
      OffsetViewportOrgEx(dc, c.box.left, c.box.top, nullptr);
      Draw_Percent_Gauge(dc, c.box.right - c.box.left, c.box.bottom - c.box.top, c.progress, c.bar,
                         c.font);
    } else {
      // As a static control draws itself: its box in the background, then the text
      // word-wrapped, '&' marking a mnemonic.
      FillRect(dc, &c.box, background_brush);
      if (c.font) SelectObject(dc, c.font);
      SetTextColor(dc, c.text_colour);
      SetBkColor(dc, background);
      RECT box = c.box;
      DrawTextA(dc, c.text.c_str(), static_cast<int>(c.text.size()), &box,
                (c.centred ? DT_CENTER : DT_LEFT) | DT_EXPANDTABS | DT_WORDBREAK);
    }
    RestoreDC(dc, saved);
  }
}

}  // namespace keldra::ui::win32
