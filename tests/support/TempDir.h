#pragma once
// A fresh directory under the system's temporary folder, removed with its contents
// when the object goes away; with helpers to write files into it byte for byte.
// Paths as texts are UTF-8, as the engine takes them, on every system.

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
  // Full path of `name` (UTF-8) inside the directory, as UTF-8 text.
  std::string File(std::string_view name) const;
  // Writes `bytes` exactly into `name`; returns its full path.
  std::string Write(std::string_view name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file (path in UTF-8), as bytes.
std::string ReadAll(const std::string& path);

// The path of a UTF-8 text, and the UTF-8 text of a path.
std::filesystem::path PathOfUtf8(std::string_view utf8);
std::string Utf8OfPath(const std::filesystem::path& path);

}  // namespace testsupport
