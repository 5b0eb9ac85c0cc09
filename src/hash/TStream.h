#pragma once
// A source of bytes read from its current position onwards.

#include <cstdint>

namespace validador {

class TStream {
 public:
  virtual ~TStream() = default;

  // Reads up to `count` bytes into `buffer` and returns how many were read;
  // fewer than asked only at the end of the stream.
  virtual std::uint32_t Read(void* buffer, std::uint32_t count) = 0;

  // The number of bytes of the whole stream.
  virtual std::uint64_t Size() = 0;
};

}  // namespace validador
