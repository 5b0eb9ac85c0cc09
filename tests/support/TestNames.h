#pragma once
// Readable, stable names for parameterised cases whose parameter is a text.

#include <cstdio>
#include <string>
#include <string_view>

namespace testsupport {

// "<index>_<text>" with letters and digits kept and every other byte written as
// its hexadecimal value ("1_12_20" for the text "12 "); the index keeps names unique.
inline std::string CaseName(std::size_t index, std::string_view text) {
  std::string name = std::to_string(index) + "_";
  for (const char byte : text) {
    const auto code = static_cast<unsigned char>(byte);
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z')) {
      name += byte;
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "_%02X", code);
      name += hex;
    }
  }
  return name;
}

}  // namespace testsupport
