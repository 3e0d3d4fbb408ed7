#include "extras/text_helpers.h"

namespace keldra::extras {

char First_Char(const std::string& text) { return text.empty() ? '\0' : text.front(); }

std::string Swap_Chars(const std::string& text, int i, int j) {
  const int n = static_cast<int>(text.size());
  if (text.empty() || i < 1 || j < 1 || i > n || j > n) return std::string();
  std::string out = text;
  if (i != j) std::swap(out[static_cast<std::size_t>(i - 1)], out[static_cast<std::size_t>(j - 1)]);
  return out;
}

std::string Sort_Chars(const std::string& text) {
  std::string copy = text;
  bool exchanged = true;
  while (exchanged) {
    exchanged = false;
    for (int k = 1; k < static_cast<int>(copy.size()); ++k) {
      const auto left = static_cast<unsigned char>(copy[static_cast<std::size_t>(k - 1)]);
      const auto right = static_cast<unsigned char>(copy[static_cast<std::size_t>(k)]);
      if (left > right) {
        copy = Swap_Chars(copy, k, k + 1);
        exchanged = true;
      }
    }
  }
  return copy;
}

}  // namespace keldra::extras
