#pragma once
// The lines of a file cut as every reader cuts them, one byte at a time and nothing
// more: a line ends at a CR, a line feed right after it is skipped, a line feed alone is
// a byte of the line, the file ends at its end or its first byte 26, and the last line
// needs no line break. The reference the block-wise readers are compared with.

#include <string>
#include <string_view>
#include <vector>

namespace validador::reference {

inline std::vector<std::string> PlainLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool inLine = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char byte = bytes[i];
    if (byte == '\x1A') break;
    if (byte == '\r') {
      lines.push_back(line);
      line.clear();
      inLine = false;
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      continue;
    }
    line += byte;
    inLine = true;
  }
  if (inLine) lines.push_back(line);
  return lines;
}

}  // namespace validador::reference
