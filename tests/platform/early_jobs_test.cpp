#include "platform/early_jobs.h"

#include <chrono>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include "tests/fakes/temp_folder.h"
#include "tests/fakes/wait_until.h"

namespace keldra::test {
namespace {

using namespace std::chrono_literals;
using platform::Run_Bounded_Early;

// Long enough for a helper to start and read a small file on a busy machine.
constexpr auto Wait = 10s;

class Early_Jobs : public ::testing::Test {
 protected:
  ~Early_Jobs() override { platform::Forget_Early_Jobs(); }
  std::function<std::string()> Reader(const std::string& path) {
    return [path] { return Read_File(path); };
  }
  Temp_Folder folder;
};

TEST_F(Early_Jobs, RunBeforeAskedInOneHelperAndEachAnswerIsTakenOnce) {
  Write_File(folder / "a.ini", "one");
  const std::string marker = folder / "ran";
  const std::string here = folder.Path();
  platform::Start_Early_Jobs(
      {{"a", Reader(folder / "a.ini"), here},
       {"marker",
        [marker] {
          Write_File(marker, "");
          return std::string("marked");
        },
        here},
       {"fails", []() -> std::string { throw std::runtime_error("no"); }, here}});
  // The jobs run without being asked for: the last but one leaves its mark.
  ASSERT_TRUE(Wait_Until([&] { return Exists(marker); }));
  Write_File(folder / "a.ini", "two");

  EXPECT_EQ(Run_Bounded_Early("a", Reader(folder / "a.ini"), Wait, folder.Path()), "one");
  EXPECT_EQ(Run_Bounded_Early("fails", Reader(folder / "a.ini"), Wait, folder.Path()),
            std::nullopt);
  EXPECT_EQ(Run_Bounded_Early("marker", Reader(folder / "a.ini"), Wait, folder.Path()), "marked");
  // Taken: asked again, the job runs now.
  EXPECT_EQ(Run_Bounded_Early("a", Reader(folder / "a.ini"), Wait, folder.Path()), "two");
  // Never started early: runs now.
  EXPECT_EQ(Run_Bounded_Early("b", Reader(folder / "a.ini"), Wait, folder.Path()), "two");
}

TEST_F(Early_Jobs, AChangeAtTheFolderDropsItsAnswersNotYetTaken) {
  Write_File(folder / "a.ini", "one");
  const std::string path = folder / "a.ini", marker = folder / "read";
  platform::Start_Early_Jobs({{"a",
                               [path, marker] {
                                 const std::string text = Read_File(path);
                                 Write_File(marker, "");
                                 return text;
                               },
                               folder.Path()}});
  ASSERT_TRUE(Wait_Until([&] { return Exists(marker); }));
  platform::Drop_Early_Answers(folder.Path());
  Write_File(folder / "a.ini", "two");
  EXPECT_EQ(Run_Bounded_Early("a", Reader(folder / "a.ini"), Wait, folder.Path()), "two");
}

TEST_F(Early_Jobs, AHelperThatDoesNotAnswerCostsOneWaitForAllItsJobsAndNoOtherFolders) {
  const auto stuck = [] {
    std::this_thread::sleep_for(60s);
    return std::string("late");
  };
  Write_File(folder / "c.ini", "three");
  platform::Start_Early_Jobs({{"a", stuck, folder.Path()},
                              {"c", Reader(folder / "c.ini"), folder / "elsewhere"},
                              {"b", stuck, folder.Path()}});
  EXPECT_EQ(Run_Bounded_Early("a", stuck, 200ms, folder.Path()), std::nullopt);
  // The other job of the same helper has no answer either, without a second wait
  // (one of 60 s would end the test by its timeout).
  EXPECT_EQ(Run_Bounded_Early("b", stuck, 60s, folder.Path()), std::nullopt);
  // Another folder's jobs have a helper of their own.
  EXPECT_EQ(Run_Bounded_Early("c", stuck, Wait, folder / "elsewhere"), "three");
}

}  // namespace
}  // namespace keldra::test
