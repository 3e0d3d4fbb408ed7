#include <clocale>
#include <string>

#include "platform/regional.h"

namespace keldra::platform {

std::string Decimal_Separator_From_Environment() {
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
