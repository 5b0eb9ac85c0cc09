#include "base/StrToInt.h"

#include <string>

#include "base/Errors.h"

namespace validador {
namespace {

// The magnitude of the most negative value: -2^31 and -2^63.
constexpr std::uint64_t kLargestMagnitude32 = std::uint64_t{1} << 31;
constexpr std::uint64_t kLargestMagnitude64 = std::uint64_t{1} << 63;

// The value of one digit in the given base, or -1 when the byte is no such digit.
int DigitValue(char byte, std::uint64_t base) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (base == 16 && byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
  if (base == 16 && byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -1;
}

// Removes a hexadecimal prefix ("$", "x", "X", "0x", "0X") and gives the base.
std::uint64_t TakeBase(std::string_view& text) {
  if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
    text.remove_prefix(1);
    return 16;
  }
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    return 16;
  }
  return 10;
}

// The magnitude written by `digits` (at least one digit, nothing else, at most
// `largest`); false otherwise.
bool ParseMagnitude(std::string_view digits, std::uint64_t base, std::uint64_t largest,
                    std::uint64_t& magnitude) {
  if (digits.empty()) return false;
  std::uint64_t value = 0;
  for (const char byte : digits) {
    const int digit = DigitValue(byte, base);
    if (digit < 0) return false;
    if (value > (largest - static_cast<std::uint64_t>(digit)) / base) return false;
    value = value * base + static_cast<std::uint64_t>(digit);
  }
  magnitude = value;
  return true;
}

// The conversion into the range [-largest, largest - 1], as a sign and a magnitude.
bool TryParse(std::string_view text, std::uint64_t largest, bool& negative,
              std::uint64_t& magnitude) {
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  const std::uint64_t base = TakeBase(rest);
  if (!ParseMagnitude(rest, base, largest, magnitude)) return false;
  return negative || magnitude != largest;
}

[[noreturn]] void ThrowNotAnInteger(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value) {
  bool negative = false;
  std::uint64_t magnitude = 0;
  if (!TryParse(text, kLargestMagnitude32, negative, magnitude)) return false;
  value = static_cast<std::int32_t>(negative ? 0 - static_cast<std::int64_t>(magnitude)
                                             : static_cast<std::int64_t>(magnitude));
  return true;
}

std::int32_t StrToInt(std::string_view text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) ThrowNotAnInteger(text);
  return value;
}

bool TryStrToInt64(std::string_view text, std::int64_t& value) {
  bool negative = false;
  std::uint64_t magnitude = 0;
  if (!TryParse(text, kLargestMagnitude64, negative, magnitude)) return false;
  // Two's complement: 0 - magnitude is the negative value, -2^63 included.
  value = static_cast<std::int64_t>(negative ? std::uint64_t{0} - magnitude : magnitude);
  return true;
}

std::int64_t StrToInt64(std::string_view text) {
  std::int64_t value = 0;
  if (!TryStrToInt64(text, value)) ThrowNotAnInteger(text);
  return value;
}

}  // namespace validador
