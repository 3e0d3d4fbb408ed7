#pragma once
// keldra-report --waybar: one JSON object a line, as status bars take it without a
// filter (waybar's custom modules, i3blocks' JSON format): a short text, the rows as
// a tooltip, a class for the bar's colour and the worst drive's percentage.
#include <string>
#include <vector>

#include "report/report_rows.h"

namespace keldra::report {

// "ok", "warning" or "critical" by the worst monitored drive, with the window's own
// colour rules (yellow from 85 %, red above 95 %); "stale" where any drive's figures
// are held from an earlier pass or missing, since the bar must not look current then.
std::string Waybar_Class(const std::vector<Shown_Row>& rows);

// {"text": "C 23% D 85%", "tooltip": <the rows as the report prints them>,
//  "class": ..., "percentage": <the worst drive's>}, and a newline.
std::string Waybar_Line(const std::vector<Shown_Row>& rows);

}  // namespace keldra::report
