#pragma once
// Texts kept scrambled in the program and unscrambled just before they are shown.
// The scrambling happens while compiling, so the executable holds only the
// scrambled bytes: each byte is combined with a running key by exclusive-or.
#include <array>
#include <cstddef>
#include <string>

namespace keldra::extras {

template <std::size_t N>
struct Scrambled {
  std::array<unsigned char, N> bytes{};
};

namespace scramble_detail {
constexpr unsigned char Key(std::size_t i) {
  return static_cast<unsigned char>((0x5Au + 37u * i + (i >> 3)) & 0xFFu);
}
}  // namespace scramble_detail

template <std::size_t N>
consteval Scrambled<N - 1> Scramble(const char (&text)[N]) {
  Scrambled<N - 1> s;
  for (std::size_t i = 0; i + 1 < N; ++i) {
    s.bytes[i] =
        static_cast<unsigned char>(static_cast<unsigned char>(text[i]) ^ scramble_detail::Key(i));
  }
  return s;
}

template <std::size_t N>
std::string Unscramble(const Scrambled<N>& s) {
  std::string text(N, '\0');
  for (std::size_t i = 0; i < N; ++i) {
    text[i] = static_cast<char>(s.bytes[i] ^ scramble_detail::Key(i));
  }
  return text;
}

}  // namespace keldra::extras
