#include "platform/linux/desktop_entry.h"

namespace keldra::platform::linux_impl {
namespace {

std::string Escape_String_Value(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Unescape_String_Value(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      const char n = s[++i];
      switch (n) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default: out += '\\'; out += n;
      }
    } else {
      out += s[i];
    }
  }
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// The program a launcher runs for a path that has a "%" in it: launchers look the
// program up before they undo "%%", so such a path is handed to the shell as its
// $0 instead, never as part of its script.
const char* const kShell = "/bin/sh";
const char* const kShellScript = "exec \"$0\"";

std::string Quote_Exec_Argument(const std::string& arg) {
  std::string quoted = "\"";
  for (char c : arg) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace

std::string Desktop_Exec_Value(const std::string& path) {
  std::string exec = Quote_Exec_Argument(path);
  if (path.find('%') != std::string::npos) {
    exec = std::string(kShell) + " -c " + Quote_Exec_Argument(kShellScript) + " " + exec;
  }
  return Escape_String_Value(exec);
}

std::string Desktop_Entry_Text(const std::string& path) {
  return "[Desktop Entry]\nType=Application\nName=Keldra\nExec=" + Desktop_Exec_Value(path) + "\n";
}

bool Is_Utf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t more = 0;
    char32_t code = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      more = 1, code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      more = 2, code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      more = 3, code = lead & 0x07u;
    } else {
      return false;
    }
    if (text.size() - i <= more) return false;
    for (std::size_t k = 1; k <= more; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0u) != 0x80u) return false;
      code = (code << 6) | (c & 0x3Fu);
    }
    // Overlong forms, UTF-16 surrogates and code points past U+10FFFF are not UTF-8.
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (code < least[more] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
    i += more + 1;
  }
  return true;
}

std::optional<std::vector<std::string>> Parse_Exec_Arguments(std::string_view exec) {
  std::vector<std::string> args;
  std::string current;
  bool in_word = false;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (in_word) args.push_back(current);
      current.clear();
      in_word = false;
      continue;
    }
    in_word = true;
    if (c == '"') {
      // A quoted argument: \", \`, \$ and \\ stand for the character itself.
      for (++i;; ++i) {
        if (i >= exec.size()) return std::nullopt;
        const char q = exec[i];
        if (q == '"') break;
        if (q == '\\') {
          if (i + 1 >= exec.size()) return std::nullopt;
          const char e = exec[i + 1];
          if (e == '"' || e == '`' || e == '$' || e == '\\') {
            current += e;
            ++i;
            continue;
          }
        }
        if (q == '%' && i + 1 < exec.size() && exec[i + 1] == '%') ++i;
        current += q;
      }
      continue;
    }
    if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') ++i;
    current += c;
  }
  if (in_word) args.push_back(current);
  return args;
}

std::optional<std::string> Desktop_Entry_Exec(std::string_view text) {
  bool in_group = false;
  bool seen_group = false;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t eol = text.find('\n', pos);
    if (eol == std::string_view::npos) eol = text.size();
    const std::string_view line = Trim(text.substr(pos, eol - pos));
    pos = eol + 1;
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      in_group = line == "[Desktop Entry]";
      seen_group = seen_group || in_group;
      continue;
    }
    if (!seen_group) return std::nullopt;  // anything before the first group: not an entry
    if (!in_group) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    if (Trim(line.substr(0, eq)) == "Exec") return Unescape_String_Value(Trim(line.substr(eq + 1)));
  }
  return std::nullopt;
}

std::string Exec_Command(const std::string& exec) {
  const auto args = Parse_Exec_Arguments(exec);
  if (args && args->size() == 1) return args->front();
  if (args && args->size() == 4 && (*args)[0] == kShell && (*args)[1] == "-c" &&
      (*args)[2] == kShellScript) {
    return (*args)[3];
  }
  return exec;
}

}  // namespace keldra::platform::linux_impl
