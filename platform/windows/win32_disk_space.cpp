#include "platform/windows/win32_disk_space.h"

#include <windows.h>

#include <condition_variable>
#include <thread>

namespace keldra::platform::win32_impl {

Disk_Space_Figures Query_Disk_Free_Space(const std::string& root_path) {
  ULARGE_INTEGER caller{}, total{}, free{};
  Disk_Space_Figures f;
  if (GetDiskFreeSpaceExA(root_path.c_str(), &caller, &total, &free)) {
    f.free_bytes_to_caller = caller.QuadPart;
    f.total_bytes = total.QuadPart;
    f.total_free_bytes = free.QuadPart;
    f.answered = true;
  }
  return f;
}

// The roots being asked on worker threads, shared with the workers so that a
// worker that answers after its caller gave up still has somewhere to report.
struct Win32_Disk_Space::In_Flight {
  std::mutex mutex;
  std::set<std::string> roots;
};

namespace {

struct Answer {
  std::mutex mutex;
  std::condition_variable ready_signal;
  bool ready = false;
  Disk_Space_Figures figures;
};

}  // namespace

Win32_Disk_Space::Win32_Disk_Space(Drive_Table& table, std::chrono::milliseconds wait, Query query)
    : table_(table),
      wait_(wait),
      query_(std::move(query)),
      in_flight_(std::make_shared<In_Flight>()) {}

void Win32_Disk_Space::Ask_Drives(std::string_view) {
  in_pass_ = true;
  pass_answers_.clear();
}

Disk_Space_Figures Win32_Disk_Space::Get_Disk_Free_Space_Ex(std::string_view root_path) {
  const std::string root(root_path);
  if (in_pass_) {
    if (const auto it = pass_answers_.find(root); it != pass_answers_.end()) return it->second;
  }
  const Disk_Space_Figures f =
      !root.empty() && table_.Query_May_Stall(root[0]) ? Bounded_Query(root) : query_(root);
  if (in_pass_) pass_answers_[root] = f;
  return f;
}

Disk_Space_Figures Win32_Disk_Space::Bounded_Query(const std::string& root) {
  {
    std::lock_guard lock(in_flight_->mutex);
    // A server that has not answered the last question is not asked again until it
    // does; and a bounded number of threads may wait at all.
    if (in_flight_->roots.count(root) ||
        static_cast<int>(in_flight_->roots.size()) >= Max_Network_Queries_In_Flight) {
      return {};
    }
    in_flight_->roots.insert(root);
  }
  auto answer = std::make_shared<Answer>();
  std::thread([root, answer, in_flight = in_flight_, query = query_] {
    const Disk_Space_Figures figures = query(root);
    {
      // Free the root before answering, so the next pass may ask it again at once.
      std::lock_guard lock(in_flight->mutex);
      in_flight->roots.erase(root);
    }
    {
      std::lock_guard lock(answer->mutex);
      answer->figures = figures;
      answer->ready = true;
    }
    answer->ready_signal.notify_one();
  }).detach();
  std::unique_lock lock(answer->mutex);
  if (!answer->ready_signal.wait_for(lock, wait_, [&] { return answer->ready; })) return {};
  return answer->figures;
}

}  // namespace keldra::platform::win32_impl
