#include "validation/ErroDeData.h"

#include <cstdint>
#include <limits>

#include "layout/StrToInt.h"
#include "validation/CharClasses.h"
#include "validation/MensagensCampos.h"

namespace validador {
namespace {

bool IsLeapYear(std::int32_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

// The largest day the month admits; months of 0 and below have no day test.
std::int32_t LastDayOf(std::int32_t month, std::int32_t year) {
  switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
      return 31;
    case 4: case 6: case 9: case 11:
      return 30;
    case 2:
      return IsLeapYear(year) ? 29 : 28;
    default:
      return std::numeric_limits<std::int32_t>::max();
  }
}

std::int32_t DigitValue(char digit) { return digit - '0'; }
std::int32_t TwoDigitsValue(const char* digits) { return DigitValue(digits[0]) * 10 + DigitValue(digits[1]); }

// Day, month and year of "ddmmyyyy" or "dmmyyyy" (the day takes what the month
// and year leave); false when a part is not an integer. A date of digits only
// (nearly all of them) is read directly; anything else goes through the full
// conversion, which decides the same for digits.
bool SplitDate(std::string_view value, bool digitsOnly, std::int32_t& day, std::int32_t& month,
               std::int32_t& year) {
  const std::size_t dayLength = value.size() - 6;
  if (digitsOnly) {
    const char* digits = value.data();
    day = dayLength == 2 ? TwoDigitsValue(digits) : DigitValue(digits[0]);
    month = TwoDigitsValue(digits + dayLength);
    year = TwoDigitsValue(digits + dayLength + 2) * 100 + TwoDigitsValue(digits + dayLength + 4);
    return true;
  }
  return TryStrToInt(value.substr(0, dayLength), day) && TryStrToInt(value.substr(dayLength, 2), month) &&
         TryStrToInt(value.substr(dayLength + 2), year);
}

}  // namespace

const std::string* ErroDeData(std::string_view value) { return ErroDeData(value, IsAllDigits(value)); }

// The messages are looked up only for a date that fails.
const std::string* ErroDeData(std::string_view value, bool digitsOnly) {
  if (value.size() != 8 && value.size() != 7) return &Mensagens().tamanhoData;
  std::int32_t day = 0;
  std::int32_t month = 0;
  std::int32_t year = 0;
  if (!SplitDate(value, digitsOnly, day, month, year)) return &Mensagens().caracteresData;
  if (month > 12) return &Mensagens().mesInvalido;
  if (day > LastDayOf(month, year)) return &Mensagens().diaInvalido;
  return nullptr;
}

}  // namespace validador
