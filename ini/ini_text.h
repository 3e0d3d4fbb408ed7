#pragma once
// INI text with the Windows profile rules, as pure text operations: no files.
// Section and key names match without regard to case; a write replaces the key's
// line or appends it at the end of its section, and leaves every other byte of the
// text (unknown keys, other sections, comments, line endings) as it was.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keldra::ini {

// The longest value a read returns, as the 2048-byte buffer of the profile call allows.
inline constexpr std::size_t Max_Profile_Value = 2047;

// The value of the first matching key, trimmed of blanks and of one pair of
// enclosing quotes, cut to Max_Profile_Value; nothing when the key is missing.
std::optional<std::string> Ini_Find_Value(std::string_view text, std::string_view section,
                                          std::string_view key);

// A key line of a section: its name and raw value, both trimmed of blanks.
struct Ini_Entry {
  std::string_view name;
  std::string_view value;
};

// Every key line of the first section of that name, in file order, repeats
// included, read in one pass: the first entry of a name is the one a read finds.
// The views point into text.
std::vector<Ini_Entry> Ini_Section_Entries(std::string_view text, std::string_view section);

// A raw value as a read returns it: one pair of enclosing quotes off, cut at a NUL
// and to Max_Profile_Value.
std::string Ini_Value_As_Read(std::string_view raw_value);

// Where the first section header line starts; the text's length when it has none.
std::size_t Ini_First_Section_Start(std::string_view text);

// Section and key names compare without regard to case or surrounding blanks.
bool Ini_Same_Name(std::string_view a, std::string_view b);

// The default as a profile read returns it: cut to Max_Profile_Value, without its
// trailing blanks (the system's documented behaviour; leading ones stay).
std::string Profile_Default(std::string_view default_value);

// The text with section/key set to value. Nothing when the name or value cannot
// be stored in an INI line (line breaks, a key with "=" or none at all).
std::optional<std::string> Ini_Set_Value(std::string_view text, std::string_view section,
                                         std::string_view key, std::string_view value);

}  // namespace keldra::ini
