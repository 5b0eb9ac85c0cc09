#include "validation/rules/ValidaCampos.h"

#include "base/StrToInt.h"
#include "validation/rules/CharClasses.h"
#include "validation/rules/ErroDeData.h"
#include "validation/rules/MensagensCampos.h"

namespace validador {
namespace {

using FieldPlan = TLayoutCampos::FieldPlan;
using TypeRule = TLayoutCampos::TypeRule;

constexpr std::string_view kOitoEspacos = "        ";

// The last message a field's length and type rules set (none when they pass), and
// whether the field's name follows it. The messages are looked up only on failure.
struct Falha {
  const std::string* texto = nullptr;
  bool comNome = false;
};

Falha FalhaComNome(const std::string& texto) { return {&texto, true}; }
Falha FalhaSemNome(const std::string& texto) { return {&texto, false}; }

// Replacing the record's message is the rare way out of a rule: kept apart (cold).
[[gnu::cold, gnu::noinline]] void SetMessage(std::string& MensagemErro, const std::string& text) {
  MensagemErro.assign(text);
}

[[gnu::cold, gnu::noinline]] void SetMessage(std::string& MensagemErro, const Falha& falha,
                                             const std::string& name) {
  MensagemErro.assign(*falha.texto);
  if (falha.comNome) MensagemErro.append(name);
}

// "C" or "D", told without a branch on which of the two it is.
bool NaturezaValida(std::string_view value) {
  static_assert('D' == 'C' + 1);
  return value.size() == 1 && static_cast<unsigned char>(value[0] - 'C') <= 1;
}

bool TipoContaValido(std::string_view value) {
  if (value.size() == 1) return value[0] >= '1' && value[0] <= '4';  // the usual one digit
  std::int32_t tipo = 0;
  return TryStrToInt(value, tipo) && tipo >= 1 && tipo <= 4;
}

// An empty holder type fails as well: there is no first character to accept.
bool TipoTitularValido(std::string_view value) {
  if (value.empty()) return false;
  const char first = value.front();
  return IsDigit(first) || first == 'L' || first == 'O' || first == 'P' || first == 'R' || first == 'T';
}

bool DiffersFromTrimmed(std::string_view value) {
  return !value.empty() && (IsTrimmedAway(value.front()) || IsTrimmedAway(value.back()));
}

// The rules tied to a field's name: nature of entry, account type, holder type.
// False when the holder type ends the check of the record.
bool ValidaRegrasDoNome(std::string_view value, const FieldPlan& field, std::string& MensagemErro) {
  if (field.naturezaLancamento && !NaturezaValida(value)) SetMessage(MensagemErro, Mensagens().naturezaLancamento);
  if (field.tipoConta && !TipoContaValido(value)) SetMessage(MensagemErro, Mensagens().tipoConta);
  if (field.tipoTitular && !TipoTitularValido(value)) {
    SetMessage(MensagemErro, Mensagens().tipoTitular);
    return false;
  }
  return true;
}

// A numeric field. A blank fails the character test, which replaces the message of
// a value of blanks only.
Falha FalhaNumerica(std::string_view value, const FieldPlan& field) {
  const NumericBytes bytes = NumericBytesOf(value);
  if (bytes.letterStopOrBlank) return FalhaComNome(Mensagens().caracteresNumerico);
  if (!value.empty() && !field.money) return {};
  if (bytes.comma || field.emptyNumericAllowed) return {};
  return FalhaSemNome(Mensagens().numericoVazio);
}

// The classes of a date's bytes; a date of digits only (nearly every one) is
// told without the class table.
std::uint8_t DateClassesOf(std::string_view value) {
  if (IsAllDigits(value)) return value.empty() ? 0 : kDigitClass;
  return ClassMaskOf(value);
}

// A date field. Only here can the blanks-only message stand: eight blanks end the
// date rule; other blanks fail its size or its conversion.
Falha FalhaDeData(std::string_view value) {
  const std::uint8_t classes = DateClassesOf(value);
  if ((classes & kLetterClass) != 0) return FalhaSemNome(Mensagens().caracteresData);
  const Falha somenteEspacos = classes == kBlankClass ? FalhaComNome(Mensagens().somenteEspacos) : Falha{};
  if (value.empty() || value == kOitoEspacos) return somenteEspacos;
  if (const std::string* erro = ErroDeData(value, classes == kDigitClass)) return FalhaSemNome(*erro);
  return somenteEspacos;
}

// A field of no known type: only a value of blanks only fails.
Falha FalhaSomenteEspacos(std::string_view value) {
  if (!value.empty() && ClassMaskOf(value) == kBlankClass) return FalhaComNome(Mensagens().somenteEspacos);
  return {};
}

// The rule of the field's type, with the blanks-only message where it can stand. In
// a text field a value of blanks only always differs from its trimmed form or holds
// a non-digit, and in a numeric field it fails the character test: their messages
// replace the blanks-only one.
Falha FalhaDoTipo(std::string_view value, const FieldPlan& field) {
  switch (field.typeRule) {
    case TypeRule::kText:
      if (DiffersFromTrimmed(value)) return FalhaComNome(Mensagens().espacosInicioFinal);
      return {};
    case TypeRule::kDigitsOnly:
      if (!IsAllDigits(value)) return FalhaComNome(Mensagens().caracteresCampo);
      return {};
    case TypeRule::kNumeric:
      return FalhaNumerica(value, field);
    case TypeRule::kDate:
      return FalhaDeData(value);
    case TypeRule::kNone:
      return FalhaSomenteEspacos(value);
  }
  __builtin_unreachable();  // the plan holds one of the rules above
}

// Length, then type: a value longer than the field's limit is not looked at further.
Falha FalhaDoCampo(std::string_view value, const FieldPlan& field) {
  if (value.size() > field.limit) return FalhaComNome(Mensagens().tamanhoCampo);
  return FalhaDoTipo(value, field);
}

// Every step for one field. False when the holder type ends the check of the record.
inline bool JudgeField(std::string_view value, const FieldPlan& plan, const std::string& name,
                       std::string& MensagemErro) {
  if (plan.nameRule && !ValidaRegrasDoNome(value, plan, MensagemErro)) return false;
  const Falha falha = FalhaDoCampo(value, plan);
  if (falha.texto != nullptr) SetMessage(MensagemErro, falha, name);
  return true;
}

}  // namespace

void ValidaCampos(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro) {
  const std::size_t count = layout.plan.size();
  const std::string_view* values = fields.data();
  const FieldPlan* plan = layout.plan.data();
  for (std::size_t i = 0; i < count; ++i) {
    if (!JudgeField(values[i], plan[i], layout.NomesCampos[i], MensagemErro)) return;
  }
}

void ValidaCampo(std::string_view value, std::size_t index, const TLayoutCampos& layout,
                 std::string& MensagemErro) {
  MensagemErro.clear();
  JudgeField(value, layout.plan[index], layout.NomesCampos[index], MensagemErro);
}

bool ValidaRegistro(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro) {
  MensagemErro.clear();
  ValidaCampos(fields, layout, MensagemErro);
  return MensagemErro.empty();
}

}  // namespace validador
