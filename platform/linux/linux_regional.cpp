#include <clocale>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/regional.h"

namespace keldra::platform {
namespace {

// The name the C library takes LC_NUMERIC from: the first of LC_ALL, LC_NUMERIC and
// LANG that is set and not empty.
std::string_view Numeric_Locale_Name() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return {};
}

// The C locale, by any of its names, writes a point. Asking the C library would read
// the locale alias list and a locale file (a quarter of a millisecond of a report)
// to learn that.
bool Is_C_Locale(std::string_view name) {
  return name.empty() || name == "C" || name == "POSIX" || name == "C.UTF-8" || name == "C.utf8";
}

}  // namespace

std::string Decimal_Separator_From_Environment() {
  if (Is_C_Locale(Numeric_Locale_Name())) return ".";
  // Look at the user's numeric locale without leaving it in force: the rest of
  // the program formats and parses numbers in the C locale.
  const char* current = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = current ? current : "C";
  std::string separator = ".";
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const std::lconv* conv = std::localeconv();
    if (conv && conv->decimal_point && conv->decimal_point[0] != '\0') {
      separator = conv->decimal_point;
    }
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  return separator;
}

}  // namespace keldra::platform
