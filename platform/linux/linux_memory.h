#pragma once
// The memory figures on Linux come from /proc/meminfo.
#include <optional>
#include <string_view>

#include "platform/memory_status.h"

namespace keldra::platform::linux_impl {

// From /proc/meminfo text: physical = MemTotal and MemAvailable, page file =
// SwapTotal and SwapFree. Nothing when MemTotal is missing.
std::optional<Memory_Status> Parse_Meminfo(std::string_view text);

}  // namespace keldra::platform::linux_impl
