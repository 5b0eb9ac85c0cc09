#pragma once
// Texts of the system are byte strings in the Windows-1252 code page. Messages are
// written in the sources as UTF-8 and turned into Windows-1252 once; the shells turn
// the bytes back into UTF-8 to show them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace validador {

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character that Windows-1252 cannot hold, or a byte
// sequence that is not UTF-8, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// A stretch of bytes in a text: where it starts and how many bytes it takes.
struct ByteSpan {
  std::size_t offset = 0;
  std::size_t length = 0;
};

// The first character of the UTF-8 text that Windows-1252 cannot hold, or the first
// bytes that are not well-formed UTF-8 (a cut, overlong or surrogate sequence, a stray
// byte); nullopt when the whole text fits.
std::optional<ByteSpan> FirstCharacterOutsideCp1252(std::string_view utf8);

// UTF-8 to Windows-1252 with nothing replaced: nullopt when FirstCharacterOutsideCp1252
// finds anything, so that no text is silently changed into another one.
std::optional<std::string> Utf8ToCp1252Checked(std::string_view utf8);

// True when every character of the UTF-8 text has a Windows-1252 byte, so that
// Utf8ToCp1252 gives it back unchanged.
bool FitsCp1252(std::string_view utf8);

}  // namespace validador
