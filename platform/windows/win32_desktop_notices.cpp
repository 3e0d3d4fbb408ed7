// Desktop notices on Windows: a notification-area icon of keldra-report's own, whose
// balloon tells of a drive low on space. A click on the balloon opens the drive; the
// icon's menu offers the same and "no more notices" for the drive last told of. The
// window and shell libraries are loaded only here, as everywhere in keldra-report.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "platform/desktop_notices.h"
#include "platform/windows/win32_system_function.h"

namespace keldra::platform {
namespace {

using win32_impl::System_Function;

constexpr UINT Icon_Message = WM_APP + 1;  // the icon's clicks and balloon events
constexpr UINT Show_Message = WM_APP + 2;  // a notice is queued
constexpr UINT Menu_Open = 1, Menu_Quiet = 2;

struct User_Calls {
#define KELDRA_USER_CALLS(X) \
  X(RegisterClassW)          \
  X(CreateWindowExW)         \
  X(DefWindowProcW)          \
  X(DestroyWindow)           \
  X(GetMessageW)             \
  X(DispatchMessageW)        \
  X(PostMessageW)            \
  X(PostQuitMessage)         \
  X(LoadIconW)               \
  X(CreatePopupMenu)         \
  X(AppendMenuW)             \
  X(TrackPopupMenu) X(DestroyMenu) X(GetCursorPos) X(SetForegroundWindow) X(RegisterWindowMessageW)
#define KELDRA_USER_MEMBER(name) decltype(&::name) name = nullptr;
  KELDRA_USER_CALLS(KELDRA_USER_MEMBER)
  decltype(&::Shell_NotifyIconW) Shell_NotifyIconW = nullptr;

  bool ok = false;  // every call is there

  bool Load() {
    bool all = true;
#define KELDRA_USER_LOAD(name) \
  all = all && (name = System_Function<decltype(::name)>("user32.dll", #name)) != nullptr;
    KELDRA_USER_CALLS(KELDRA_USER_LOAD)
    Shell_NotifyIconW =
        System_Function<decltype(::Shell_NotifyIconW)>("shell32.dll", "Shell_NotifyIconW");
    ok = all && Shell_NotifyIconW != nullptr;
    return ok;
  }
};

// Loaded once, for the run: the window procedure finds them here.
const User_Calls& Calls() {
  static User_Calls calls;
  static const bool loaded = calls.Load();
  (void)loaded;
  return calls;
}

std::wstring Wide(const std::string& text) {
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

template <std::size_t N>
void Copy_Cut(wchar_t (&to)[N], const std::wstring& from) {
  lstrcpynW(to, from.c_str(), static_cast<int>(N));
}

class Balloon_Notices;
// The one set of notices a run has: its window's procedure finds it here.
Balloon_Notices* the_notices = nullptr;

class Balloon_Notices final : public Desktop_Notices {
 public:
  Balloon_Notices(const User_Calls& user, Notice_Events events)
      : user_(user), events_(std::move(events)) {}

  ~Balloon_Notices() override {
    if (window_ != nullptr) user_.PostMessageW(window_, WM_CLOSE, 0, 0);
    if (thread_.joinable()) thread_.join();
  }

  bool Start(std::string& why) {
    std::unique_lock lock(mutex_);
    thread_ = std::thread([this] { Run(); });
    started_.wait(lock, [this] { return started_yet_; });
    if (window_ == nullptr) why = "the notification area could not be reached";
    return window_ != nullptr;
  }

  void Show(const Desktop_Notice& notice) override {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(notice);
    }
    user_.PostMessageW(window_, Show_Message, 0, 0);
  }

 private:
  void Run() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Balloon_Notices::Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Keldra_Notices";
    user_.RegisterClassW(&wc);
    taskbar_created_ = user_.RegisterWindowMessageW(L"TaskbarCreated");
    HWND window = user_.CreateWindowExW(0, wc.lpszClassName, L"Keldra", 0, 0, 0, 0, 0, nullptr,
                                        nullptr, wc.hInstance, nullptr);
    if (window != nullptr) {
      the_notices = this;
      Add_Icon(window);
    }
    {
      std::lock_guard lock(mutex_);
      window_ = window;
      started_yet_ = true;
    }
    started_.notify_all();
    if (window == nullptr) return;
    MSG msg;
    while (user_.GetMessageW(&msg, nullptr, 0, 0) > 0) user_.DispatchMessageW(&msg);
  }

  NOTIFYICONDATAW Icon_Data(HWND window) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    return data;
  }

