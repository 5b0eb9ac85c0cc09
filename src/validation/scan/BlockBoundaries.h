#pragma once
// Where the checks of each block of a file begin and end, block after block in file
// order: they see the bytes before the file's first byte 26, and a line runs on from one
// block into the next.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace validador {

class BlockBoundaries {
 public:
  struct Span {
    bool judging = false;       // the checks look at this block at all
    std::size_t checkSize = 0;  // bytes they look at: those before a byte 26
    bool startsLine = false;    // the block begins a line
    bool skipLineFeed = false;  // a line feed opening the block ends the line before it
  };

  // The span of the next block of the file.
  Span Next(std::string_view block);

  // Once a byte 26 was met: how many bytes after it the blocks given so far held, none of
  // them looked at. nullopt when there was none.
  std::optional<std::uint64_t> BytesAfterEndOfText() const;

 private:
  std::uint64_t bytesSeen_ = 0;
  std::uint64_t bytesChecked_ = 0;
  bool first_ = true;
  bool ended_ = false;  // a byte 26 was met: nothing after it is looked at
  bool previousEndedAtCr_ = false;
};

}  // namespace validador
