#pragma once
// A fresh folder under the system's temporary directory, removed with everything
// in it when the test ends.
#include <string>

namespace keldra::test {

class Temp_Folder {
 public:
  Temp_Folder();
  ~Temp_Folder();
  Temp_Folder(const Temp_Folder&) = delete;
  Temp_Folder& operator=(const Temp_Folder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void Write_File(const std::string& path, const std::string& content);
std::string Read_File(const std::string& path);
bool Exists(const std::string& path);
bool Is_Link(const std::string& path);
// Writes to the file until its filesystem is full.
void Fill_Disk(const std::string& path);

}  // namespace keldra::test
