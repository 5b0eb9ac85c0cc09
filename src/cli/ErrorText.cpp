#include "cli/ErrorText.h"

#include <cstdio>

#include "layout/Cp1252.h"
#include "layout/Errors.h"
#include "validation/FileScan.h"

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

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at text[i] that starts with a byte of
// 0x80 or more; 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return 0;
  }
  const auto second = static_cast<unsigned char>(text[i + 1]);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
    return 0;  // overlong, a surrogate, or past U+10FFFF
  }
  return length;
}

// The file an error names (or the file and the box, for a conversion error), or nullptr.
const std::string* PathOf(const std::exception& error) {
  const std::string* path = nullptr;
  if (const auto* io = dynamic_cast<const EInOutError*>(&error)) path = &io->Path();
  if (const auto* changed = dynamic_cast<const EFileChanged*>(&error)) path = &changed->Path();
  if (const auto* convert = dynamic_cast<const EConvertError*>(&error)) path = &convert->Where();
  return path != nullptr && !path->empty() ? path : nullptr;
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

std::string ErrorLine(const std::exception& error) {
  // The system's messages are Windows-1252; others (the runtime's own) are taken as they are.
  const auto* ours = dynamic_cast<const Exception*>(&error);
  const std::string message = MessageWithFullStop(ours != nullptr ? ours->Message() : error.what());
  const std::string shown = EscapeControls(ours != nullptr ? Cp1252ToUtf8(message) : message);
  if (const std::string* path = PathOf(error)) {
    return std::string(kProgramPrefix) + EscapeControls(*path) + ": " + shown;
  }
  return std::string(kProgramPrefix) + shown;
}

void ReportError(const std::exception& error) {
  const std::string line = ErrorLine(error) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace validador::cli
