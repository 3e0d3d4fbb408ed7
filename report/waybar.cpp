#include "report/waybar.h"

#include <algorithm>

#include "report/report_json.h"

namespace keldra::report {
namespace {

bool Stale(const Shown_Row& r) {
  return r.figures.freshness.state != platform::Answer_Freshness::Fresh;
}

int Severity(monitor::Bar_Color colour) {
  switch (colour) {
    case monitor::Bar_Color::Red: return 2;
    case monitor::Bar_Color::Yellow: return 1;
    case monitor::Bar_Color::Lime: break;
  }
  return 0;
}

}  // namespace

std::string Waybar_Class(const std::vector<Shown_Row>& rows) {
  int worst = 0;
  for (const Shown_Row& r : rows) {
    if (r.total) continue;
    if (Stale(r)) return "stale";
    worst = std::max(worst, Severity(r.color));
  }
  static const char* const names[] = {"ok", "warning", "critical"};
  return names[worst];
}

std::string Waybar_Line(const std::vector<Shown_Row>& rows) {
  std::string text;
  std::string tooltip;
  int percentage = 0;
  for (const Shown_Row& r : rows) {
    if (!tooltip.empty()) tooltip += '\n';
    tooltip += Row_Line(r);
    if (r.total) continue;
    std::string letter = r.label;
    if (!letter.empty() && letter.back() == ':') letter.pop_back();
    if (!text.empty()) text += ' ';
    text += letter + ' ' + std::to_string(r.gauge) + '%';
    percentage = std::max(percentage, r.gauge);
  }
  return "{\"text\": " + Json_String(text) + ", \"tooltip\": " + Json_String(tooltip) +
         ", \"class\": " + Json_String(Waybar_Class(rows)) +
         ", \"percentage\": " + std::to_string(percentage) + "}\n";
}

}  // namespace keldra::report
