#include "extras/document_viewing.h"

#include "platform/bounded_call.h"
#include "platform/file_access.h"
#include "platform/module_path.h"
#include "platform/program_files.h"

namespace keldra::extras {

void View_File_In_Notepad(Document_Context& ctx, const std::string& path) {
  const std::string viewer = ctx.launcher.Document_Viewer();
  if (viewer.empty()) {
    ctx.boxes.Inform("Windows Notepad could not be found.");
    return;
  }
  if (path.empty()) {
    ctx.boxes.Inform("No Log File to View.");
    return;
  }
  ctx.launcher.View_Document(viewer, path);  // a failed start reports nothing
}

std::string Readme_Path(const std::string& executable_path) {
  const std::string name = platform::File_Name_Of(executable_path);
  return platform::Documents_Folder(executable_path) + name.substr(0, name.find('.')) + ".txt";
}

void View_Readme_File(Document_Context& ctx) {
  View_File_In_Notepad(ctx, Readme_Path(ctx.executable_path));
}

std::string Catalog_Missing_Message(const std::string& product_caption) {
  return std::string("Vantrel's Shareware Catalog is not in the same directory as ") +
         product_caption + ".  " + "The required file 'catalog.txt' was included in the " +
         "distribution ZIP file.  Please unzip this file and try again.";
}

void View_Catalog_File(Document_Context& ctx, const std::string& product_caption) {
  const std::string catalog = platform::Documents_Folder(ctx.executable_path) + "catalog.txt";
  // Looked for elsewhere: the program's folder may be on a volume that has stopped
  // answering, and then the file counts as not there.
  const bool present =
      platform::Run_Bounded(
          [catalog] { return std::string(platform::File_Exists(catalog) ? "1" : ""); },
          ctx.folder_wait) == "1";
  if (present) {
    View_File_In_Notepad(ctx, catalog);
  } else {
    ctx.boxes.Inform(Catalog_Missing_Message(product_caption));
  }
}

}  // namespace keldra::extras
