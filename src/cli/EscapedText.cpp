#include "cli/EscapedText.h"

#include <cstdio>

#include "base/Utf8.h"

namespace validador::cli {
namespace {

std::string Hex(unsigned value, std::string_view prefix, int digits) {
  char text[8];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return std::string(prefix) + text;
}

std::string EscapeOfControl(unsigned char byte) {
  switch (byte) {
    case '\0':
      return "\\0";
    case '\t':
      return "\\t";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    default:
      return Hex(byte, "\\x", 2);
  }
}

// The length of the well-formed UTF-8 sequence at text[i] that starts with a byte of
// 0x80 or more; 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const Utf8Char next = DecodeUtf8(text, i);
  return next.codePoint ? next.length : 0;
}

}  // namespace

std::string EscapeControls(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x20 || byte == 0x7F) {
      out += EscapeOfControl(byte);
      ++i;
      continue;
    }
    const std::size_t length = byte < 0x80 ? 1 : SequenceLength(utf8, i);
    if (length == 0) {
      out += Hex(byte, "\\x", 2);
      ++i;
    } else if (byte == 0xC2 && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      out += Hex(static_cast<unsigned char>(utf8[i + 1]), "\\u", 4);  // a C1 control
      i += length;
    } else {
      out.append(utf8.substr(i, length));
      i += length;
    }
  }
  return out;
}

}  // namespace validador::cli
