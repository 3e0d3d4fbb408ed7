#include "platform/windows/win32_letter_askers.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <utility>

#include "platform/windows/win32_threads.h"

namespace keldra::platform::win32_impl {

namespace {

// A worker with nothing to do for this long ends.
constexpr auto Idle = std::chrono::seconds(5);

struct Pending {
  char upper;
  std::size_t index;
  Letter_Question question;
  Steady_Time queued;
};

}  // namespace

// Shared with the workers, so that one answering after its caller has gone on (or
// gone) still has somewhere to report. The questions go to a few workers that take
// them in turn: making a thread costs far more than asking a healthy drive (under
// Wine, a millisecond and more against a few microseconds), so one worker asks
// every drive that answers, and another is made only while the questions wait.
struct Win32_Letter_Askers::Shared {
  Win32_Lock mutex;
  Win32_Condition answered;
  Win32_Condition work;
  std::array<std::optional<Steady_Time>, Drive_Letter_Count> out{};
  std::vector<std::pair<char, Letter_Facts>> space, describe;
  std::deque<Pending> queue;
  std::chrono::milliseconds stall;
  int workers = 0;  // alive
  int free = 0;     // waiting for a question
};

namespace {

void Work(const std::shared_ptr<Win32_Letter_Askers::Shared>& shared,
          const Win32_Letter_Askers::Job& job);

// With the mutex held: a worker more when there is none, or when the oldest
// question has waited too long while every worker is busy.
void Staff(const std::shared_ptr<Win32_Letter_Askers::Shared>& shared,
           const Win32_Letter_Askers::Job& job) {
  auto& s = *shared;
  if (s.queue.empty() || s.free > 0) return;
  if (s.workers > 0 && std::chrono::steady_clock::now() - s.queue.front().queued < s.stall) return;
  // With no thread to be had now, the questions wait for a worker to come free.
  if (Start_Detached([shared, job] { Work(shared, job); })) ++s.workers;
}

void Work(const std::shared_ptr<Win32_Letter_Askers::Shared>& shared,
          const Win32_Letter_Askers::Job& job) {
  auto& s = *shared;
  std::unique_lock lock(s.mutex);
  for (;;) {
    ++s.free;
    const bool got = s.work.Wait_Until(s.mutex, std::chrono::steady_clock::now() + Idle,
                                       [&] { return !s.queue.empty(); });
    --s.free;
    if (!got) {
      --s.workers;
      return;
    }
    const Pending p = s.queue.front();
    s.queue.pop_front();
    lock.unlock();
    Letter_Facts facts;
    try {
      facts = job(p.upper, p.question);
    } catch (...) {
      facts = {};  // a failed question answers as no volume
    }
    facts.when = std::chrono::steady_clock::now();
    lock.lock();
    s.out[p.index].reset();
    (p.question == Letter_Question::Space ? s.space : s.describe)
        .emplace_back(p.upper, std::move(facts));
    s.answered.Notify_All();
  }
}

}  // namespace

Win32_Letter_Askers::Win32_Letter_Askers(Job job, std::chrono::milliseconds stall)
    : job_(std::move(job)), shared_(std::make_shared<Shared>()) {
  shared_->stall = stall;
}

bool Win32_Letter_Askers::Send(char letter, Letter_Question question) {
  const int i = Drive_Letter_Index(letter);
  if (i < 0) return false;
  const char upper = static_cast<char>('A' + i);
  std::lock_guard lock(shared_->mutex);
  auto& out = shared_->out[static_cast<std::size_t>(i)];
  if (out) return false;
  out = std::chrono::steady_clock::now();
  shared_->queue.push_back({upper, static_cast<std::size_t>(i), question, *out});
  Staff(shared_, job_);
  shared_->work.Notify_One();
  return true;
}

std::vector<std::pair<char, Letter_Facts>> Win32_Letter_Askers::Collect(Letter_Question question,
                                                                        std::string_view awaited,
                                                                        Steady_Time deadline) {
  std::unique_lock lock(shared_->mutex);
  const auto all_in = [&] {
    for (const char c : awaited) {
      const int i = Drive_Letter_Index(c);
      if (i >= 0 && shared_->out[static_cast<std::size_t>(i)]) return false;
    }
    return true;
  };
  // Waking now and then to give waiting questions a worker while others are stuck.
  while (!all_in() && std::chrono::steady_clock::now() < deadline) {
    Staff(shared_, job_);
    shared_->answered.Wait_Until(
        shared_->mutex, std::min(deadline, std::chrono::steady_clock::now() + shared_->stall),
        all_in);
  }
  return std::exchange(question == Letter_Question::Space ? shared_->space : shared_->describe, {});
}

std::optional<Steady_Time> Win32_Letter_Askers::Out_Since(char letter) const {
  const int i = Drive_Letter_Index(letter);
  if (i < 0) return std::nullopt;
  std::lock_guard lock(shared_->mutex);
  return shared_->out[static_cast<std::size_t>(i)];
}

int Win32_Letter_Askers::Questions_Out() const {
  std::lock_guard lock(shared_->mutex);
  int n = 0;
  for (const auto& out : shared_->out) n += out ? 1 : 0;
  return n;
}

std::string Win32_Drive_Askers::Send(std::string_view letters) {
  std::string asked;
  for (const char c : letters) {
    if (askers_.Send(c, Letter_Question::Space)) asked += c;
  }
  return asked;
}

std::vector<Drive_Answer> Win32_Drive_Askers::Collect(std::string_view awaited,
                                                      Steady_Time deadline) {
  std::vector<Drive_Answer> answers;
  for (auto& [letter, facts] : askers_.Collect(Letter_Question::Space, awaited, deadline)) {
    answers.push_back({letter, facts.figures, facts.when});
  }
  return answers;
}

}  // namespace keldra::platform::win32_impl
