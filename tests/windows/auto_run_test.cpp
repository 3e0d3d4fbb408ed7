// The auto-run routines against the system's own registry: the value under the
// machine-wide Run key is written, read back, rewritten and deleted for real.
#include <gtest/gtest.h>

#include "platform/keldra_error.h"
#include "platform/windows/win32_registry.h"
#include "settings/auto_run.h"
#include "tests/fakes/scripted_message_boxes.h"
#include "tests/windows/win32_test_support.h"

namespace keldra::settings {
namespace {

const std::string kOpened = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr unsigned kRegSz = 1;
constexpr unsigned kRegDword = 4;

class Win32_Auto_Run : public ::testing::Test {
 protected:
  void SetUp() override { test::Remove_Raw_Value(kOpened, "keldra.exe"); }
  void TearDown() override { test::Remove_Raw_Value(kOpened, "keldra.exe"); }
  Auto_Run_Context Ctx() { return {registry, boxes, exe}; }
  std::optional<platform::Registry_Value> Stored() {
    return registry.Read_Value(platform::Registry_Root::Local_Machine, kOpened, "keldra.exe");
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> t;
    for (const auto& s : boxes.shown) t.push_back(s.text);
    return t;
  }

  platform::win32_impl::Win32_Registry registry;
  test::Scripted_Message_Boxes boxes;
  std::string exe = "C:\\Program Files\\Keldra\\keldra.exe";
};

TEST_F(Win32_Auto_Run, WritesReadsBackRewritesAndDeletesTheRunValue) {
  auto ctx = Ctx();
  EXPECT_FALSE(Check_Auto_Run(ctx)) << "nothing there at first";
  ASSERT_TRUE(Turn_Auto_Run_On(ctx));
  ASSERT_TRUE(Stored());
  EXPECT_EQ(Stored()->type, platform::Registry_Type::String);
  EXPECT_EQ(Stored()->data, exe);
  EXPECT_EQ(
      Read_Registry_String(ctx, platform::Registry_Root::Local_Machine, Run_Key_Path, "keldra.exe"),
      exe);
  EXPECT_TRUE(Check_Auto_Run(ctx));

  // The program moved: the stored path is offered for correction and rewritten.
  exe = "D:\\Tools\\keldra.exe";
  boxes.answers = {platform::Button_Yes};
  auto moved = Ctx();
  EXPECT_TRUE(Check_Auto_Run(moved));
  EXPECT_EQ(Stored()->data, exe);

  ASSERT_TRUE(Turn_Auto_Run_Off(moved));
  EXPECT_FALSE(Stored());
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         Message_A1("keldra.exe"),
                         Message_Q1("keldra.exe", "C:\\Program Files\\Keldra\\keldra.exe", exe),
                         Message_A1("keldra.exe"), Message_A2("keldra.exe")}));
  EXPECT_EQ(boxes.shown[1].kind, platform::Message_Kind::Warning);
}

TEST_F(Win32_Auto_Run, NoKeepsTheStoredPathAndOffTwiceIsStillFine) {
  test::Set_Raw_Value(kOpened, "keldra.exe", kRegSz, std::string("E:\\old\\keldra.exe") + '\0');
  boxes.answers = {platform::Button_No};
  auto ctx = Ctx();
  EXPECT_TRUE(Check_Auto_Run(ctx));
  EXPECT_EQ(Stored()->data, "E:\\old\\keldra.exe");
  EXPECT_TRUE(Turn_Auto_Run_Off(ctx));
  EXPECT_TRUE(Turn_Auto_Run_Off(ctx));
  EXPECT_EQ(boxes.shown.back().text, Message_A2("keldra.exe"));
}

TEST_F(Win32_Auto_Run, AValueOfAnotherTypeRaisesTheTypeError) {
  test::Set_Raw_Value(kOpened, "keldra.exe", kRegDword, std::string("\x01\0\0\0", 4));
  auto ctx = Ctx();
  try {
    Check_Auto_Run(ctx);
    FAIL() << "a number read as a path";
  } catch (const Keldra_Error& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'keldra.exe'");
  }
  EXPECT_TRUE(Turn_Auto_Run_On(ctx)) << "switching on replaces it with the string";
  EXPECT_EQ(Stored()->type, platform::Registry_Type::String);
}

TEST_F(Win32_Auto_Run, AMissingKeyGivesW2AndR2) {
  platform::win32_impl::Win32_Registry r;
  EXPECT_FALSE(r.Key_Exists(platform::Registry_Root::Local_Machine,
                            "Software\\Keldra\\No\\Such\\Key", platform::Key_All_Access));
  auto ctx = Ctx();
  EXPECT_FALSE(Write_Registry_String(ctx, platform::Registry_Root::Local_Machine,
                                     "\\Software\\Keldra\\No\\Such\\Key", "keldra.exe", exe));
  EXPECT_FALSE(Remove_Registry_Value(ctx, platform::Registry_Root::Local_Machine,
                                     "\\Software\\Keldra\\No\\Such\\Key", "keldra.exe"));
  EXPECT_EQ(Texts(), (std::vector<std::string>{
                         Message_W2("\\Software\\Keldra\\No\\Such\\Key", "keldra.exe", exe),
                         Message_R2("\\Software\\Keldra\\No\\Such\\Key", "keldra.exe")}));
}

}  // namespace
}  // namespace keldra::settings
