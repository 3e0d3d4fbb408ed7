#pragma once
// Bytes of every value in a fixed pseudo-random order: a file a user might put in
// a settings file's place by mistake, the same on every run.
#include <cstddef>
#include <cstdint>
#include <string>

namespace keldra::test {

inline std::string Junk_Text(std::size_t size) {
  std::string junk;
  junk.reserve(size);
  std::uint32_t x = 12345;
  while (junk.size() < size) {
    x = x * 1103515245u + 12345u;
    junk.push_back(static_cast<char>(x >> 24));
  }
  return junk;
}

}  // namespace keldra::test
