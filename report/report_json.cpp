#include "report/report_json.h"

#include <cstdio>

namespace keldra::report {

std::string Json_String(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + '"';
}

const char* Freshness_Name(platform::Answer_Freshness state) {
  switch (state) {
    case platform::Answer_Freshness::Held: return "held";
    case platform::Answer_Freshness::Missing: return "missing";
    case platform::Answer_Freshness::Fresh: break;
  }
  return "fresh";
}

const char* Row_State(const Shown_Row& r) {
  if (r.figures.not_mounted) return "not mounted";
  switch (r.figures.freshness.state) {
    case platform::Answer_Freshness::Held: return "held";
    case platform::Answer_Freshness::Missing: return "not answered";
    case platform::Answer_Freshness::Fresh: break;
  }
  return r.figures.queried ? "ok" : "no drive";
}

std::string Rows_As_Json(const std::vector<Shown_Row>& rows) {
  std::string out = "{\"rows\": [";
  const char* separator = "\n  ";
  for (const Shown_Row& r : rows) {
    out += separator;
    separator = ",\n  ";
    out += "{\"label\": " + Json_String(r.label) + ", \"used\": " + std::to_string(r.gauge) +
           ", \"colour\": " + Json_String(monitor::Bar_Color_Name(r.color)) +
           ", \"free_kb\": " + std::to_string(r.figures.free_kb) +
           ", \"total_kb\": " + std::to_string(r.figures.capacity_kb) +
           ", \"text\": " + Json_String(r.text) +
           ", \"queried\": " + (r.figures.queried ? "true" : "false") + ", \"figures\": " +
           // A drive that gave no figures has none to call fresh.
           Json_String(r.figures.queried ? Freshness_Name(r.figures.freshness.state)
                                         : Freshness_Name(platform::Answer_Freshness::Missing)) +
           ", \"state\": " + Json_String(Row_State(r));
    if (r.figures.freshness.state == platform::Answer_Freshness::Held) {
      out += ", \"age_ms\": " + std::to_string(r.figures.freshness.age.count());
    }
    out += "}";
  }
  return out + (rows.empty() ? "]}\n" : "\n]}\n");
}

}  // namespace keldra::report
