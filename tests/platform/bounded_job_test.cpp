#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "platform/bounded_call.h"

namespace keldra::test {
namespace {

using namespace std::chrono_literals;

// Long enough for a helper to start and answer on a busy machine.
constexpr auto Wait = 10s;

TEST(Bounded_Job, AnswersWhatTheJobReturnedByteForByteOnceAndNothingForAFailedJob) {
  // The answer's end is marked on Linux: a marker byte or a NUL inside or at the
  // end of an answer, or an answer larger than one read, comes back whole.
  const std::string answers[] = {"", "plain", std::string("a\x06 b\0c\x06", 7),
                                 std::string(200000, 'x') + '\x06'};
  for (const std::string& answer : answers) {
    platform::Bounded_Job job([answer] { return answer; });
    EXPECT_EQ(job.Answer(Wait), answer) << answer.size();
    EXPECT_EQ(job.Answer(Wait), std::nullopt) << "answered once";
  }
  platform::Bounded_Job failed([]() -> std::string { throw std::runtime_error("no"); });
  EXPECT_EQ(failed.Answer(Wait), std::nullopt);
}

}  // namespace
}  // namespace keldra::test
