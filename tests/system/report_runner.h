#pragma once
// Runs a copy of keldra-report in a folder of the test's own, so that it reads
// the keldra.ini and drives.ini the test put there.
#include <string>
#include <vector>

#include "tests/fakes/private_mounts.h"

namespace keldra::test {

struct Run_Result {
  int exit_code = -1;
  std::string out;
  std::string err;
  long max_rss_kb = -1;  // the program's peak resident memory (Run_Program only)
};

// Copies the built keldra-report into folder (as name) and returns its path.
std::string Install_Report(const std::string& folder, const std::string& name = "keldra-report");

Run_Result Run_Program(const std::vector<std::string>& argv);

// Runs the program with its output read through pipes, as a script reads it, until
// both pipes reach their end or the deadline passes; the program is then killed if
// it is still there.
struct Piped_Result {
  Run_Result result;
  bool ended = false;          // both pipes reached their end before the deadline
  double seconds_to_end = -1;  // from the start to the end of both pipes
};
Piped_Result Run_Piped(const std::vector<std::string>& argv, double deadline_seconds,
                       const std::vector<std::string>& environment = {});

void Unmount(const std::string& dir);

std::vector<std::string> Split_Lines(const std::string& text);
std::vector<std::string> Split_Tabs(const std::string& line);

}  // namespace keldra::test
