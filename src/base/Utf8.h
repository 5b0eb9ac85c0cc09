#pragma once
// UTF-8 read one character at a time: the decoder every text conversion of the program
// uses.

#include <cstddef>
#include <optional>
#include <string_view>

namespace validador {

struct Utf8Char {
  // nullopt for a sequence that is not well formed: a stray or unknown byte, one cut
  // short, overlong, a surrogate, or past U+10FFFF.
  std::optional<char32_t> codePoint;
  // The bytes it takes: the whole sequence; for one not well formed, its bytes up to the
  // first that does not belong to it (at least one).
  std::size_t length = 1;
};

// The character that starts at text[at] (at < text.size()).
Utf8Char DecodeUtf8(std::string_view text, std::size_t at);

}  // namespace validador
