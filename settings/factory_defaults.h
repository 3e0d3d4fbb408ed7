#pragma once
// Restore Factory Defaults: after the user's yes, the settings file goes, and the
// caller's show sequence brings every setting back to its default.
#include <functional>
#include <string>

#include "platform/message_boxes.h"

namespace keldra::settings {

// The confirmation's text: four pieces, joined by a line break, a line break and
// two line breaks.
std::string Factory_Defaults_Confirmation();

struct Factory_Reset_Steps {
  // Out of minimized or maximized; runs its argument, the show sequence, once out.
  std::function<void(std::function<void()>)> restore_window;
  std::function<void()> show_sequence;
};

// Asks first (warning, "&Yes" and "&No"); No, or closing the box, changes nothing.
// The file is deleted only when nobody holds it open; either way the show
// sequence runs after a yes, so a file that stayed gives its values back.
void Restore_Factory_Defaults(platform::Message_Boxes& boxes, const std::string& settings_path,
                              const Factory_Reset_Steps& steps);

}  // namespace keldra::settings
