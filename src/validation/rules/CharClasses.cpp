#include "validation/rules/CharClasses.h"

namespace validador {

std::uint8_t ClassMaskOf(std::string_view text) {
  std::uint8_t found = 0;
  for (const char byte : text) found |= ClassOf(byte);
  return found;
}

}  // namespace validador
