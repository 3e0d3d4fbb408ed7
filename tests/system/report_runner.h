#pragma once
// Runs a copy of keldra-report in a folder of the test's own, so that it reads
// the keldra.ini and drives.ini the test put there.
#include <string>
#include <vector>

namespace keldra::test {

struct Run_Result {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Copies the built keldra-report into folder (as name) and returns its path.
std::string Install_Report(const std::string& folder, const std::string& name = "keldra-report");

Run_Result Run_Program(const std::vector<std::string>& argv);

// Mounts a tmpfs of the given size at dir; false where mounting is not allowed.
bool Mount_Tmpfs(const std::string& dir, const std::string& size);
void Unmount(const std::string& dir);

std::vector<std::string> Split_Lines(const std::string& text);
std::vector<std::string> Split_Tabs(const std::string& line);

}  // namespace keldra::test
