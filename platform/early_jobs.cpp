#include "platform/early_jobs.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "platform/bounded_call.h"

namespace keldra::platform {
namespace {

// The helper answers each job in order: '1', its length (8 bytes) and its answer,
// or '0' where the job failed.
std::string Pack(const std::vector<Early_Job>& jobs) {
  std::string packed;
  for (const Early_Job& j : jobs) {
    try {
      const std::string answer = j.job();
      const std::uint64_t size = answer.size();
      packed += '1';
      packed.append(reinterpret_cast<const char*>(&size), sizeof size);
      packed += answer;
    } catch (...) {
      packed += '0';
    }
  }
  return packed;
}

std::map<std::string, std::optional<std::string>> Unpack(const std::vector<std::string>& keys,
                                                         const std::optional<std::string>& packed) {
  std::map<std::string, std::optional<std::string>> answers;
  std::size_t at = 0;
  for (const std::string& key : keys) {
    std::optional<std::string>& answer = answers[key];
    if (!packed || at >= packed->size() || (*packed)[at++] != '1') continue;
    std::uint64_t size = 0;
    if (packed->size() - at < sizeof size) break;
    std::memcpy(&size, packed->data() + at, sizeof size);
    at += sizeof size;
    if (packed->size() - at < size) break;
    answer = packed->substr(at, size);
    at += size;
  }
  return answers;
}

struct Early_State {
  std::mutex mutex;
  std::unique_ptr<Bounded_Job> job;
  std::vector<std::string> keys;  // not yet asked for
  std::optional<std::map<std::string, std::optional<std::string>>> answers;
};

Early_State& State() {
  static Early_State state;
  return state;
}

}  // namespace

void Start_Early_Jobs(std::vector<Early_Job> jobs, const std::string& place) {
  Early_State& s = State();
  std::lock_guard lock(s.mutex);
  s.keys.clear();
  for (const Early_Job& j : jobs) s.keys.push_back(j.key);
  s.answers.reset();
  s.job = std::make_unique<Bounded_Job>([jobs] { return Pack(jobs); }, place);
}

std::optional<std::string> Run_Bounded_Early(const std::string& key,
                                             const std::function<std::string()>& job,
                                             std::chrono::milliseconds wait,
                                             const std::string& place) {
  {
    Early_State& s = State();
    std::lock_guard lock(s.mutex);
    if (!s.answers && s.job && std::find(s.keys.begin(), s.keys.end(), key) != s.keys.end()) {
      s.answers = Unpack(s.keys, s.job->Answer(wait));
      s.job.reset();
    }
    if (s.answers) {
      const auto it = s.answers->find(key);
      if (it != s.answers->end()) {
        std::optional<std::string> answer = std::move(it->second);
        s.answers->erase(it);
        return answer;
      }
    }
  }
  return Run_Bounded(job, wait, place);
}

void Forget_Early_Jobs() {
  Early_State& s = State();
  std::lock_guard lock(s.mutex);
  s.job.reset();
  s.keys.clear();
  s.answers.reset();
}

}  // namespace keldra::platform
