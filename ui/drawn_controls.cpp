#include "ui/drawn_controls.h"

#include <algorithm>
#include <stdexcept>

namespace keldra::ui {

void Drawn_Controls::Add_Described(const Window_Description& d,
                                   const std::function<int(const Control_Description&)>& id_of,
                                   std::uint32_t bar_rgb) {
  for (const Control_Description& c : d.controls) {
    if (c.kind != Control_Kind::Label && c.kind != Control_Kind::Gauge) continue;
    Drawn_Control drawn;
    drawn.id = id_of(c);
    drawn.described = &c;
    drawn.gauge = c.kind == Control_Kind::Gauge;
    drawn.box = c.box;
    drawn.visible = c.visible;
    drawn.bar_rgb = bar_rgb;
    // A shown heading fits its text at once; a row's texts grow when a pass fills them.
    const bool fit_now = c.auto_size && c.visible;
    if (!drawn.gauge && !fit_now) drawn.text = c.text;
    controls_.push_back(drawn);
    if (fit_now) Set_Text(drawn.id, c.text, true, 0);
  }
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

void Drawn_Controls::Placed(const Drawn_Control& c) const {
  if (changed_) changed_(c);
}

void Drawn_Controls::Set_Visible(int id, bool visible) {
  Drawn_Control& c = Find(id);
  if (c.visible == visible) return;
  c.visible = visible;
  repaint_(c.box, true);
  Placed(c);
}

void Drawn_Controls::Set_Text(int id, const std::string& text, bool fit, int min_height) {
  Drawn_Control& c = Find(id);
  if (c.text == text) return;
  if (c.visible) repaint_(c.box, true);  // where the old text was
  c.text = text;
  if (fit) {
    const Text_Extent size = measure_(c, text);
    c.box.width = size.width;
    c.box.height = std::max(size.height, min_height);
    Placed(c);
  }
  if (c.visible) repaint_(c.box, true);
}

int Drawn_Controls::Set_Progress(int id, int value) {
  Drawn_Control& c = Find(id);
  const int kept = Gauge_Value(value);
  if (c.progress != kept) {
    c.progress = kept;
    if (c.visible) repaint_(c.box, false);
  }
  return kept;
}

void Drawn_Controls::Set_Bar(int id, std::uint32_t bar_rgb) {
  Drawn_Control& c = Find(id);
  if (c.bar_rgb == bar_rgb) return;
  c.bar_rgb = bar_rgb;
  if (c.visible) repaint_(c.box, false);
}

const Drawn_Control* Drawn_Controls::At(Point p) const {
  for (const Drawn_Control& c : controls_) {
    const Box& b = c.box;
    if (c.visible && p.x >= b.left && p.x < b.left + b.width && p.y >= b.top &&
        p.y < b.top + b.height) {
      return &c;
    }
  }
  return nullptr;
}

}  // namespace keldra::ui
