#include "platform/linux/linux_disk_space.h"

#include <sys/statfs.h>

#include <vector>

namespace keldra::platform::linux_impl {
Disk_Space_Figures Figures_Of(const Volume_Space& s) {
  Disk_Space_Figures f;
  // A volume reporting more available than free blocks (some network filesystems
  // do) is taken at its word for the free space; the capacity is still what is used
  // plus what is available.
  const std::uint64_t used = s.blocks > s.blocks_free ? s.blocks - s.blocks_free : 0;
  f.free_bytes_to_caller = Saturating_Product(s.blocks_available, s.unit);
  f.total_free_bytes = f.free_bytes_to_caller;
  f.total_bytes = Saturating_Product(u128{used} + u128{s.blocks_available}, s.unit);
  f.answered = true;
  return f;
}

void Linux_Disk_Space::Ask_Drives(std::string_view letters) {
  answers_.fill(std::nullopt);
  Ask(letters);
}

void Linux_Disk_Space::Ask(std::string_view letters) {
  std::vector<Volume_Question> questions;
  std::vector<std::pair<int, std::string>> asked;  // letter index, path
  for (const char letter : letters) {
    const int i = Drive_Letter_Index(letter);
    if (i < 0 || answers_[static_cast<std::size_t>(i)]) continue;
    Disk_Space_Figures& figures = answers_[static_cast<std::size_t>(i)].emplace();
    const Walked_Path walked = table_.Walk(letter);
    if (walked.outcome == Walked_Path::Local) {
      struct statfs st;
      if (statfs(walked.path.c_str(), &st) == 0) {
        figures = Figures_Of({static_cast<std::uint64_t>(st.f_frsize ? st.f_frsize : st.f_bsize),
                              st.f_blocks, st.f_bfree, st.f_bavail});
      }
    } else if (walked.outcome == Walked_Path::May_Stall) {
      const Mount_Entry* v = walked.volume;
      questions.push_back(
          {v ? std::to_string(v->mount_id) + ' ' + v->mount_point : std::string("/"), walked.path});
      asked.emplace_back(i, walked.path);
    }
  }
  if (questions.empty()) return;
  const auto answered = askers_.Ask(questions);
  for (const auto& [i, path] : asked) {
    const auto it = answered.find(path);
    if (it != answered.end() && it->second) {
      answers_[static_cast<std::size_t>(i)] = Figures_Of(*it->second);
    }
  }
}

Disk_Space_Figures Linux_Disk_Space::Get_Disk_Free_Space_Ex(std::string_view root_path) {
  if (root_path.size() < 2 || root_path[1] != ':') return {};
  const int i = Drive_Letter_Index(root_path[0]);
  if (i < 0) return {};
  if (!answers_[static_cast<std::size_t>(i)]) Ask(root_path.substr(0, 1));
  return answers_[static_cast<std::size_t>(i)].value_or(Disk_Space_Figures{});
}

}  // namespace keldra::platform::linux_impl
