#include "extras/document_viewing.h"

#include <gtest/gtest.h>

#include "extras/memory_percent.h"
#include "tests/fakes/scripted_message_boxes.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::extras {
namespace {

struct Fake_Launcher final : platform::Launcher {
  std::string Document_Viewer() override { return present ? "/usr/bin/xdg-open" : ""; }
  bool View_Document(const std::string& viewer, const std::string& path) override {
    started.push_back({viewer, {path}});
    return true;
  }
  bool Open_Address(const std::string&) override { return false; }
  bool present = true;
  std::vector<std::pair<std::string, std::vector<std::string>>> started;
};

struct Documents : ::testing::Test {
  // A wait for a busy machine to start the look at the folder, not one for a volume.
  Document_Context Ctx(const std::string& exe) { return {launcher, boxes, exe, Busy_Wait}; }
  static constexpr std::chrono::seconds Busy_Wait{30};
  std::vector<std::string> Texts() {
    std::vector<std::string> t;
    for (const auto& s : boxes.shown) t.push_back(s.text);
    return t;
  }
  Fake_Launcher launcher;
  test::Scripted_Message_Boxes boxes;
  test::Temp_Folder dir;
};

TEST_F(Documents, TheReadMeIsNamedAfterTheExecutableUpToItsFirstDot) {
  EXPECT_EQ(Readme_Path("/opt/Tools/keldra.exe"), "/opt/Tools/keldra.txt");
  EXPECT_EQ(Readme_Path("/opt/Tools/keldra.old.exe"), "/opt/Tools/keldra.txt");
  EXPECT_EQ(Readme_Path("/opt/Tools/keldra"), "/opt/Tools/keldra.txt");
  EXPECT_EQ(Readme_Path("/opt/My Tools/.hidden"), "/opt/My Tools/.txt");
}

TEST_F(Documents, TheViewerGetsThePathAsOneArgumentEvenWhenTheFileIsMissing) {
  auto ctx = Ctx(dir / "with blanks; and $(shell)/keldra");
  View_Readme_File(ctx);
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_EQ(launcher.started[0].first, "/usr/bin/xdg-open");
  EXPECT_EQ(launcher.started[0].second,
            (std::vector<std::string>{dir / "with blanks; and $(shell)/keldra.txt"}));
  EXPECT_TRUE(boxes.shown.empty());
  // Long paths are no different: nothing limits them.
  View_File_In_Notepad(ctx, "/" + std::string(300, 'x'));
  EXPECT_EQ(launcher.started.back().second[0].size(), 301u);
}

TEST_F(Documents, NoViewerIsSaidFirstThenAnEmptyPath) {
  auto ctx = Ctx(dir / "keldra");
  View_File_In_Notepad(ctx, "");
  launcher.present = false;
  View_File_In_Notepad(ctx, "");
  test::Write_File(dir / "keldra.txt", "read me");
  View_Readme_File(ctx);
  EXPECT_EQ(Texts(),
            (std::vector<std::string>{"No Log File to View.", "Windows Notepad could not be found.",
                                      "Windows Notepad could not be found."}));
  for (const auto& s : boxes.shown) EXPECT_EQ(s.kind, platform::Message_Kind::Information);
  EXPECT_TRUE(launcher.started.empty());
}

TEST_F(Documents, TheCatalogueOrTheMessageThatNamesTheProduct) {
  auto ctx = Ctx(dir / "keldra");
  launcher.present = false;  // the catalogue message comes alone, viewer or not
  View_Catalog_File(ctx, "Keldra v3.6f");
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         "Vantrel's Shareware Catalog is not in the same directory as Keldra v3.6f."
                         "  The required file 'catalog.txt' was included in the distribution ZIP "
                         "file.  Please unzip this file and try again."}));
  launcher.present = true;
  test::Write_File(dir / "catalog.txt", "programs");
  View_Catalog_File(ctx, "Keldra v3.6f");
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_EQ(launcher.started[0].second, (std::vector<std::string>{dir / "catalog.txt"}));
}

TEST(Memory_Free_Percent, WholePercentOfPhysicalAndPageFileTogether) {
  const platform::Memory_Status m{16000000ull << 10, 8000000ull << 10, 4000000ull << 10,
                                  3400000ull << 10};
  EXPECT_EQ(Memory_Free_Percent(m), "57%");  // 11.4 of 20
  platform::Memory_Status half{1000 * 1024, 125 * 1024, 0, 0};
  EXPECT_EQ(Memory_Free_Percent(half), "13%");  // 12.5 rounds away from zero
  platform::Memory_Status no_swap{1024 * 1024, 512 * 1024, 0, 0};
  EXPECT_EQ(Memory_Free_Percent(no_swap), "50%");
  EXPECT_EQ(Memory_Free_Percent({}), "0%");
  const std::string real = Memory_Free_Percent(platform::Global_Memory_Status());
  EXPECT_EQ(real.back(), '%');
  EXPECT_EQ(real.find('.'), std::string::npos);
}

}  // namespace
}  // namespace keldra::extras