  void Add_Icon(HWND window) {
    NOTIFYICONDATAW data = Icon_Data(window);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = Icon_Message;
    data.hIcon = user_.LoadIconW(nullptr, MAKEINTRESOURCEW(32515));  // IDI_WARNING
    Copy_Cut(data.szTip, L"Keldra: low disk space");
    user_.Shell_NotifyIconW(NIM_ADD, &data);
  }

  void Show_Queued(HWND window) {
    std::deque<Desktop_Notice> notices;
    {
      std::lock_guard lock(mutex_);
      notices.swap(queue_);
    }
    for (const Desktop_Notice& n : notices) {
      NOTIFYICONDATAW data = Icon_Data(window);
      data.uFlags = NIF_INFO;
      data.dwInfoFlags = NIIF_WARNING;
      Copy_Cut(data.szInfoTitle, Wide(n.summary));
      Copy_Cut(data.szInfo, Wide(n.body));
      // A balloon stands in for the one before: the menu acts on the drive shown.
      if (!user_.Shell_NotifyIconW(NIM_MODIFY, &data) && events_.failure) {
        events_.failure("the notification area did not take the notice");
      }
      shown_ = n;
    }
  }

  void Menu(HWND window) {
    if (shown_.summary.empty()) return;
    HMENU menu = user_.CreatePopupMenu();
    user_.AppendMenuW(menu, MF_STRING, Menu_Open, Wide(shown_.open_label).c_str());
    user_.AppendMenuW(menu, MF_STRING, Menu_Quiet, Wide(shown_.quiet_label).c_str());
    POINT at{};
    user_.GetCursorPos(&at);
    user_.SetForegroundWindow(window);  // so that the menu closes when clicked away
    const UINT chosen = static_cast<UINT>(user_.TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr));
    user_.DestroyMenu(menu);
    if (chosen == Menu_Open) Act(Notice_Action::Open);
    if (chosen == Menu_Quiet) Act(Notice_Action::Quiet);
  }

  void Act(Notice_Action action) {
    if (!shown_.summary.empty() && events_.action) events_.action(shown_.letter, action);
  }

  LRESULT Handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == Show_Message) {
      Show_Queued(window);
    } else if (message == Icon_Message) {
      const UINT event = LOWORD(l);
      if (event == NIN_BALLOONUSERCLICK || event == WM_LBUTTONDBLCLK) Act(Notice_Action::Open);
      if (event == WM_RBUTTONUP || event == WM_CONTEXTMENU) Menu(window);
    } else if (message == taskbar_created_ && taskbar_created_ != 0) {
      Add_Icon(window);  // Explorer restarted: the icon is gone with it
    } else if (message == WM_CLOSE) {
      NOTIFYICONDATAW data = Icon_Data(window);
      user_.Shell_NotifyIconW(NIM_DELETE, &data);
      user_.DestroyWindow(window);
    } else if (message == WM_DESTROY) {
      the_notices = nullptr;
      user_.PostQuitMessage(0);
    } else {
      return user_.DefWindowProcW(window, message, w, l);
    }
    return 0;
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    Balloon_Notices* self = the_notices;
    if (self == nullptr) return Calls().DefWindowProcW(window, message, w, l);
    return self->Handle(window, message, w, l);
  }

  const User_Calls& user_;
  Notice_Events events_;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable started_;
  bool started_yet_ = false;
  HWND window_ = nullptr;
  UINT taskbar_created_ = 0;
  std::deque<Desktop_Notice> queue_;
  Desktop_Notice shown_;  // on the notices' thread only
};

}  // namespace

std::unique_ptr<Desktop_Notices> Make_Desktop_Notices(Notice_Events events, std::string& why_not) {
  const User_Calls& calls = Calls();
  if (!calls.ok) {
    why_not = "the system's window and shell libraries could not be loaded";
    return nullptr;
  }
  auto notices = std::make_unique<Balloon_Notices>(calls, std::move(events));
  if (!notices->Start(why_not)) return nullptr;
  return notices;
}

}  // namespace keldra::platform
