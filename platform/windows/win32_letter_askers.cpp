#include "platform/windows/win32_letter_askers.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace keldra::platform::win32_impl {

// Shared with the workers, so that one answering after its caller has gone on (or
// gone) still has somewhere to report.
struct Win32_Letter_Askers::Shared {
  std::mutex mutex;
  std::condition_variable answered;
  std::array<std::optional<Steady_Time>, Drive_Letter_Count> out{};
  std::vector<std::pair<char, Letter_Facts>> space, describe;
};

Win32_Letter_Askers::Win32_Letter_Askers(Job job)
    : job_(std::move(job)), shared_(std::make_shared<Shared>()) {}

bool Win32_Letter_Askers::Send(char letter, Letter_Question question) {
  const int i = Drive_Letter_Index(letter);
  if (i < 0) return false;
  const char upper = static_cast<char>('A' + i);
  {
    std::lock_guard lock(shared_->mutex);
    auto& out = shared_->out[static_cast<std::size_t>(i)];
    if (out) return false;
    out = std::chrono::steady_clock::now();
  }
  try {
    std::thread([shared = shared_, job = job_, upper, question, i] {
      Letter_Facts facts;
      try {
        facts = job(upper, question);
      } catch (...) {
        facts = {};  // a failed question answers as no volume
      }
      facts.when = std::chrono::steady_clock::now();
      {
        std::lock_guard lock(shared->mutex);
        shared->out[static_cast<std::size_t>(i)].reset();
        (question == Letter_Question::Space ? shared->space : shared->describe)
            .emplace_back(upper, std::move(facts));
      }
      shared->answered.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    std::lock_guard lock(shared_->mutex);
    shared_->out[static_cast<std::size_t>(i)].reset();
    return false;
  }
  return true;
}

std::vector<std::pair<char, Letter_Facts>> Win32_Letter_Askers::Collect(Letter_Question question,
                                                                        std::string_view awaited,
                                                                        Steady_Time deadline) {
  std::unique_lock lock(shared_->mutex);
  shared_->answered.wait_until(lock, deadline, [&] {
    for (const char c : awaited) {
      const int i = Drive_Letter_Index(c);
      if (i >= 0 && shared_->out[static_cast<std::size_t>(i)]) return false;
    }
    return true;
  });
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
