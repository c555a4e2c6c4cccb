#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes out of scope.

#include <filesystem>
#include <string>

namespace zelvane::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The full path of a file in the folder, as the text the program keeps.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Whole-file helpers for checking what the program wrote, byte for byte.
std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace zelvane::testing
