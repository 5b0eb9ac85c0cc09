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

// The value of a text of digits only.
std::int32_t DigitsValue(std::string_view digits) {
  std::int32_t number = 0;
  for (const char digit : digits) number = number * 10 + (digit - '0');
  return number;
}

// Day, month and year of "ddmmyyyy" or "dmmyyyy" (the day takes what the month
// and year leave); false when a part is not an integer. A date of digits only
// (nearly all of them) is read directly; anything else goes through the full
// conversion, which decides the same for digits.
bool SplitDate(std::string_view value, bool digitsOnly, std::int32_t& day, std::int32_t& month,
               std::int32_t& year) {
  const std::size_t dayLength = value.size() - 6;
  const std::string_view dayPart = value.substr(0, dayLength);
  const std::string_view monthPart = value.substr(dayLength, 2);
  const std::string_view yearPart = value.substr(dayLength + 2);
  if (digitsOnly) {
    day = DigitsValue(dayPart);
    month = DigitsValue(monthPart);
    year = DigitsValue(yearPart);
    return true;
  }
  return TryStrToInt(dayPart, day) && TryStrToInt(monthPart, month) && TryStrToInt(yearPart, year);
}

}  // namespace

const std::string* ErroDeData(std::string_view value) {
  return ErroDeData(value, ClassMaskOf(value) == kDigitClass);
}

const std::string* ErroDeData(std::string_view value, bool digitsOnly) {
  const MensagensCampos& mensagens = Mensagens();
  if (value.size() != 8 && value.size() != 7) return &mensagens.tamanhoData;
  std::int32_t day = 0;
  std::int32_t month = 0;
  std::int32_t year = 0;
  if (!SplitDate(value, digitsOnly, day, month, year)) return &mensagens.caracteresData;
  if (month > 12) return &mensagens.mesInvalido;
  if (day > LastDayOf(month, year)) return &mensagens.diaInvalido;
  return nullptr;
}

}  // namespace validador
