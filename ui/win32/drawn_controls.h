#pragma once
// The main window's labels and gauges, drawn by the window itself rather than made
// as child windows: every child window costs the window system a great deal to
// make (under Wine, half a millisecond each, and the window has 83), while drawing
// them costs what their own painting did. Each keeps what its child window kept:
// its place, text, font, colours and visibility and, for a gauge, its value and
// bar colour; each is drawn exactly as the static control or gauge window drew it.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace keldra::ui::win32 {

struct Drawn_Control {
  int id = 0;
  int tag = 0;
  bool gauge = false;
  RECT box{};
  std::string text;
  bool visible = false;
  bool centred = false;
  HFONT font = nullptr;
  COLORREF text_colour = 0;
  int progress = 100;  // a gauge's
  COLORREF bar = 0;    // a gauge's
};

class Drawn_Controls {
 public:
  // The window they are drawn in, once it exists.
  void Set_Window(HWND window) { window_ = window; }

  Drawn_Control& Add(const Drawn_Control& control);
  const Drawn_Control& Get(int id) const;

  // Each change repaints the control's place, and only when something shown changed.
  void Set_Visible(int id, bool visible);
  // A label's text; with fit, its box then fits the text, min_height high at least.
  void Set_Text(int id, const std::string& text, bool fit, int min_height);
  // Kept within 0..100; answers the value kept.
  int Set_Progress(int id, int value);
  void Set_Bar(int id, COLORREF bar);

  // The visible control at a point of the client area, the first made when they
  // overlap, as the first child window made lay on top of the others; none: nullptr.
  const Drawn_Control* At(POINT p) const;
  // Draws the controls that meet the rectangle, the first made last (on top).
  void Paint(HDC dc, const RECT& dirty, COLORREF background, HBRUSH background_brush) const;

  // Told of each control whose box or visibility changes (for the hints' places).
  void On_Place_Changed(std::function<void(const Drawn_Control&)> changed) {
    changed_ = std::move(changed);
  }

 private:
  Drawn_Control& Find(int id);
  void Repaint(const RECT& r) const;
  void Placed(const Drawn_Control& c) const;

  HWND window_ = nullptr;
  std::vector<Drawn_Control> controls_;
  std::function<void(const Drawn_Control&)> changed_;
};

}  // namespace keldra::ui::win32
