#pragma once
// The process error mode, which keeps the system from prompting for a drive that
// is not ready. Linux never prompts, so its implementation only remembers the
// value; the scope guard stays so that every query is still bracketed by it.
#include <cstdint>

namespace keldra::platform {

// The system's SEM_FAILCRITICALERRORS: fail a query of a drive that is not ready
// instead of asking the user.
inline constexpr std::uint32_t Fail_Critical_Errors = 1;

class Error_Mode {
 public:
  virtual ~Error_Mode() = default;
  // Sets the mode and returns the previous one.
  virtual std::uint32_t Set_Error_Mode(std::uint32_t mode) = 0;
};

class Remembered_Error_Mode final : public Error_Mode {
 public:
  std::uint32_t Set_Error_Mode(std::uint32_t mode) override {
    std::uint32_t previous = mode_;
    mode_ = mode;
    return previous;
  }

 private:
  std::uint32_t mode_ = 0;
};

// The running process's own error mode (it is one setting for the whole process).
Error_Mode& Process_Error_Mode();

// Sets Fail_Critical_Errors for its lifetime and restores the previous mode on
// every way out, exceptions included.
class Error_Mode_Guard {
 public:
  explicit Error_Mode_Guard(Error_Mode& mode)
      : mode_(mode), previous_(mode.Set_Error_Mode(Fail_Critical_Errors)) {}
  ~Error_Mode_Guard() { mode_.Set_Error_Mode(previous_); }
  Error_Mode_Guard(const Error_Mode_Guard&) = delete;
  Error_Mode_Guard& operator=(const Error_Mode_Guard&) = delete;

 private:
  Error_Mode& mode_;
  std::uint32_t previous_;
};

}  // namespace keldra::platform
