#pragma once
// A regular file opened for reading as a stream. Reads go through one large
// block, so small reads cost no system call each; the file is read once, from
// its start to its end, with the kernel told that access is sequential.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "hash/TStream.h"
#include "platform/InputFile.h"

namespace validador {

class TFileStream : public TStream {
 public:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

  // Opens an existing regular file. Throws EInOutError when the file is missing,
  // is not a regular file or cannot be opened.
  explicit TFileStream(const std::string& path);

  // Throws EInOutError when the system reports a read error.
  std::uint32_t Read(void* buffer, std::uint32_t count) override;
  // The size the file system reports for the file now.
  std::uint64_t Size() override { return file_.Stamp().size; }

 private:
  bool Refill();

  platform::InputFile file_;
  std::unique_ptr<std::uint8_t[]> block_;
  std::size_t begin_ = 0;  // first unread byte of block_
  std::size_t end_ = 0;    // one past the last valid byte of block_
  bool atEnd_ = false;
};

}  // namespace validador
