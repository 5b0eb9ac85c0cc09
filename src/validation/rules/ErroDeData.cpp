#include "validation/rules/ErroDeData.h"

#include <array>
#include <cstdint>
#include <limits>

#include "base/StrToInt.h"
#include "validation/rules/CharClasses.h"
#include "validation/rules/MensagensCampos.h"

namespace validador {
namespace {

bool IsLeapYear(std::int32_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

// Days of each month in a common year (index 0 unused). A table rather than a
// branch per group of months: the month of a date is anyone's guess.
constexpr std::array<std::int32_t, 13> kDiasDoMes = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The largest day the month admits; months of 0 and below have no day test.
std::int32_t LastDayOf(std::int32_t month, std::int32_t year) {
  if (month < 1 || month > 12) return std::numeric_limits<std::int32_t>::max();
  const bool leapFebruary = month == 2 && IsLeapYear(year);
  return kDiasDoMes[static_cast<std::size_t>(month)] + (leapFebruary ? 1 : 0);
}

struct DateParts {
  std::int32_t day = 0;
  std::int32_t month = 0;
  std::int32_t year = 0;
};

std::int32_t DigitValue(char digit) { return digit - '0'; }
std::int32_t TwoDigitsValue(const char* digits) { return DigitValue(digits[0]) * 10 + DigitValue(digits[1]); }

// "ddmmyyyy" or "dmmyyyy" of digits only (nearly every date): read directly.
DateParts PartsOfDigits(std::string_view value) {
  const char* digits = value.data();
  const std::size_t dayLength = value.size() - 6;
  DateParts parts;
  parts.day = dayLength == 2 ? TwoDigitsValue(digits) : DigitValue(digits[0]);
  parts.month = TwoDigitsValue(digits + dayLength);
  parts.year = TwoDigitsValue(digits + dayLength + 2) * 100 + TwoDigitsValue(digits + dayLength + 4);
  return parts;
}

// Any other date of 7 or 8 characters: each part through the integer conversion
// (the day takes what the month and year leave); false when a part is not an integer.
bool ConvertParts(std::string_view value, DateParts& parts) {
  const std::size_t dayLength = value.size() - 6;
  return TryStrToInt(value.substr(0, dayLength), parts.day) && TryStrToInt(value.substr(dayLength, 2), parts.month) &&
         TryStrToInt(value.substr(dayLength + 2), parts.year);
}

const std::string* CalendarError(const DateParts& parts) {
  if (parts.month > 12) return &Mensagens().mesInvalido;
  if (parts.day > LastDayOf(parts.month, parts.year)) return &Mensagens().diaInvalido;
  return nullptr;
}

}  // namespace

const std::string* ErroDeData(std::string_view value) { return ErroDeData(value, IsAllDigits(value)); }

// The messages are looked up only for a date that fails.
const std::string* ErroDeData(std::string_view value, bool digitsOnly) {
  if (value.size() != 8 && value.size() != 7) return &Mensagens().tamanhoData;
  if (digitsOnly) return CalendarError(PartsOfDigits(value));
  DateParts parts;
  if (!ConvertParts(value, parts)) return &Mensagens().caracteresData;
  return CalendarError(parts);
}

}  // namespace validador
