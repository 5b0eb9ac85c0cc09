#pragma once
// The error texts of the field rules, in Windows-1252, built once.

#include <string>

namespace validador {

struct MensagensCampos {
  std::string naturezaLancamento;  // "Natureza lançamento inválida "
  std::string tipoConta;           // "Tipo de conta inválida "
  std::string tipoTitular;         // "Tipo de titular inválido"
  std::string tamanhoCampo;        // followed by the field name
  std::string somenteEspacos;      // followed by the field name
  std::string caracteresCampo;     // digits-only text field, followed by the name
  std::string espacosInicioFinal;  // other text field, followed by the name
  std::string caracteresNumerico;  // numeric field, followed by the name
  std::string numericoVazio;       // "Campo numérico vazio / Campo sem vírgula"
  std::string caracteresData;      // "Caracteres em campo de data"
  std::string tamanhoData;         // "Tamanho de data inválido"
  std::string mesInvalido;         // "Mês inválido"
  std::string diaInvalido;         // "Dia inválido"
};

const MensagensCampos& Mensagens();

}  // namespace validador
