#pragma once
// Where the settings live while Keldra runs: in the controls that use them. The
// main window implements this so that loading and saving reach them directly.
#include <cstdint>
#include <string>

namespace keldra::settings {

class Settings_Holder {
 public:
  virtual ~Settings_Holder() = default;
  virtual int Window_Top() const = 0;  // outer frame, screen pixels
  virtual void Set_Window_Top(int top) = 0;
  virtual int Window_Left() const = 0;
  virtual void Set_Window_Left(int left) = 0;
  virtual int Client_Width() const = 0;
  virtual void Set_Client_Width(int width) = 0;
  virtual std::uint32_t Timer_Interval() const = 0;  // milliseconds
  virtual void Set_Timer_Interval(std::uint32_t interval) = 0;
  virtual std::string Monitored_Drive_Letters() const = 0;
  virtual void Set_Monitored_Drive_Letters(const std::string& letters) = 0;
  virtual bool Show_Total() const = 0;
  virtual void Set_Show_Total(bool on) = 0;
  virtual bool Always_On_Top_Mark() const = 0;
  virtual void Set_Always_On_Top_Mark(bool on) = 0;
  virtual bool Auto_Run_Mark() const = 0;
  virtual void Set_Auto_Run_Mark(bool on) = 0;
};

}  // namespace keldra::settings
