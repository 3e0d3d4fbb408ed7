#include "monitor/spinner.h"

namespace keldra::monitor {

std::string Next_Spinner_Frame(std::string_view caption) { return caption == "===" ? "=" : "==="; }

}  // namespace keldra::monitor
