#include "tests/fakes/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace keldra::test {

namespace fs = std::filesystem;

Temp_Folder::Temp_Folder() {
  const char* base = std::getenv("TMPDIR");
  const fs::path parent = base && *base ? fs::path(base) : fs::temp_directory_path();
  std::random_device seed;
  std::mt19937_64 random(seed());
  // create_directory answers false for a name already taken: try another.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = parent / ("keldra-test-" + std::to_string(random() % 100000000));
    if (fs::create_directory(candidate)) {
      path_ = candidate.generic_string();
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder");
}

Temp_Folder::~Temp_Folder() {
  std::error_code ec;
  // Tests take write marks away; give them back so that everything can go.
  for (auto it = fs::recursive_directory_iterator(path_, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_symlink(ec)) fs::permissions(it->path(), fs::perms(0755), ec);
  }
  fs::permissions(path_, fs::perms(0755), ec);
  fs::remove_all(path_, ec);
}

void Write_File(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string Read_File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

bool Is_Link(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() == fs::file_type::symlink && !ec;
}

}  // namespace keldra::test

namespace keldra::test {

void Fill_Disk(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "w");
  if (!f) return;
  const std::string chunk(4096, 'f');
  while (std::fwrite(chunk.data(), 1, chunk.size(), f) == chunk.size() && std::fflush(f) == 0) {}
  std::fclose(f);
}

}  // namespace keldra::test
