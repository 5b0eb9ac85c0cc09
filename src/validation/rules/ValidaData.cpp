#include "validation/rules/ErroDeData.h"
#include "validation/rules/ValidaCampos.h"

namespace validador {

std::string ValidaData(std::string_view value) {
  const std::string* erro = ErroDeData(value);
  return erro == nullptr ? std::string() : *erro;
}

}  // namespace validador
