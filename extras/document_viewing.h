#pragma once
// The Help menu's documents: the read-me named after the executable and the
// catalogue, opened in the desktop's own viewer.
#include <chrono>
#include <string>

#include "platform/bounded_call.h"
#include "platform/launcher.h"
#include "platform/message_boxes.h"

namespace keldra::extras {

struct Document_Context {
  platform::Launcher& launcher;
  platform::Message_Boxes& boxes;
  std::string executable_path;
  // How long the program's folder may take to say whether the catalogue is there
  // before it counts as not there (the folder may be on a volume that stopped answering).
  std::chrono::milliseconds folder_wait = platform::Volume_Wait;
};

// The viewer is the system's (Notepad in the Windows folder, the desktop's opener
// elsewhere). Missing: "Windows Notepad could not be found." (tested first); an
// empty path: "No Log File to View."; otherwise the viewer starts on the path. A
// path of any length goes through whole.
void View_File_In_Notepad(Document_Context& ctx, const std::string& path);

// "<folder>/<executable name up to its first '.'>.txt"
std::string Readme_Path(const std::string& executable_path);
void View_Readme_File(Document_Context& ctx);

// catalog.txt beside the executable, or a message naming the product when it is missing.
void View_Catalog_File(Document_Context& ctx, const std::string& product_caption);
std::string Catalog_Missing_Message(const std::string& product_caption);

}  // namespace keldra::extras
