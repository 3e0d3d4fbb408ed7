// Keldra's own INI engine against the system's profile calls on the same files:
// many generated files, read key by key and written key by key, must give the
// same values and the same bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <windows.h>
#include "ini/ini_text.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::settings {
namespace {

const std::vector<std::string> kSections = {"keldra", "KELDRA", "Keldra", "other", "two words"};
const std::vector<std::string> kKeys = {"a", "A", "timer_interval", "Timer_Interval", "two words"};
const std::vector<std::string> kValues = {
    "",           "1",        "-40",    "cdz",         "two words",           "x=y",
    "\"quoted\"", "'single'", "\"half", "tab\tinside", std::string(2100, 'v')};

struct Generated {
  std::string text;
  std::string description;
};

class Ini_Generator {
 public:
  explicit Ini_Generator(unsigned seed) : random_(seed) {}

  std::string Pick(const std::vector<std::string>& pool) { return pool[Below(pool.size())]; }
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(random_() % n); }

  std::string File() {
    const int style = static_cast<int>(Below(3));  // CRLF, LF, or a mix of both
    std::string text;
    const int lines = static_cast<int>(Below(12));
    for (int i = 0; i < lines; ++i) {
      text += Line();
      text += style == 0 ? "\r\n" : style == 1 ? "\n" : (Below(2) ? "\r\n" : "\n");
    }
    if (Below(4) == 0 && !text.empty()) text.pop_back();  // no end of line at the end
    return text;
  }

 private:
  std::string Line() {
    switch (Below(10)) {
      case 0:
      case 1: return "[" + Pick(kSections) + "]";
      case 2: return Below(2) ? "" : "  \t";
      case 3:
      case 4: return Pick(kKeys) + "=" + Pick(kValues);
      case 5: return "  " + Pick(kKeys) + " =  " + Pick(kValues) + " ";  // blanks around
      case 6: return "[ " + Pick(kSections) + " ]  ";
      case 7: return Below(2) ? "a line without an equals sign" : "[unclosed";
      default: return Below(2) ? "; a comment" : ";" + Pick(kKeys) + "=commented out";
    }
  }
  std::mt19937 random_;
};

std::string System_Read(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& default_value) {
  char buffer[2048];
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(),
                                           buffer, sizeof buffer, path.c_str());
  return std::string(buffer, n);
}

std::string Show(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c == '\r')
      shown += "\\r";
    else if (c == '\n')
      shown += "\\n\n";
    else
      shown += c;
  }
  return shown.size() > 600 ? shown.substr(0, 600) + "..." : shown;
}

std::string Trimmed(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Wine writes a profile file back from what it parsed: every line ends in CR LF,
// blank lines are gone and names and values lose their surrounding blanks. Windows edits the file's
// text in place instead, as Keldra's engine does. Compared in this form, the two must still agree
// line for line: the same keys, values, sections and order.
std::string As_Wine_Writes_It(const std::string& text) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = Trimmed(line);
    if (line.empty()) continue;
    const std::size_t eq = line.find('=');
    if (line[0] == '[' && line.find(']') != std::string::npos) {
      line = "[" + Trimmed(line.substr(1, line.find(']') - 1)) + "]";
    } else if (line[0] != ';' && eq != std::string::npos) {
      line = Trimmed(line.substr(0, eq)) + "=" + Trimmed(line.substr(eq + 1));
    }
    out += line + "\r\n";
  }
  return out;
}

class Ini_Differential : public ::testing::Test {
 protected:
  // Each file under a name of its own: the system keeps a cache of profile files.
  std::string Fresh_Path() { return dir / ("f" + std::to_string(count_++) + ".ini"); }
  test::Temp_Folder dir;
  int count_ = 0;
};

TEST_F(Ini_Differential, ReadsAgreeOnEveryGeneratedFile) {
  Ini_Generator gen(20261208);
  int compared = 0;
  for (int file = 0; file < 400; ++file) {
    const std::string text = gen.File();
    const std::string path = Fresh_Path();
    test::Write_File(path, text);
    for (const std::string& section : kSections) {
      for (const std::string& key : kKeys) {
        // The file's value, or the default as a read returns it.
        const std::string default_value = compared % 2 ? "<default>" : " <default> \t  ";
        const std::string ours =
            ini::Ini_Find_Value(text, section, key).value_or(ini::Profile_Default(default_value));
        const std::string system = System_Read(path, section, key, default_value);
        ASSERT_EQ(ours, system) << "[" << section << "] " << key << " in:\n" << Show(text);
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 400 * 25);
}

TEST_F(Ini_Differential, WritesLeaveTheSameLines) {
  Ini_Generator gen(8122026);
  int same_bytes = 0;
  int writes = 0;
  for (int file = 0; file < 300; ++file) {
    std::string text = gen.File();
    const std::string path = Fresh_Path();
    test::Write_File(path, text);
    for (int write = 0; write < 3; ++write) {
      const std::string section = gen.Pick(kSections);
      const std::string key = gen.Pick(kKeys);
      const std::string value = gen.Pick(kValues);
      const std::string before = text;
      std::optional<std::string> ours = ini::Ini_Set_Value(text, section, key, value);
      ASSERT_TRUE(ours);
      ASSERT_TRUE(
          WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()));
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
      const std::string system = test::Read_File(path);
      // Wine leaves the file alone when the value is already there; otherwise it
      // writes the whole file in its own form.
      if (system == *ours) {
        ++same_bytes;
      } else if (system == before) {
        // Wine skipped a write of the value that was there already; the engine
        // wrote the same value, at most tidying the line's blanks.
        ASSERT_EQ(ini::Ini_Find_Value(before, section, key),
                  ini::Ini_Find_Value(*ours, section, key));
        ASSERT_EQ(As_Wine_Writes_It(before), As_Wine_Writes_It(*ours)) << Show(before);
      } else {
        ASSERT_EQ(Show(As_Wine_Writes_It(*ours)), Show(system))
            << "[" << section << "] " << key << "=" << value.substr(0, 40) << " on:\n"
            << Show(before);
      }
      ++writes;
      text = *ours;
      test::Write_File(path, text);  // both go on from the same file
    }
  }
  // How often Wine's rewrite left the file exactly as Keldra's engine did.
  std::printf("%d of %d writes byte for byte the same\n", same_bytes, writes);
  EXPECT_EQ(writes, 900);
}

TEST_F(Ini_Differential, ANewFileIsWrittenTheSameWay) {
  const std::string path = Fresh_Path();
  std::string text;
  const std::vector<std::pair<std::string, std::string>> writes = {
      {"keldra", "a"}, {"other", "b"}, {"KELDRA", "c"}, {"keldra", "A"}};
  for (const auto& [section, key] : writes) {
    text = *ini::Ini_Set_Value(text, section, key, "v");
    ASSERT_TRUE(WritePrivateProfileStringA(section.c_str(), key.c_str(), "v", path.c_str()));
  }
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
  EXPECT_EQ(Show(text), Show(test::Read_File(path)));
}

}  // namespace
}  // namespace keldra::settings
