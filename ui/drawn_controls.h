#pragma once
// A window's labels and gauges drawn by the window itself, not made as widgets of
// their own: each widget costs the window system far more to make than its painting
// costs (under Wine, half a millisecond each; the main window has 83). Each keeps
// what its widget kept (place, text, visibility and, for a gauge, its value and bar
// colour), says which area to paint again when something shown changes, and is found
// by place for a double-click or a hint. A face measures texts and paints them.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/gauge_plan.h"
#include "ui/window_description.h"

namespace keldra::ui {

struct Drawn_Control {
  int id = 0;                                      // the face's own number for it
  const Control_Description* described = nullptr;  // its font, colours, alignment, hint
  bool gauge = false;
  Box box;
  std::string text;
  bool visible = false;
  int progress = 100;         // a gauge's
  std::uint32_t bar_rgb = 0;  // a gauge's, 0xRRGGBB
};

struct Text_Extent {
  int width = 0;
  int height = 0;
};

class Drawn_Controls {
 public:
  // A text's size in the control's font.
  using Measure = std::function<Text_Extent(const Drawn_Control&, const std::string&)>;
  // An area to paint again; erase: its background first (a gauge covers its own box).
  using Repaint = std::function<void(const Box&, bool erase)>;

  Drawn_Controls(Measure measure, Repaint repaint)
      : measure_(std::move(measure)), repaint_(std::move(repaint)) {}

  // Every label and gauge of the description, numbered by id_of, in its order; an
  // auto-sized label that is shown fits its text from the start.
  void Add_Described(const Window_Description& d,
                     const std::function<int(const Control_Description&)>& id_of,
                     std::uint32_t bar_rgb);
  const Drawn_Control& Get(int id) const;

  void Set_Visible(int id, bool visible);
  // A label's text; with fit, its box then fits the text, min_height high at least.
  void Set_Text(int id, const std::string& text, bool fit, int min_height);
  // Kept within 0..100; answers the value kept.
  int Set_Progress(int id, int value);
  void Set_Bar(int id, std::uint32_t bar_rgb);

  // The visible control at a point of the client area, the first made where they
  // overlap (it lies on top); none: nullptr.
  const Drawn_Control* At(Point p) const;
  // In the order made: painted from the last, so that the first lies on top.
  const std::vector<Drawn_Control>& All() const { return controls_; }

  // Told of each control whose box or visibility changes (for hints by place).
  void On_Place_Changed(std::function<void(const Drawn_Control&)> changed) {
    changed_ = std::move(changed);
  }

 private:
  Drawn_Control& Find(int id);
  void Placed(const Drawn_Control& c) const;

  Measure measure_;
  Repaint repaint_;
  std::vector<Drawn_Control> controls_;
  std::function<void(const Drawn_Control&)> changed_;
};

}  // namespace keldra::ui
