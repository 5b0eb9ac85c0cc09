#pragma once
// Texts of the system are byte strings in the Windows-1252 code page. Messages are
// written in the sources as UTF-8 and turned into Windows-1252 once; the shells turn
// the bytes back into UTF-8 to show them.

#include <string>
#include <string_view>

namespace validador {

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character that Windows-1252 cannot hold, or a byte
// sequence that is not UTF-8, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// True when every character of the UTF-8 text has a Windows-1252 byte, so that
// Utf8ToCp1252 gives it back unchanged; false for a character outside the page or a
// byte sequence that is not UTF-8.
bool FitsCp1252(std::string_view utf8);

}  // namespace validador
