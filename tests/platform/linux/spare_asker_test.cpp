// A program's start copies itself once: the spare volume asker does the program's
// first reads, answers them, and only then asks volumes; one stuck in its first job
// is never handed a volume.
#include <unistd.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "platform/linux/volume_askers.h"
#include "tests/fakes/temp_folder.h"

namespace keldra::test {
namespace {

using namespace std::chrono_literals;
using platform::linux_impl::Monotonic_Ns;
using platform::linux_impl::Start_Spare_Volume_Asker;
using platform::linux_impl::Volume_Askers;

// Long enough for a helper to start and answer on a busy machine.
constexpr auto Wait = 10s;
constexpr std::int64_t Wait_Ns = 10'000'000'000;

// The process that answers about /proc/self: its real path names it.
std::string Answering_Process(Volume_Askers& askers) {
  if (!askers.Send("proc", 0, {"/proc/self"}, true)) return "not sent";
  const auto replies = askers.Collect({{"proc", "/proc/self"}}, Monotonic_Ns() + Wait_Ns);
  return replies.size() == 1 ? replies[0].reply.real_path : "no answer";
}

TEST(Spare_Volume_Asker, AnswersItsFirstJobThenAsksVolumesInTheSameProcess) {
  auto first = Start_Spare_Volume_Asker([] { return "/proc/" + std::to_string(getpid()); }, "/");
  ASSERT_NE(first, nullptr);
  const std::optional<std::string> helper = first->Answer(Wait);
  ASSERT_TRUE(helper.has_value());
  EXPECT_NE(*helper, "/proc/" + std::to_string(getpid())) << "the job ran in a helper";

  Volume_Askers askers;
  EXPECT_EQ(Answering_Process(askers), *helper);
}

TEST(Spare_Volume_Asker, OneStuckInItsFirstJobIsPassedOverAndStoppedAfterTheWait) {
  Temp_Folder folder;
  auto first = Start_Spare_Volume_Asker(
      []() -> std::string {
        for (;;) pause();
      },
      folder.Path());
  ASSERT_NE(first, nullptr);
  Volume_Askers askers;
  const std::string asked_by = Answering_Process(askers);
  EXPECT_EQ(asked_by.rfind("/proc/", 0), 0u) << asked_by;
  // Not the stuck one: the askers started their own.
  EXPECT_EQ(first->Answer(100ms), std::nullopt);
  EXPECT_EQ(Answering_Process(askers), asked_by);
}

}  // namespace
}  // namespace keldra::test
