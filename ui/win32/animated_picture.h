#pragma once
// Vantrel_Logo_GIFImage on Windows: a multi-frame GIF held by GDI+, painted
// stretched to the control, advancing by each frame's own delay while animation
// is on and repeating up to the file's loop count; clicks are passed to the owner.
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/animation_timing.h"

namespace Gdiplus {
class Image;
}

namespace keldra::ui::win32 {

class Animated_Picture {
 public:
  Animated_Picture(HWND parent, int id, RECT bounds);
  ~Animated_Picture();
  // Loads the GIF from the program's RCDATA resource of that name.
  bool Load(const char* resource_name);
  void Set_Animate(bool on);
  bool Animate() const { return animate_; }
  int Frame_Count() const { return static_cast<int>(delays_ms_.size()); }
  int Frame_Delay_Ms(int frame) const { return delays_ms_.at(static_cast<std::size_t>(frame)); }
  int Loop_Count() const { return loop_count_; }
  int Current_Frame() const { return frame_; }
  HWND Handle() const { return hwnd_; }

  // For the window procedure.
  void Created(HWND hwnd) { hwnd_ = hwnd; }
  LRESULT Handle(UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  void Paint();
  void Advance();
  HWND hwnd_ = nullptr;
  HGLOBAL data_ = nullptr;
  std::unique_ptr<Gdiplus::Image> image_;
  std::vector<int> delays_ms_;
  int loop_count_ = 0;  // 0: for ever
  Animation_Clock clock_;
  int frame_ = 0;
  bool animate_ = false;
};

// Starts GDI+ the first time a picture needs it, for the rest of the run: it goes
// with the process, which the system takes back at once.
void Start_Gdiplus_Once();

// Starts GDI+ for the life of the object.
class Gdiplus_Session {
 public:
  Gdiplus_Session();
  ~Gdiplus_Session();
  Gdiplus_Session(const Gdiplus_Session&) = delete;
  Gdiplus_Session& operator=(const Gdiplus_Session&) = delete;

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace keldra::ui::win32
