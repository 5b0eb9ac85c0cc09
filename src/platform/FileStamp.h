#pragma once
// What tells one state of a file from another: which file it is, its size and the time
// it was last written.

#include <cstdint>

namespace validador::platform {

struct FileStamp {
  std::uint64_t device = 0;     // the volume
  std::uint64_t identity = 0;   // the file on that volume
  std::uint64_t size = 0;
  std::int64_t modifiedNanoseconds = 0;

  bool operator==(const FileStamp&) const = default;
};

}  // namespace validador::platform
