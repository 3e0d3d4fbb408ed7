#include "ui/win32/drawn_controls.h"

#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/percent_gauge.h"

namespace keldra::ui::win32 {

void Paint_Drawn_Controls(HDC dc, const RECT& dirty, const Drawn_Controls& controls,
                          const Font_For& font, COLORREF background, HBRUSH background_brush,
                          int dpi) {
  const auto& all = controls.All();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    const Drawn_Control& c = *it;
    RECT box = Scaled(Rect_Of(c.box), dpi);
    RECT meet;
    if (!c.visible || !IntersectRect(&meet, &box, &dirty)) continue;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    const Control_Description& d = *c.described;
    if (c.gauge) {
      OffsetViewportOrgEx(dc, box.left, box.top, nullptr);
      Draw_Percent_Gauge(dc, box.right - box.left, box.bottom - box.top, c.progress,
                         Colour_Of(Exact(c.bar_rgb), 0), font(c));
    } else {
      // As a static control draws itself: its box in the background, then the text
      // word-wrapped, '&' marking a mnemonic.
      FillRect(dc, &box, background_brush);
      if (HFONT f = font(c)) SelectObject(dc, f);
      SetTextColor(dc, Colour_Of(d.text_colour, COLOR_WINDOWTEXT));
      SetBkColor(dc, background);
      DrawTextA(
          dc, c.text.c_str(), static_cast<int>(c.text.size()), &box,
          (d.align == Text_Align::Centre ? DT_CENTER : DT_LEFT) | DT_EXPANDTABS | DT_WORDBREAK);
    }
    RestoreDC(dc, saved);
  }
}

}  // namespace keldra::ui::win32
