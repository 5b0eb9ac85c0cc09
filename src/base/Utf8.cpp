#include "base/Utf8.h"

namespace validador {

Utf8Char DecodeUtf8(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1};
  std::size_t extra = 0;
  char32_t cp = 0;
  char32_t least = 0;  // the smallest code point that needs this many bytes
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
    least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
    least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
    least = 0x10000;
  } else {
    return {std::nullopt, 1};
  }
  std::size_t length = 1;
  for (std::size_t k = 0; k < extra; ++k) {
    if (at + length >= text.size()) return {std::nullopt, length};
    const auto next = static_cast<unsigned char>(text[at + length]);
    if ((next & 0xC0) != 0x80) return {std::nullopt, length};
    cp = (cp << 6) | (next & 0x3F);
    ++length;
  }
  if (cp < least || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return {std::nullopt, length};
  return {cp, length};
}

}  // namespace validador
