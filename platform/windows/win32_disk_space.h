#pragma once
// Space figures from GetDiskFreeSpaceExA. A network drive whose server has gone
// away can keep the call waiting for a long time, so those are asked on a worker
// thread and given up on after a bounded wait, as on every other system.
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "platform/disk_space.h"
#include "platform/drive_table.h"

namespace keldra::platform::win32_impl {

inline constexpr std::chrono::milliseconds Network_Query_Wait{1500};
inline constexpr int Max_Network_Queries_In_Flight = 32;

Disk_Space_Figures Query_Disk_Free_Space(const std::string& root_path);

class Win32_Disk_Space final : public Disk_Space {
 public:
  using Query = std::function<Disk_Space_Figures(const std::string& root_path)>;
  // query: the system call itself; a test may hand in one that never answers.
  explicit Win32_Disk_Space(Drive_Table& table, std::chrono::milliseconds wait = Network_Query_Wait,
                            Query query = Query_Disk_Free_Space);
  Disk_Space_Figures Get_Disk_Free_Space_Ex(std::string_view root_path) override;
  // A pass asks each root once: its queries of a root (the row's free space and
  // capacity, the total's) are answered from that one look until the next pass.
  void Ask_Drives(std::string_view letters) override;

 private:
  struct In_Flight;
  Disk_Space_Figures Bounded_Query(const std::string& root);

  Drive_Table& table_;
  std::chrono::milliseconds wait_;
  Query query_;
  std::shared_ptr<In_Flight> in_flight_;
  bool in_pass_ = false;
  std::map<std::string, Disk_Space_Figures> pass_answers_;
};

}  // namespace keldra::platform::win32_impl
