#include "platform/linux/mountinfo.h"

#include <charconv>

namespace keldra::platform::linux_impl {
namespace {

bool Is_Octal(char c) { return c >= '0' && c <= '7'; }

// Fields apart by blanks: the mount table writes its own as octal escapes, and
// /etc/fstab may use tabs.
bool Blank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> Split_Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && Blank(line[i])) ++i;
    std::size_t start = i;
    while (i < line.size() && !Blank(line[i])) ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

// The line at pos, without its end; pos moves past it.
std::string_view Next_Line(std::string_view text, std::size_t& pos) {
  std::size_t eol = text.find('\n', pos);
  if (eol == std::string_view::npos) eol = text.size();
  const std::string_view line = text.substr(pos, eol - pos);
  pos = eol + 1;
  return line;
}

template <typename T>
bool Parse_Number(std::string_view text, T& out) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string Decode_Mount_Escapes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && Is_Octal(text[i + 1]) && Is_Octal(text[i + 2]) &&
        Is_Octal(text[i + 3])) {
      int value = (text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 + (text[i + 3] - '0');
      out.push_back(static_cast<char>(value & 0xFF));
      i += 3;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::vector<Mount_Entry> Parse_Mountinfo(std::string_view text) {
  std::vector<Mount_Entry> entries;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::vector<std::string_view> f = Split_Fields(Next_Line(text, pos));
    // id, parent, dev, root, point, options, optional fields, "-", type, source, ...
    // The source may be empty on some filesystems, so only the type is required.
    std::size_t dash = 6;
    while (dash < f.size() && f[dash] != "-") ++dash;
    if (dash + 1 >= f.size()) continue;
    Mount_Entry e;
    std::string_view dev = f[2];
    std::size_t colon = dev.find(':');
    if (colon == std::string_view::npos || !Parse_Number(f[0], e.mount_id) ||
        !Parse_Number(f[1], e.parent_id) || !Parse_Number(dev.substr(0, colon), e.major) ||
        !Parse_Number(dev.substr(colon + 1), e.minor)) {
      continue;
    }
    e.root = Decode_Mount_Escapes(f[3]);
    e.mount_point = Decode_Mount_Escapes(f[4]);
    e.fs_type = Decode_Mount_Escapes(f[dash + 1]);
    e.source = dash + 2 < f.size() ? Decode_Mount_Escapes(f[dash + 2]) : std::string();
    entries.push_back(std::move(e));
  }
  return entries;
}

std::vector<std::string> Parse_Fstab_Mount_Points(std::string_view text) {
  std::vector<std::string> points;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::vector<std::string_view> fields = Split_Fields(Next_Line(text, pos));
    if (fields.size() < 2 || fields[0].front() == '#') continue;
    std::string point = Decode_Mount_Escapes(fields[1]);
    if (point.empty() || point.front() != '/') continue;  // "none", "swap"
    while (point.size() > 1 && point.back() == '/') point.pop_back();
    points.push_back(std::move(point));
  }
  return points;
}

}  // namespace keldra::platform::linux_impl
