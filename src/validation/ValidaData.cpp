#include <limits>

#include "layout/StrToInt.h"
#include "validation/MensagensCampos.h"
#include "validation/ValidaCampos.h"

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

}  // namespace

std::string ValidaData(std::string_view value) {
  const MensagensCampos& mensagens = Mensagens();
  if (value.size() != 8 && value.size() != 7) return mensagens.tamanhoData;
  // "ddmmyyyy" or "dmmyyyy": the day takes what the month and year leave.
  const std::size_t dayLength = value.size() - 6;
  std::int32_t day = 0;
  std::int32_t month = 0;
  std::int32_t year = 0;
  if (!TryStrToInt(value.substr(0, dayLength), day) || !TryStrToInt(value.substr(dayLength, 2), month) ||
      !TryStrToInt(value.substr(dayLength + 2), year)) {
    return mensagens.caracteresData;
  }
  if (month > 12) return mensagens.mesInvalido;
  if (day > LastDayOf(month, year)) return mensagens.diaInvalido;
  return {};
}

}  // namespace validador
