#include "ui/win32/animated_picture.h"

#include "platform/windows/win32_system_function.h"
#include "ui/win32/window_class.h"

#include <objidl.h>
// GDI+'s headers want min and max from the Windows headers.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace keldra::ui::win32 {
namespace {

const char* const kClassName = "Keldra_Animated_Picture";
constexpr UINT_PTR kFrameTimer = 1;
constexpr PROPID kFrameDelay = 0x5100;
constexpr PROPID kLoopCount = 0x5101;

}  // namespace

Gdiplus_Session::Gdiplus_Session() {
  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

Gdiplus_Session::~Gdiplus_Session() {
  if (token_) Gdiplus::GdiplusShutdown(token_);
}

void Start_Gdiplus_Once() { [[maybe_unused]] static const auto* session = new Gdiplus_Session; }

Animated_Picture::Animated_Picture(HWND parent, int id, RECT b) {
  Register_Object_Class<Animated_Picture>(kClassName);
  hwnd_ = CreateWindowExA(
      0, kClassName, "", WS_CHILD | WS_VISIBLE, b.left, b.top, b.right - b.left, b.bottom - b.top,
      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), this);
}

Animated_Picture::~Animated_Picture() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  image_.reset();
  if (data_) GlobalFree(data_);
}

bool Animated_Picture::Load(const char* resource_name) {
  Start_Gdiplus_Once();
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, resource_name, reinterpret_cast<LPCSTR>(RT_RCDATA));
  if (!found) return false;
  const DWORD size = SizeofResource(module, found);
  const void* bytes = LockResource(LoadResource(module, found));
  if (!bytes || size == 0) return false;
  // The stream must own a copy that lives as long as the image.
  data_ = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!data_) return false;
  std::copy_n(static_cast<const char*>(bytes), size, static_cast<char*>(GlobalLock(data_)));
  GlobalUnlock(data_);
  IStream* stream = nullptr;
  // Looked up when first needed: the call lives in the COM library, which the
  // window has no other use for.
  static auto* const create_stream =
      platform::win32_impl::System_Function<decltype(CreateStreamOnHGlobal)>(
          "ole32.dll", "CreateStreamOnHGlobal");
  if (!create_stream || create_stream(data_, FALSE, &stream) != S_OK) return false;
  image_.reset(Gdiplus::Image::FromStream(stream));
  stream->Release();
  if (!image_ || image_->GetLastStatus() != Gdiplus::Ok) {
    image_.reset();
    return false;
  }
  GUID dimension = Gdiplus::FrameDimensionTime;
  const UINT frames = std::max<UINT>(image_->GetFrameCount(&dimension), 1);
  delays_ms_.assign(frames, 100);
  // The delays in hundredths of a second, one a frame. Some GDI+ builds fill the
  // list only up to the frame that is selected, so each frame is selected to read
  // its own.
  GUID time = Gdiplus::FrameDimensionTime;
  for (UINT f = 0; f < frames; ++f) {
    image_->SelectActiveFrame(&time, f);
    const UINT bytes_needed = image_->GetPropertyItemSize(kFrameDelay);
    if (bytes_needed == 0) continue;
    std::vector<char> buffer(bytes_needed);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (image_->GetPropertyItem(kFrameDelay, bytes_needed, item) != Gdiplus::Ok) continue;
    const auto* hundredths = static_cast<const UINT*>(item->value);
    const UINT listed = item->length / sizeof(UINT);
    const UINT delay = f < listed && hundredths[f] != 0 ? hundredths[f]
                       : listed > 0                     ? hundredths[0]
                                                        : 10;
    delays_ms_[f] = static_cast<int>(delay) * 10;
  }
  image_->SelectActiveFrame(&time, 0);
  if (const UINT bytes_needed = image_->GetPropertyItemSize(kLoopCount); bytes_needed > 0) {
    std::vector<char> buffer(bytes_needed);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (image_->GetPropertyItem(kLoopCount, bytes_needed, item) == Gdiplus::Ok && item->length >= 2)
      loop_count_ = *static_cast<const unsigned short*>(item->value);
  }
  frame_ = 0;
  InvalidateRect(hwnd_, nullptr, FALSE);
  return true;
}

void Animated_Picture::Set_Animate(bool on) {
  animate_ = on;
  KillTimer(hwnd_, kFrameTimer);
  if (!on || Frame_Count() < 2) return;
  loops_done_ = 0;
  SetTimer(hwnd_, kFrameTimer,
           static_cast<UINT>(std::max(delays_ms_[static_cast<std::size_t>(frame_)], 10)), nullptr);
}

void Animated_Picture::Advance() {
  const int next = (frame_ + 1) % Frame_Count();
  if (next == 0 && loop_count_ > 0 && ++loops_done_ >= loop_count_) {
    KillTimer(hwnd_, kFrameTimer);  // the file's loops are played: it rests on its last frame
    return;
  }
  frame_ = next;
  GUID dimension = Gdiplus::FrameDimensionTime;
  image_->SelectActiveFrame(&dimension, static_cast<UINT>(frame_));
  InvalidateRect(hwnd_, nullptr, FALSE);
  SetTimer(hwnd_, kFrameTimer,
           static_cast<UINT>(std::max(delays_ms_[static_cast<std::size_t>(frame_)], 10)), nullptr);
}

void Animated_Picture::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT r;
  GetClientRect(hwnd_, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (image_) {
    // Stretched to the control, proportions not kept.
    Gdiplus::Graphics graphics(dc);
    graphics.DrawImage(image_.get(), 0, 0, r.right, r.bottom);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT Animated_Picture::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER:
      if (wparam == kFrameTimer) Advance();
      return 0;
    case WM_LBUTTONDOWN:
      // Reported to the owner as a click, as a static control's is.
      SendMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), STN_CLICKED),
                   reinterpret_cast<LPARAM>(hwnd_));
      return 0;
    default: break;
  }
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
