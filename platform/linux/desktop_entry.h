#pragma once
// Desktop entries (the freedesktop.org desktop entry format) as far as an
// autostart entry needs them: writing one whose Exec starts exactly one program
// path, and reading an Exec line back the way a desktop launcher would.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keldra::platform::linux_impl {

// The Exec value that starts `path` with no arguments: the path as one quoted
// argument (with ", `, $ and \ escaped, % written %%), then escaped as a desktop
// string value (\\, \n, \t, \r).
std::string Desktop_Exec_Value(const std::string& path);

// A whole entry: [Desktop Entry], Type=Application, Name=Keldra, Exec=...
std::string Desktop_Entry_Text(const std::string& path);

// Whether the text is well-formed UTF-8, as a desktop entry must be: a launcher
// refuses an entry whose Exec holds other bytes (a folder named in another encoding).
bool Is_Utf8(std::string_view text);

// The arguments of an Exec value (its string escapes already undone) as a launcher
// sees them, or nothing when it is malformed (an unterminated quote, a dangling
// escape).
std::optional<std::vector<std::string>> Parse_Exec_Arguments(std::string_view exec);

// The Exec value of the [Desktop Entry] group, string escapes undone; nothing when
// the text is not a desktop entry with an Exec key.
std::optional<std::string> Desktop_Entry_Exec(std::string_view text);

// The command an Exec value stands for, as a registry value would hold it: the
// program path alone when the line starts one program with no arguments, otherwise
// the command line itself.
std::string Exec_Command(const std::string& exec);

}  // namespace keldra::platform::linux_impl
