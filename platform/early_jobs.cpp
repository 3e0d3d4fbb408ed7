#include "platform/early_jobs.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "platform/bounded_call.h"
#include "platform/platform_services.h"

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

// The jobs of one place, and their answers once asked for.
struct Batch {
  std::string place;
  std::vector<std::string> keys;
  std::unique_ptr<Bounded_Job> job;
  std::optional<std::map<std::string, std::optional<std::string>>> answers;
};

struct Early_State {
  std::mutex mutex;
  std::vector<Batch> batches;
};

Early_State& State() {
  static Early_State state;
  return state;
}

}  // namespace

void Start_Early_Jobs(const std::vector<Early_Job>& jobs, Spare_Helpers spare) {
  Early_State& s = State();
  std::lock_guard lock(s.mutex);
  s.batches.clear();
  std::vector<std::string> places;
  for (const Early_Job& j : jobs) {
    if (std::find(places.begin(), places.end(), j.place) == places.end()) places.push_back(j.place);
  }
  for (const std::string& place : places) {
    std::vector<Early_Job> here;
    Batch batch;
    batch.place = place;
    for (const Early_Job& j : jobs) {
      if (j.place != place) continue;
      here.push_back(j);
      batch.keys.push_back(j.key);
    }
    const std::function<std::string()> pack = [here] { return Pack(here); };
    batch.job = spare == Spare_Helpers::Along && s.batches.empty()
                    ? Start_Spare_Helpers_After(pack, place)
                    : std::make_unique<Bounded_Job>(pack, place);
    s.batches.push_back(std::move(batch));
  }
  if (spare == Spare_Helpers::Along && places.empty()) Start_Spare_Helpers();
}

std::optional<std::string> Run_Bounded_Early(const std::string& key,
                                             const std::function<std::string()>& job,
                                             std::chrono::milliseconds wait,
                                             const std::string& place) {
  {
    Early_State& s = State();
    std::lock_guard lock(s.mutex);
    for (Batch& b : s.batches) {
      if (std::find(b.keys.begin(), b.keys.end(), key) == b.keys.end()) continue;
      if (!b.answers) {
        b.answers = Unpack(b.keys, b.job->Answer(wait));
        b.job.reset();
      }
      const auto it = b.answers->find(key);
      if (it == b.answers->end()) continue;  // taken already
      std::optional<std::string> answer = std::move(it->second);
      b.answers->erase(it);
      return answer;
    }
  }
  return Run_Bounded(job, wait, place);
}

void Drop_Early_Answers(const std::string& place) {
  Early_State& s = State();
  std::lock_guard lock(s.mutex);
  std::erase_if(s.batches, [&](const Batch& b) { return b.place == place; });
}

void Forget_Early_Jobs() {
  Early_State& s = State();
  std::lock_guard lock(s.mutex);
  s.batches.clear();
}

}  // namespace keldra::platform
