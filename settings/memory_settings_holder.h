#pragma once
// The eight settings held in plain fields, for keldra-report, the tools and the
// tests that load and save without a window. The starting values are ones no load
// gives, so that a key a load left alone shows.
#include <cstdint>
#include <string>

#include "settings/settings_holder.h"

namespace keldra::settings {

struct Memory_Settings_Holder final : Settings_Holder {
  int top = -1, left = -1, width = -1;
  std::uint32_t interval = 1;
  std::string letters = "?";
  bool total = true, on_top = true, auto_run = true;

  int Window_Top() const override { return top; }
  void Set_Window_Top(int v) override { top = v; }
  int Window_Left() const override { return left; }
  void Set_Window_Left(int v) override { left = v; }
  int Client_Width() const override { return width; }
  void Set_Client_Width(int v) override { width = v; }
  std::uint32_t Timer_Interval() const override { return interval; }
  void Set_Timer_Interval(std::uint32_t v) override { interval = v; }
  std::string Monitored_Drive_Letters() const override { return letters; }
  void Set_Monitored_Drive_Letters(const std::string& v) override { letters = v; }
  bool Show_Total() const override { return total; }
  void Set_Show_Total(bool v) override { total = v; }
  bool Always_On_Top_Mark() const override { return on_top; }
  void Set_Always_On_Top_Mark(bool v) override { on_top = v; }
  bool Auto_Run_Mark() const override { return auto_run; }
  void Set_Auto_Run_Mark(bool v) override { auto_run = v; }

  bool operator==(const Memory_Settings_Holder& o) const {
    return top == o.top && left == o.left && width == o.width && interval == o.interval &&
           letters == o.letters && total == o.total && on_top == o.on_top && auto_run == o.auto_run;
  }
};

}  // namespace keldra::settings
