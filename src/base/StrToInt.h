#pragma once
// The system's text-to-integer conversion.
//
// Leading blanks (spaces) are skipped; one optional '+' or '-' follows; a "$",
// "x", "X", "0x" or "0X" prefix makes the rest hexadecimal, otherwise the rest
// is decimal digits up to the end of the text. The conversion fails on an empty
// or all-blank text, on any other character (a trailing blank included), on a
// missing digit and on a value outside the signed 32-bit range.

#include <cstdint>
#include <string_view>

namespace validador {

// Returns false on failure and leaves `value` unchanged.
bool TryStrToInt(std::string_view text, std::int32_t& value);

// Throws EConvertError("'<text>' is not a valid integer value") on failure.
std::int32_t StrToInt(std::string_view text);

// The same conversion into the signed 64-bit range, for counts of lines and records,
// which a file may hold beyond 2^31.
bool TryStrToInt64(std::string_view text, std::int64_t& value);
std::int64_t StrToInt64(std::string_view text);

}  // namespace validador
