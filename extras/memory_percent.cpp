#include "extras/memory_percent.h"

#include <cmath>

namespace keldra::extras {

std::string Memory_Free_Percent(const platform::Memory_Status& m) {
  const long double available = static_cast<long double>(m.avail_phys >> 10) +
                                static_cast<long double>(m.avail_page_file) / 1024.0L;
  const long double total = static_cast<long double>(m.total_phys >> 10) +
                            static_cast<long double>(m.total_page_file) / 1024.0L;
  if (total <= 0) return "0%";
  const long double percent = available / total * 100.0L;
  return std::to_string(static_cast<long long>(std::round(percent))) + "%";
}

}  // namespace keldra::extras
