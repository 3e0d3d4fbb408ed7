#include <windows.h>

#include "platform/stop_requests.h"

namespace keldra::platform {
namespace {

HANDLE stop_event = nullptr;

BOOL WINAPI On_Console_Control(DWORD) {
  SetEvent(stop_event);
  return TRUE;  // handled: the program ends by its own loop, its output flushed
}

}  // namespace

struct Stop_Requests::State {};

Stop_Requests::Stop_Requests() : state_(std::make_unique<State>()) {
  stop_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(On_Console_Control, TRUE);
}

Stop_Requests::~Stop_Requests() { SetConsoleCtrlHandler(On_Console_Control, FALSE); }

// A reader gone shows as the next write failing: Windows has no signal for it.
bool Stop_Requests::Wait(std::chrono::milliseconds wait) {
  if (stop_event == nullptr) {
    Sleep(static_cast<DWORD>(wait.count()));
    return false;
  }
  return WaitForSingleObject(stop_event, static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}

}  // namespace keldra::platform
