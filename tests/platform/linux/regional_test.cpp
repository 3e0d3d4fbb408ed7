#include "platform/regional.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace keldra::platform {
namespace {

// Sets an environment variable, or unsets it for nullptr.
void Set(const char* name, const char* value) {
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
}

// A locale that writes a comma, built into the test's own folder: the machine may
// have none installed.
class Decimal_Separator : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / "keldra_locales";
    std::filesystem::create_directories(folder);
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    built = std::system(command.c_str()) == 0;
    locales = folder.string();
  }
  void SetUp() override {
    if (!built) GTEST_SKIP() << "localedef could not build de_DE.UTF-8 (Debian's locales package)";
  }
  static inline bool built = false;
  static inline std::string locales;
};

TEST_F(Decimal_Separator, FollowsTheVariableTheCLibraryWouldFollow) {
  struct Case {
    const char* lc_all;
    const char* lc_numeric;
    const char* lang;
    const char* expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, "."},
      {nullptr, nullptr, "C.UTF-8", "."},
      {nullptr, nullptr, "de_DE.UTF-8", ","},
      {nullptr, "de_DE.UTF-8", "C.UTF-8", ","},  // a C LANG does not hide LC_NUMERIC
      {"", "de_DE.UTF-8", "C", ","},             // an empty LC_ALL names nothing
      {"C", "de_DE.UTF-8", "de_DE.UTF-8", "."},
      {nullptr, "POSIX", "de_DE.UTF-8", "."},
  };
  const char* names[] = {"LOCPATH", "LC_ALL", "LC_NUMERIC", "LANG"};
  std::optional<std::string> before[4];
  for (int i = 0; i < 4; ++i) {
    if (const char* value = std::getenv(names[i])) before[i] = value;
  }
  Set("LOCPATH", locales.c_str());
  for (const Case& c : cases) {
    Set("LC_ALL", c.lc_all);
    Set("LC_NUMERIC", c.lc_numeric);
    Set("LANG", c.lang);
    SCOPED_TRACE(std::string("LC_ALL=") + (c.lc_all ? c.lc_all : "(unset)") +
                 " LC_NUMERIC=" + (c.lc_numeric ? c.lc_numeric : "(unset)") +
                 " LANG=" + (c.lang ? c.lang : "(unset)"));
    EXPECT_EQ(Decimal_Separator_From_Environment(), c.expected);
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C") << "the program's own stays C";
  }
  for (int i = 0; i < 4; ++i) Set(names[i], before[i] ? before[i]->c_str() : nullptr);
}

}  // namespace
}  // namespace keldra::platform
