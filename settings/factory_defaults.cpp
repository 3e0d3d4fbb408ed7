#include "settings/factory_defaults.h"

#include "extras/file_status.h"
#include "extras/scrambled_text.h"
#include "platform/bounded_call.h"
#include "platform/file_system.h"
#include "platform/module_path.h"

namespace keldra::settings {
namespace {

constexpr auto kPiece1 =
    extras::Scramble("Restore Factory Defaults deletes every setting Keldra has saved:");
constexpr auto kPiece2 = extras::Scramble(
    "the window's place and width, the drives, the refresh interval and all options.");
constexpr auto kPiece3 =
    extras::Scramble("Keldra then carries on at once with the settings of its very first start.");
constexpr auto kPiece4 = extras::Scramble("Delete all saved settings and restore the defaults ?");

}  // namespace

std::string Factory_Defaults_Confirmation() {
  return extras::Unscramble(kPiece1) + "\r\n" + extras::Unscramble(kPiece2) + "\r\n" +
         extras::Unscramble(kPiece3) + "\r\n\r\n" + extras::Unscramble(kPiece4);
}

void Restore_Factory_Defaults(platform::Message_Boxes& boxes, const std::string& settings_path,
                              const Factory_Reset_Steps& steps) {
  const platform::Message_Button answer = boxes.Show_Message(
      platform::Message_Kind::Warning, Factory_Defaults_Confirmation(),
      platform::Button_Yes | platform::Button_No, platform::Button_Yes, platform::Button_No);
  if (answer != platform::Button_Yes) return;
  // The program's folder may be on a volume that has stopped answering. A settings
  // file kept elsewhere through a link (a dotfiles folder) is the one reset: the link
  // stays, and the next save writes the defaults where it points.
  platform::Run_Bounded(
      [settings_path] {
        const std::string file = platform::Link_Target(settings_path);
        return std::string(!file.empty() && extras::Delete_File_If_Closed(file) ? "1" : "");
      },
      platform::Volume_Wait, platform::Directory_With_Separator(settings_path));
  // The show sequence places a normal window: it runs once the window is back from
  // maximised or minimised, which some window systems do in their own time.
  const std::function<void()> show = steps.show_sequence ? steps.show_sequence : [] {};
  if (steps.restore_window) {
    steps.restore_window(show);
  } else {
    show();
  }
}

}  // namespace keldra::settings
