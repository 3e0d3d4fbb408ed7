#pragma once
// The user's regional number settings, taken once at start-up.
#include <string>

namespace keldra::platform {

// The decimal separator of the LC_NUMERIC locale named by the environment.
std::string Decimal_Separator_From_Environment();

}  // namespace keldra::platform
