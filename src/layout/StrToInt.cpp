#include "layout/StrToInt.h"

#include <string>

#include "layout/Errors.h"

namespace validador {
namespace {

constexpr std::uint32_t kLargestMagnitude = 2147483648u;  // of -2147483648

// The value of one digit in the given base, or -1 when the byte is no such digit.
int DigitValue(char byte, std::uint32_t base) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (base == 16 && byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
  if (base == 16 && byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -1;
}

// Removes a hexadecimal prefix ("$", "x", "X", "0x", "0X") and gives the base.
std::uint32_t TakeBase(std::string_view& text) {
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
// kLargestMagnitude); false otherwise.
bool ParseMagnitude(std::string_view digits, std::uint32_t base, std::uint32_t& magnitude) {
  if (digits.empty()) return false;
  std::uint64_t value = 0;
  for (const char byte : digits) {
    const int digit = DigitValue(byte, base);
    if (digit < 0) return false;
    value = value * base + static_cast<std::uint32_t>(digit);
    if (value > kLargestMagnitude) return false;
  }
  magnitude = static_cast<std::uint32_t>(value);
  return true;
}

}  // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value) {
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  const std::uint32_t base = TakeBase(rest);
  std::uint32_t magnitude = 0;
  if (!ParseMagnitude(rest, base, magnitude)) return false;
  if (!negative && magnitude == kLargestMagnitude) return false;
  value = negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
  return true;
}

std::int32_t StrToInt(std::string_view text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
  }
  return value;
}

}  // namespace validador
