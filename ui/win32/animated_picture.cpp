#include "ui/win32/animated_picture.h"

#include "platform/windows/win32_system_function.h"
#include "ui/animation_timing.h"
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
  std::vector<unsigned> hundredths;  // the file's list, the same from every frame
  if (const UINT bytes_needed = image_->GetPropertyItemSize(kFrameDelay); bytes_needed > 0) {
    std::vector<char> buffer(bytes_needed);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (image_->GetPropertyItem(kFrameDelay, bytes_needed, item) == Gdiplus::Ok) {
      const auto* listed = static_cast<const UINT*>(item->value);
      hundredths.assign(listed, listed + item->length / sizeof(UINT));
    }
  }
  delays_ms_ = Frame_Delays_Ms(hundredths, frames);
  GUID time = Gdiplus::FrameDimensionTime;
  image_->SelectActiveFrame(&time, 0);
  if (const UINT bytes_needed = image_->GetPropertyItemSize(kLoopCount); bytes_needed > 0) {
    std::vector<char> buffer(bytes_needed);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    if (image_->GetPropertyItem(kLoopCount, bytes_needed, item) == Gdiplus::Ok && item->length >= 2)
      loop_count_ = *static_cast<const unsigned short*>(item->value);
  }
  clock_ = Animation_Clock(static_cast<int>(frames), loop_count_);
  frame_ = 0;
  InvalidateRect(hwnd_, nullptr, FALSE);
  return true;
}

void Animated_Picture::Set_Animate(bool on) {
  animate_ = on;
  KillTimer(hwnd_, kFrameTimer);
  if (!on || Frame_Count() < 2) return;
  clock_.Restart();
  SetTimer(hwnd_, kFrameTimer,
           static_cast<UINT>(Frame_Wait_Ms(delays_ms_[static_cast<std::size_t>(frame_)])), nullptr);
}

void Animated_Picture::Advance() {
  const std::optional<int> next = clock_.Next(frame_);
  if (!next) {
    KillTimer(hwnd_, kFrameTimer);  // the file's loops are played: it rests on its last frame
    return;
  }
  frame_ = *next;
  GUID dimension = Gdiplus::FrameDimensionTime;
  image_->SelectActiveFrame(&dimension, static_cast<UINT>(frame_));
  InvalidateRect(hwnd_, nullptr, FALSE);
  SetTimer(hwnd_, kFrameTimer,
           static_cast<UINT>(Frame_Wait_Ms(delays_ms_[static_cast<std::size_t>(frame_)])), nullptr);
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
