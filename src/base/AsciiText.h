#pragma once
// Letter case and hexadecimal digits in ASCII text, whatever the locale: standard names
// matched in any case, digests written and read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace validador {

// The text with a-z as A-Z; every other byte unchanged.
std::string UpperAscii(std::string_view text);

// True for a non-empty text of the digits 0-9, a-f and A-F only.
bool IsHexadecimal(std::string_view text);

// Two uppercase hexadecimal digits per byte, no separators.
std::string HexText(const std::uint8_t* bytes, std::size_t length);

}  // namespace validador
