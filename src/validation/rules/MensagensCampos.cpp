#include "validation/rules/MensagensCampos.h"

#include "base/Cp1252.h"

namespace validador {
namespace {

MensagensCampos BuildMensagens() {
  MensagensCampos m;
  m.naturezaLancamento = Utf8ToCp1252("Natureza lançamento inválida ");
  m.tipoConta = Utf8ToCp1252("Tipo de conta inválida ");
  m.tipoTitular = Utf8ToCp1252("Tipo de titular inválido");
  m.tamanhoCampo = Utf8ToCp1252("O tamanho do campo no arquivo é maior que na tabela; Campo: ");
  m.somenteEspacos = Utf8ToCp1252("O campo possui somente espaços, ");
  m.caracteresCampo = Utf8ToCp1252("Caracteres, ponto ou espaços no campo ");
  m.espacosInicioFinal = Utf8ToCp1252("Espaços no início / final do campo ");
  m.caracteresNumerico = Utf8ToCp1252("Caracteres, ponto ou espaços em campo numérico; Campo: ");
  m.numericoVazio = Utf8ToCp1252("Campo numérico vazio / Campo sem vírgula");
  m.caracteresData = Utf8ToCp1252("Caracteres em campo de data");
  m.tamanhoData = Utf8ToCp1252("Tamanho de data inválido");
  m.mesInvalido = Utf8ToCp1252("Mês inválido");
  m.diaInvalido = Utf8ToCp1252("Dia inválido");
  return m;
}

}  // namespace

const MensagensCampos& Mensagens() {
  static const MensagensCampos mensagens = BuildMensagens();
  return mensagens;
}

}  // namespace validador
