#include "settings/auto_run.h"

#include "ini/profile_values.h"
#include "platform/keldra_error.h"
#include "platform/module_path.h"
#include "platform/platform_services.h"

namespace keldra::settings {
namespace {

using platform::Registry_Root;

const char* const kContact = "Please contact the program's author.";

std::string Opened(const std::string& key) {
  return !key.empty() && key.front() == '\\' ? key.substr(1) : key;
}

void Error_Box(Auto_Run_Context& ctx, const std::string& text) {
  ctx.boxes.Show_Message(platform::Message_Kind::Error, text, platform::Button_OK,
                         platform::Button_OK, platform::Button_OK);
}

std::string Value_Name(const Auto_Run_Context& ctx) {
  return platform::File_Name_Of(ctx.executable_path);
}

}  // namespace

std::string Message_A1(const std::string& name) {
  return "This program (" + name + ") will now run automatically at Windows Start-Up.";
}

std::string Message_A2(const std::string& name) {
  return "This program (" + name + ") will now no-longer run automatically at Windows Start-Up.";
}

std::string Message_W1(const std::string& key, const std::string& name, const std::string& data) {
  return std::string(
             "Error: The required settings could not be created \r\nor saved in the Windows "
             "Registry.  \r\n\r\n Error Key   = ") +
         key + "\r\n" + " Error Item  = " + name + "\r\n" + " Error Value = " + data + "\r\n" +
         "\r\n" + kContact;
}

std::string Message_W2(const std::string& key, const std::string& name, const std::string& data) {
  return std::string(
             "Error: The specified Registry Key for this operation \r\ndoes NOT exist on "
             "your PC.  \r\n\r\n Error Key   = ") +
         key + "\r\n" + " Error Item  = " + name + "\r\n" + " Error Value = " + data + "\r\n" +
         "\r\n" + kContact;
}

std::string Message_R1(const std::string& key, const std::string& name) {
  return std::string(
             "Error: The required Registry Key settings \r\ncould not be removed from the "
             "Windows Registry.  \r\n\r\n Error Key   = ") +
         key + "\r\n" + " Error Item  = " + name + "\r\n" + "\r\n" + kContact;
}

std::string Message_R2(const std::string& key, const std::string& name) {
  return std::string(
             "Error: The specified Registry Key for this operation \r\ndoes NOT exist on "
             "your PC.  \r\n\r\n Error Key   = ") +
         key + "\r\n" + " Error Item  = " + name + "\r\n" + "\r\n" + kContact;
}

std::string Message_Q1(const std::string& name, const std::string& stored,
                       const std::string& current) {
  return "The directory / path settings required to make this program (" + name + ")" + "\r\n" +
         "run automatically at Windows Start-up do not match where the program " + "\r\n" +
         "is currently being run from." + "\r\n" + "\r\n" + " Old      = " + stored + "\r\n" +
         " Current = " + current + "\r\n" + "\r\n" +
         "Do you want to update the Windows Registry to " +
         "reflect the programs current locaton ?";
}

bool Write_Registry_String(Auto_Run_Context& ctx, Registry_Root root, const std::string& key,
                           const std::string& name, const std::string& data) {
  if (!ctx.registry.Key_Exists(root, Opened(key), platform::Key_All_Access)) {
    Error_Box(ctx, Message_W2(key, name, data));
    return false;
  }
  if (!ctx.registry.Write_String(root, Opened(key), name, data)) {
    throw Keldra_Error("Failed to set data for '" + name + "'");
  }
  if (Read_Registry_String(ctx, root, key, name) == data) return true;
  Error_Box(ctx, Message_W1(key, name, data));
  return false;
}

bool Remove_Registry_Value(Auto_Run_Context& ctx, Registry_Root root, const std::string& key,
                           const std::string& name) {
  if (!ctx.registry.Key_Exists(root, Opened(key), platform::Key_All_Access)) {
    Error_Box(ctx, Message_R2(key, name));
    return false;
  }
  ctx.registry.Delete_Value(root, Opened(key), name);  // its own answer is not the test
  if (ctx.registry.Value_Exists(root, Opened(key), name)) {
    Error_Box(ctx, Message_R1(key, name));
    return false;
  }
  return true;
}

std::string Read_Registry_String(Auto_Run_Context& ctx, Registry_Root root, const std::string& key,
                                 const std::string& name) {
  if (!ctx.registry.Key_Exists(root, Opened(key), platform::Key_All_Access)) return std::string();
  const std::optional<platform::Registry_Value> value =
      ctx.registry.Read_Value(root, Opened(key), name);
  if (!value) return std::string();
  if (value->type == platform::Registry_Type::Other) {
    throw Keldra_Error("Invalid data type for '" + name + "'");
  }
  return value->data.substr(0, value->data.find('\0'));
}

bool Turn_Auto_Run_On(Auto_Run_Context& ctx) {
  const std::string name = Value_Name(ctx);
  if (!Write_Registry_String(ctx, Registry_Root::Local_Machine, Run_Key_Path, name,
                             ctx.executable_path)) {
    return false;
  }
  ctx.boxes.Inform(Message_A1(name));
  return true;
}

bool Turn_Auto_Run_Off(Auto_Run_Context& ctx) {
  const std::string name = Value_Name(ctx);
  if (!Remove_Registry_Value(ctx, Registry_Root::Local_Machine, Run_Key_Path, name)) {
    return false;
  }
  ctx.boxes.Inform(Message_A2(name));
  return true;
}

std::vector<platform::Early_Job> Early_Auto_Run_Check(const std::string& executable_path) {
  return platform::Early_Run_Value_Jobs(platform::File_Name_Of(executable_path));
}

bool Check_Auto_Run(Auto_Run_Context& ctx) {
  const std::string name = Value_Name(ctx);
  const std::string stored =
      Read_Registry_String(ctx, Registry_Root::Local_Machine, Run_Key_Path, name);
  if (stored.empty()) return false;
  if (ini::Upper_Case_Ascii(stored) != ini::Upper_Case_Ascii(ctx.executable_path)) {
    const platform::Message_Button answer = ctx.boxes.Show_Message(
        platform::Message_Kind::Warning, Message_Q1(name, stored, ctx.executable_path),
        platform::Button_Yes | platform::Button_No, platform::Button_Yes, platform::Button_No);
    if (answer == platform::Button_Yes) Turn_Auto_Run_On(ctx);
  }
  return true;
}

}  // namespace keldra::settings
