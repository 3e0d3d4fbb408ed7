#include "ui/program_start.h"

#include <cstdlib>

#include "extras/memory_percent.h"
#include "platform/memory_status.h"
#include "platform/module_path.h"
#include "platform/program_files.h"
#include "platform/regional.h"
#include "settings/load_save.h"
#include "ui/start_steps.h"

namespace keldra::ui {
namespace {

std::string Executable() {
  Start_Step(start_step::Main);
  return platform::Module_File_Name();
}

}  // namespace

Program_Start::Program_Start()
    : executable(Executable()), folder(platform::Directory_With_Separator(executable)) {}

void Program_Start::Start_Early_Work() {
  settings::Start_Early_Reads(executable, settings::Early_Reads::With_Auto_Run_Check);
  decimal_separator = platform::Decimal_Separator_From_Environment();
}

void Program_Start::Make_Services() {
  os_.emplace(platform::Make_Platform_Services(platform::Settings_Folder(executable)));
  queries_.emplace(*os_->disk, *os_->error_mode, decimal_separator);
  Start_Step(start_step::Services);
}

Keldra_Services Program_Start::Services(platform::Message_Boxes& boxes,
                                        std::function<int()> current_year) {
  return {*queries_,
          *os_->drives,
          boxes,
          *os_->registry,
          *os_->launcher,
          executable,
          decimal_separator,
          std::move(current_year),
          [] { return extras::Memory_Free_Percent(platform::Global_Memory_Status()); }};
}

bool Exit_When_Shown() { return std::getenv(Exit_When_Shown_Variable) != nullptr; }

}  // namespace keldra::ui
