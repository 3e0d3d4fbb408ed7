#pragma once
// How a row's percentage gauge looks, whatever draws it: the whole box black, the
// inside white within a 1-pixel border, the bar from the left to the value's column,
// and "N%" written across in exclusive-or with white (black over the white inside, the
// bar's complement over the bar), centred and kept to the inside. A face fills the
// boxes and draws the text where it is told, in the row's font without smoothing
// (exclusive-or wants whole pixels).
#include <cstdint>
#include <string>

#include "ui/window_description.h"

namespace keldra::ui {

// A gauge shows 0 to 100: what it is given beyond that, it shows at the edge.
int Gauge_Value(int value);

struct Gauge_Plan {
  int value = 0;
  Box whole;                            // filled with border_rgb first
  Box inside;                           // then background_rgb; empty when too small
  Box bar;                              // then bar_rgb; empty when the value is too small
  std::uint32_t border_rgb = 0x000000;  // 0xRRGGBB
  std::uint32_t background_rgb = 0xFFFFFF;
  std::uint32_t bar_rgb = 0;
  std::uint32_t text_rgb = 0xFFFFFF;  // combined with what lies below by exclusive-or
  std::string text;                   // "57%"; empty when there is no inside to write in
};

Gauge_Plan Plan_Gauge(int width, int height, int value, std::uint32_t bar_rgb);

struct Point {
  int x = 0;
  int y = 0;
};

// The text's top-left, given its size as measured in the face's font.
Point Gauge_Text_Place(const Gauge_Plan& plan, int text_width, int text_height);

}  // namespace keldra::ui
