#pragma once
// Every error Keldra raises carries the text the user will read; the window's
// handlers catch it and show it in the standard error box.
#include <stdexcept>
#include <string>

namespace keldra {

class Keldra_Error : public std::runtime_error {
 public:
  explicit Keldra_Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace keldra

namespace keldra {

// The text of the standard error box: the message, with a full stop added when
// its last character sorts after ".".
inline std::string Standard_Error_Text(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

}  // namespace keldra
