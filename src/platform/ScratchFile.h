#pragma once
// A file for work in progress, too large for memory: it has no name (or loses it at
// once), so it goes with the process however the process ends.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace validador::platform {

class ScratchFile {
 public:
  // A new, empty file in `folder`. Throws EInOutError naming the folder.
  explicit ScratchFile(const std::string& folder);
  ~ScratchFile();

  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // Adds the bytes at the end (kept in a small buffer first). Throws EInOutError.
  void Append(std::string_view bytes);
  // The bytes written so far.
  std::uint64_t Size() const { return size_; }
  // Empties the file.
  void Clear();
  // Hands the bytes from `from` to `to` to `take`, piece by piece.
  void Read(std::uint64_t from, std::uint64_t to, const std::function<void(std::string_view)>& take);

 private:
  void Flush();

  std::string folder_;
  std::intptr_t handle_ = -1;
  std::string buffer_;
  std::uint64_t size_ = 0;     // buffered bytes included
  std::uint64_t onDisk_ = 0;
};

}  // namespace validador::platform
