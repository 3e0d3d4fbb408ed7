// The one policy for volumes that may not answer, over askers whose answers the
// test hands out and a clock it moves: one wait a pass, never a second question
// while one is out, and the last answer held until a newer one or the limit.
#include "platform/held_disk_space.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

namespace keldra::platform {
namespace {

using namespace std::chrono_literals;

struct Scripted_Askers final : Drive_Askers {
  explicit Scripted_Askers(Steady_Time& now) : now(now) {}
  std::string Send(std::string_view letters) override {
    std::string asked;
    for (const char c : letters) {
      if (out.count(c)) continue;
      ++sent[c];
      asked += c;
      if (held.count(c)) {
        out[c] = now;
      } else {
        ready.push_back({c, figures[c], now});
      }
    }
    return asked;
  }
  std::vector<Drive_Answer> Collect(std::string_view awaited, Steady_Time deadline) override {
    for (const char c : awaited) {
      if (out.count(c)) {
        now = deadline;  // the whole wait went by
        ++waits;
        break;
      }
    }
    return std::exchange(ready, {});
  }
  std::optional<Steady_Time> Out_Since(char letter) const override {
    const auto it = out.find(letter);
    return it == out.end() ? std::nullopt : std::optional(it->second);
  }
  int Questions_Out() const override { return static_cast<int>(out.size()); }
  void Answer(char letter, Disk_Space_Figures f) {
    out.erase(letter);
    held.erase(letter);
    figures[letter] = f;
    ready.push_back({letter, f, now});
  }

  Steady_Time& now;
  std::map<char, Disk_Space_Figures> figures;
  std::set<char> held;
  std::map<char, Steady_Time> out;
  std::map<char, int> sent;
  std::vector<Drive_Answer> ready;
  int waits = 0;
};

struct Held_Disk_Space_Test : ::testing::Test {
  Held_Disk_Space_Test() {
    auto owned = std::make_unique<Scripted_Askers>(now);
    askers = owned.get();
    disk = std::make_unique<Held_Disk_Space>(std::move(owned), 1500ms, 60s, [this] { return now; });
  }
  u128 Free(char letter) {
    return disk->Get_Disk_Free_Space_Ex(std::string(1, letter) + ":\\").total_free_bytes;
  }
  Answer_Freshness State(char letter) { return disk->Freshness_Of(letter).state; }
  Steady_Time now{};
  Scripted_Askers* askers = nullptr;
  std::unique_ptr<Held_Disk_Space> disk;
};

TEST_F(Held_Disk_Space_Test, ALateVolumeShowsItsLastAnswerUntilANewerOneOrTheLimit) {
  askers->figures = {{'C', {10, 100, 10, true}}, {'N', {7, 70, 7, true}}};
  disk->Ask_Drives("CN");
  EXPECT_EQ(Free('N'), 7u);
  EXPECT_EQ(State('N'), Answer_Freshness::Fresh);

  askers->held = {'N'};  // the server stops answering
  now += 10s;
  disk->Ask_Drives("CN");
  EXPECT_EQ(askers->waits, 1);
  EXPECT_EQ(Free('N'), 7u) << "held while its question is out";
  EXPECT_EQ(disk->Freshness_Of('N').state, Answer_Freshness::Held);
  EXPECT_EQ(disk->Freshness_Of('N').age, 11500ms);
  EXPECT_EQ(State('C'), Answer_Freshness::Fresh);

  for (int pass = 0; pass < 5; ++pass) {
    now += 10s;
    disk->Ask_Drives("CN");
    EXPECT_EQ(Free('C'), 10u);
  }
  EXPECT_EQ(askers->waits, 1) << "a volume that missed a wait is not waited for again";
  EXPECT_EQ(askers->sent['N'], 2) << "never a second question while one is out";
  EXPECT_EQ(Free('N'), 7u) << "silent for 50 s";

  now += 15s;  // silent past the limit
  EXPECT_EQ(State('N'), Answer_Freshness::Missing);
  EXPECT_EQ(Free('N'), 0u);

  askers->Answer('N', {5, 50, 5, true});  // back between two passes, and slow again
  askers->held = {'N'};
  now += 10s;
  disk->Ask_Drives("N");
  EXPECT_EQ(Free('N'), 5u) << "a late answer serves the pass after it came";
  EXPECT_EQ(State('N'), Answer_Freshness::Held);
  EXPECT_EQ(askers->waits, 1) << "it answered late: still not waited for";

  askers->Answer('N', {4, 40, 4, true});
  now += 10s;
  disk->Ask_Drives("N");
  EXPECT_EQ(Free('N'), 4u);
  EXPECT_EQ(State('N'), Answer_Freshness::Fresh);
}

TEST_F(Held_Disk_Space_Test, NeverAnsweredIsMissingAndEachLetterIsAskedOnceAPass) {
  askers->held = {'N'};
  askers->figures = {{'C', {10, 100, 10, true}}};
  disk->Ask_Drives("CN");
  for (int query = 0; query < 4; ++query) {
    EXPECT_EQ(Free('C'), 10u);
    EXPECT_EQ(Free('N'), 0u);
    EXPECT_FALSE(disk->Get_Disk_Free_Space_Ex("N:\\").answered);
  }
  EXPECT_EQ(State('N'), Answer_Freshness::Missing);
  EXPECT_EQ(askers->sent, (std::map<char, int>{{'C', 1}, {'N', 1}}));
  EXPECT_EQ(Free('D'), 0u) << "a letter the pass did not name is asked on its own";
  EXPECT_EQ(askers->sent['D'], 1);
  disk->Ask_Drives("C");
  EXPECT_EQ(askers->sent['C'], 2) << "a new look each pass";
  EXPECT_EQ(disk->Calls_In_Flight(), 1);
  EXPECT_EQ(disk->Waits_Timed_Out(), 1);
}

}  // namespace
}  // namespace keldra::platform
