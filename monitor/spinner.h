#pragma once
#include <string>
#include <string_view>

namespace keldra::monitor {

// The activity indicator's next frame: "===" after "=", "=" after "===", and
// "===" after anything else.
std::string Next_Spinner_Frame(std::string_view caption);

}  // namespace keldra::monitor
