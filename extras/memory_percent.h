#pragma once
#include <string>

#include "platform/memory_status.h"

namespace keldra::extras {

// (available physical + available page file) / (total physical + total page file)
// x 100, whole kilobytes for the physical memory and exact kilobytes for the page
// file, rounded half away from zero: "57%". "0%" when there is no total.
std::string Memory_Free_Percent(const platform::Memory_Status& status);

}  // namespace keldra::extras
