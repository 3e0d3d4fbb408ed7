#pragma once
// keldra-report's rows as one JSON document, for status bars and scripts.
#include <string>
#include <string_view>
#include <vector>

#include "report/report_rows.h"

namespace keldra::report {

// A JSON string literal: quotes, backslashes and control characters escaped; other
// bytes (UTF-8 text) as they are.
std::string Json_String(std::string_view text);

// "fresh", "held" or "missing".
const char* Freshness_Name(platform::Answer_Freshness state);

// "ok", "held" (figures from an earlier answer), "not answered" (none yet, or silent
// too long), "no drive" (no volume behind the letter, or its query failed) or "not
// mounted" (its folder is meant for a volume that is not mounted).
const char* Row_State(const Shown_Row& row);

// {"rows": [...]}: one object a row, in slot order, with its label, gauge value
// ("used"), colour, kilobyte counts, size text, whether the drive answered, whether
// its figures are fresh, held (with their age, "age_ms") or missing, and its state.
std::string Rows_As_Json(const std::vector<Shown_Row>& rows);

}  // namespace keldra::report
