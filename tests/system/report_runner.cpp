#include "tests/system/report_runner.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "tests/fakes/temp_folder.h"

namespace keldra::test {
std::string Install_Report(const std::string& folder, const std::string& name) {
  const std::string target = folder + "/" + name;
  std::filesystem::copy_file(KELDRA_REPORT_PATH, target,
                             std::filesystem::copy_options::overwrite_existing);
  return target;
}

Run_Result Run_Program(const std::vector<std::string>& argv) {
  Temp_Folder io;
  const std::string out_path = io / "out", err_path = io / "err";
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  Run_Result r;
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = Read_File(out_path);
  r.err = Read_File(err_path);
  return r;
}

bool Mount_Tmpfs(const std::string& dir, const std::string& size) {
  std::filesystem::create_directories(dir);
  const std::string options = "size=" + size;
  return mount("keldra-test", dir.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

void Unmount(const std::string& dir) { umount2(dir.c_str(), MNT_DETACH); }

std::vector<std::string> Split_Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t eol = text.find('\n', pos);
    if (eol == std::string::npos) eol = text.size();
    lines.push_back(text.substr(pos, eol - pos));
    pos = eol + 1;
  }
  return lines;
}

std::vector<std::string> Split_Tabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  for (;;) {
    std::size_t tab = line.find('\t', pos);
    fields.push_back(line.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
    if (tab == std::string::npos) break;
    pos = tab + 1;
  }
  return fields;
}

}  // namespace keldra::test
