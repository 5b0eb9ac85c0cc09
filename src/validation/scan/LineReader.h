#pragma once
// The one line rule of every reader of a delivery file:
// - a line ends at a carriage return (13); a line feed (10) right after it is skipped;
// - a line feed alone is an ordinary byte of the line;
// - the file ends at its physical end or at its first byte 26 (Ctrl-Z);
// - the last line needs no break; a file ending right after a break has no further
//   empty line; an empty file (or one starting with byte 26) has no line at all.
//
// Files are read in large blocks; lines are handed out as views into the block
// (copied only when a line straddles two blocks).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/InputFile.h"

namespace validador {

class LineReader {
 public:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

  // Opens the file for reading. Throws EInOutError when it cannot be opened.
  explicit LineReader(const std::string& path);
  ~LineReader();

  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line, without its break, valid until the next call or Close().
  // False at the end of the file. Throws EInOutError when a read fails.
  bool Next(std::string_view& line);

  // Closes the file early; also done by the destructor.
  void Close();

 private:
  // Reads the next block; byte 26 cuts it and marks the end of the file.
  void Refill();
  // Hands out the line gathered in spill_ (a line that straddles blocks).
  bool HandOutSpill(std::string_view& line);

  std::optional<platform::InputFile> file_;
  std::vector<char> block_;
  std::size_t begin_ = 0;   // first unread byte in block_
  std::size_t end_ = 0;     // one past the last valid byte in block_
  bool eof_ = false;        // physical end or byte 26 reached
  bool skipLf_ = false;     // the last line ended at a CR at the end of a block
  std::string spill_;       // a line that straddles two blocks
  bool spillHandedOut_ = false;  // spill_ was the last line handed out
};

// The same rule over bytes already in memory: every line, in order.
std::vector<std::string> SplitLines(std::string_view bytes);

}  // namespace validador
