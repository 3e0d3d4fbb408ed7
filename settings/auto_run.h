#pragma once
// Starting Keldra when a user logs on: a string value under the machine-wide Run
// key, named after the executable and holding its full path.
#include <string>
#include <vector>

#include "platform/early_jobs.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"

namespace keldra::settings {

// As messages show it, with its leading backslash; it is opened without.
inline constexpr const char* Run_Key_Path = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct Auto_Run_Context {
  platform::Registry& registry;
  platform::Message_Boxes& boxes;
  std::string executable_path;  // the value's data; its file name is the value's name
};

// True when the value is stored and reads back equal; false after showing W2 or W1.
// A failed write raises "Failed to set data for '<name>'".
bool Write_Registry_String(Auto_Run_Context& ctx, platform::Registry_Root root,
                           const std::string& key, const std::string& name,
                           const std::string& data);
// True when the value no longer exists; false after showing R2 or R1.
bool Remove_Registry_Value(Auto_Run_Context& ctx, platform::Registry_Root root,
                           const std::string& key, const std::string& name);
// The value's text; empty when the key or value is missing. A value of another
// type raises "Invalid data type for '<name>'".
std::string Read_Registry_String(Auto_Run_Context& ctx, platform::Registry_Root root,
                                 const std::string& key, const std::string& name);

bool Turn_Auto_Run_On(Auto_Run_Context& ctx);
bool Turn_Auto_Run_Off(Auto_Run_Context& ctx);
// True when a value exists under Keldra's name, whatever its path; offers to
// correct a path that is not the running executable's (Q1).
bool Check_Auto_Run(Auto_Run_Context& ctx);
// Check_Auto_Run's looks at the registry, to be started early (Start_Early_Reads).
std::vector<platform::Early_Job> Early_Auto_Run_Check(const std::string& executable_path);

// The texts of the messages.
std::string Message_A1(const std::string& name);
std::string Message_A2(const std::string& name);
std::string Message_W1(const std::string& key, const std::string& name, const std::string& data);
std::string Message_W2(const std::string& key, const std::string& name, const std::string& data);
std::string Message_R1(const std::string& key, const std::string& name);
std::string Message_R2(const std::string& key, const std::string& name);
std::string Message_Q1(const std::string& name, const std::string& stored,
                       const std::string& current);

}  // namespace keldra::settings
