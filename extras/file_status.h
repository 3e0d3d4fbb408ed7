#pragma once
// Whether some process has a file open, its attribute flags, and a delete that
// leaves a file in use alone. None of these raises an error or shows a message.
#include <string>

namespace keldra::extras {

// "CLOSED", "OPEN", "NOT FOUND", "ERROR", or "" for an empty name or no such file.
// A name of 128 characters or more answers "CLOSED" without any test.
std::string Get_File_Status(const std::string& name);

// Sets exactly the chosen flags; a name with no file behind it is left alone.
void Set_File_Attributes(const std::string& name, bool read_only, bool archive, bool system,
                         bool hidden);

// Clears the file's flags, then deletes it only when nobody has it open. True when
// the file is gone afterwards.
bool Delete_File_If_Closed(const std::string& name);

}  // namespace keldra::extras
