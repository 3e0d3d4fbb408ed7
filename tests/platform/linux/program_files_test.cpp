// The package's build of the program's file places: built with KELDRA_PACKAGE_LAYOUT
// into a test program of its own, since every other build keeps them beside the
// executable.
#include "platform/program_files.h"

#include <sys/stat.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"

namespace keldra::platform {
namespace {

struct Environment_Case {
  const char* config;  // XDG_CONFIG_HOME, or nullptr for unset
  const char* home;
  const char* expected;
};

TEST(Package_Layout, SettingsFollowXdgConfigHomeWhereAbsoluteElseHome) {
  const Environment_Case cases[] = {
      {nullptr, "/home/ann", "/home/ann/.config/keldra/"},
      {"/srv/conf", "/home/ann", "/srv/conf/keldra/"},
      {"", "/home/ann", "/home/ann/.config/keldra/"},
      {"relative/conf", "/home/ann", "/home/ann/.config/keldra/"},
  };
  for (const Environment_Case& c : cases) {
    if (c.config) {
      setenv("XDG_CONFIG_HOME", c.config, 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
    setenv("HOME", c.home, 1);
    EXPECT_EQ(Settings_Folder("/usr/bin/keldra"), c.expected) << (c.config ? c.config : "unset");
  }
  EXPECT_EQ(Documents_Folder("/usr/bin/keldra"), "/usr/share/keldra/");
}

TEST(Package_Layout, TheConfigurationFolderIsMadeOwnerOnlyAndNoOtherFolderIs) {
  test::Temp_Folder dir;
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  Make_Settings_Folder(dir / "elsewhere/keldra.ini");
  EXPECT_FALSE(test::Exists(dir / "elsewhere")) << "only the configuration folder is made";
  Make_Settings_Folder(dir / "config/keldra/keldra.ini");
  struct stat st {};
  ASSERT_EQ(stat((dir / "config/keldra").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  ASSERT_EQ(chmod((dir / "config/keldra").c_str(), 0750), 0);
  Make_Settings_Folder(dir / "config/keldra/drives.ini");
  ASSERT_EQ(stat((dir / "config/keldra").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0750u) << "a folder already there keeps its mode";
}

}  // namespace
}  // namespace keldra::platform
