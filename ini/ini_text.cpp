#include "ini/ini_text.h"

#include <vector>

namespace keldra::ini {
namespace {

struct Line {
  std::size_t start = 0;    // offset of the line in the text
  std::size_t content = 0;  // length without its line ending
  std::size_t full = 0;     // length with its line ending
};

// Lines end with LF, CR LF or, as the system's profile calls also take it, a CR
// alone. Visits each line in order until visit returns false; nothing is stored,
// so a long file costs one pass and no memory.
template <typename Visit>
void For_Each_Line(std::string_view text, Visit visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t eol = text.find_first_of("\r\n", pos);
    Line l;
    l.start = pos;
    if (eol == std::string_view::npos) {
      l.content = l.full = text.size() - pos;
    } else {
      l.content = eol - pos;
      const bool crlf = text[eol] == '\r' && eol + 1 < text.size() && text[eol + 1] == '\n';
      l.full = l.content + (crlf ? 2 : 1);
    }
    if (!visit(l)) return;
    pos += l.full;
  }
}

bool Is_Blank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && Is_Blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && (Is_Blank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool Same_Name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// What one line says: a section header, a key, or nothing (blank, comment, junk).
struct Parsed {
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;
  std::string_view value;
};

Parsed Parse_Line(std::string_view line) {
  Parsed p;
  std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return p;
  if (t.front() == '[') {
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return p;
    p.kind = Parsed::Section;
    p.name = Trim(t.substr(1, close - 1));
    return p;
  }
  std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return p;
  p.kind = Parsed::Key;
  p.name = Trim(t.substr(0, eq));
  p.value = Trim(t.substr(eq + 1));
  return p;
}

std::string_view Line_Text(std::string_view text, const Line& l) {
  return text.substr(l.start, l.content);
}

bool Storable(std::string_view s) {
  return s.find('\n') == std::string_view::npos && s.find('\r') == std::string_view::npos;
}

// Ends an unfinished last line before a line is added after it; a file cut off
// between the CR and the LF of its last line gets only the LF.
void End_Last_Line(std::string& text, std::string_view eol) {
  if (text.empty() || text.back() == '\n') return;
  if (text.back() == '\r') {
    if (eol != "\r") text.push_back('\n');
  } else {
    text.append(eol);
  }
}

}  // namespace

std::vector<Ini_Entry> Ini_Section_Entries(std::string_view text, std::string_view section) {
  const std::string_view wanted_section = Trim(section);
  std::vector<Ini_Entry> entries;
  bool in_section = false;
  For_Each_Line(text, [&](const Line& l) {
    const Parsed p = Parse_Line(Line_Text(text, l));
    if (p.kind == Parsed::Section) {
      // Only the first section of a name counts, as for a write: a later one of the
      // same name is never looked at.
      if (in_section) return false;
      in_section = Same_Name(p.name, wanted_section);
    } else if (p.kind == Parsed::Key && in_section) {
      entries.push_back({p.name, p.value});
    }
    return true;
  });
  return entries;
}

std::string Ini_Value_As_Read(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  // The system's reader hands values on as C strings: a NUL ends one.
  v = v.substr(0, v.find('\0'));
  if (v.size() > Max_Profile_Value) v = v.substr(0, Max_Profile_Value);
  return std::string(v);
}

std::size_t Ini_First_Section_Start(std::string_view text) {
  std::size_t start = text.size();
  For_Each_Line(text, [&](const Line& l) {
    if (Parse_Line(Line_Text(text, l)).kind != Parsed::Section) return true;
    start = l.start;
    return false;
  });
  return start;
}

bool Ini_Same_Name(std::string_view a, std::string_view b) { return Same_Name(Trim(a), Trim(b)); }

std::optional<std::string> Ini_Find_Value(std::string_view text, std::string_view section,
                                          std::string_view key) {
  const std::string_view wanted_section = Trim(section);
  const std::string_view wanted_key = Trim(key);
  bool in_section = false;
  std::optional<std::string> found;
  For_Each_Line(text, [&](const Line& l) {
    const Parsed p = Parse_Line(Line_Text(text, l));
    if (p.kind == Parsed::Section) {
      if (in_section) return false;
      in_section = Same_Name(p.name, wanted_section);
    } else if (p.kind == Parsed::Key && in_section && Same_Name(p.name, wanted_key)) {
      found = Ini_Value_As_Read(p.value);
      return false;
    }
    return true;
  });
  return found;
}

std::string Profile_Default(std::string_view default_value) {
  std::string_view d = default_value.substr(0, Max_Profile_Value);
  while (!d.empty() && d.back() == ' ') d.remove_suffix(1);
  return std::string(d);
}

std::optional<std::string> Ini_Set_Value(std::string_view text, std::string_view section,
                                         std::string_view key, std::string_view value) {
  std::string_view wanted_section = Trim(section);
  std::string_view wanted_key = Trim(key);
  if (!Storable(section) || !Storable(key) || !Storable(value) || wanted_key.empty() ||
      wanted_key.find('=') != std::string_view::npos || wanted_key.front() == '[' ||
      wanted_key.front() == ';' || wanted_section.empty() ||
      wanted_section.find(']') != std::string_view::npos) {
    return std::nullopt;
  }
  // New lines take the ending the file already uses (its first line's); a file
  // without any yet gets the system profile calls' own CR LF, so that the same
  // settings give the same bytes wherever they were written.
  const std::size_t first_end = text.find_first_of("\r\n");
  std::string_view eol = "\r\n";
  if (first_end != std::string_view::npos && text[first_end] == '\n') {
    eol = "\n";
  } else if (first_end != std::string_view::npos && first_end + 1 < text.size() &&
             text[first_end + 1] != '\n') {
    eol = "\r";
  }
  bool in_section = false;
  bool section_found = false;
  std::size_t insert_after = 0;  // end offset of the section's last non-blank line
  std::optional<std::string> replaced;
  For_Each_Line(text, [&](const Line& l) {
    const Parsed p = Parse_Line(Line_Text(text, l));
    if (p.kind == Parsed::Section) {
      if (section_found && in_section) return false;  // the first matching section ends here
      in_section = Same_Name(p.name, wanted_section);
      if (in_section) {
        section_found = true;
        insert_after = l.start + l.full;
      }
      return true;
    }
    if (!in_section) return true;
    if (p.kind == Parsed::Key && Same_Name(p.name, wanted_key)) {
      // Keep the key's spelling and the line's own ending; replace the rest.
      std::string out(text.substr(0, l.start));
      out.append(p.name).append("=").append(value);
      out.append(text.substr(l.start + l.content, l.full - l.content));
      out.append(text.substr(l.start + l.full));
      replaced = std::move(out);
      return false;
    }
    if (!Trim(Line_Text(text, l)).empty()) insert_after = l.start + l.full;
    return true;
  });
  if (replaced) return replaced;

  std::string out;
  if (section_found) {
    out.assign(text.substr(0, insert_after));
    End_Last_Line(out, eol);
    out.append(wanted_key).append("=").append(value).append(eol);
    out.append(text.substr(insert_after));
    return out;
  }
  out.assign(text);
  End_Last_Line(out, eol);
  out.append("[").append(wanted_section).append("]").append(eol);
  out.append(wanted_key).append("=").append(value).append(eol);
  return out;
}

}  // namespace keldra::ini
