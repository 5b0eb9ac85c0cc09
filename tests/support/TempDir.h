#pragma once
// A fresh directory under the system's temporary folder, removed with its contents
// when the object goes away; with helpers to write files into it byte for byte.

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Full path of `name` inside the directory, as text.
  std::string File(std::string_view name) const;
  // Writes `bytes` exactly into `name`; returns its full path.
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file, as bytes.
std::string ReadAll(const std::string& path);

}  // namespace testsupport
