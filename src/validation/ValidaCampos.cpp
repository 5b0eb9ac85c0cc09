#include "validation/ValidaCampos.h"

#include "layout/StrToInt.h"
#include "validation/CharClasses.h"
#include "validation/ErroDeData.h"
#include "validation/MensagensCampos.h"

namespace validador {
namespace {

using FieldPlan = TLayoutCampos::FieldPlan;
using TypeRule = TLayoutCampos::TypeRule;

constexpr std::string_view kOitoEspacos = "        ";

// Setting a message is the rare way out of a rule: kept out of the rules' code
// (cold), and the messages are looked up only then.
[[gnu::cold, gnu::noinline]] void SetMessage(std::string& MensagemErro, const std::string& text) {
  MensagemErro.assign(text);
}

[[gnu::cold, gnu::noinline]] void SetMessage(std::string& MensagemErro, const std::string& text,
                                             const std::string& name) {
  MensagemErro.assign(text);
  MensagemErro.append(name);
}

bool NaturezaValida(std::string_view value) { return value == "C" || value == "D"; }

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

// Steps 1 to 3, the rules tied to a field's name. False when the holder type ends
// the check of the record.
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
void ValidaNumerico(std::string_view value, const FieldPlan& field, const std::string& name,
                    std::string& MensagemErro) {
  const NumericBytes bytes = NumericBytesOf(value);
  if (bytes.letterStopOrBlank) {
    SetMessage(MensagemErro, Mensagens().caracteresNumerico, name);
    return;
  }
  if (!value.empty() && !field.money) return;
  if (bytes.comma) return;
  if (field.emptyNumericAllowed) return;
  SetMessage(MensagemErro, Mensagens().numericoVazio);
}

// The classes of a date's bytes; a date of digits only (nearly every one) is
// told without the class table.
std::uint8_t DateClassesOf(std::string_view value) {
  if (IsAllDigits(value)) return value.empty() ? 0 : kDigitClass;
  return ClassMaskOf(value);
}

// A date field. Only here can the blanks-only message of step 5 stand: eight
// blanks end the date rule; other blanks fail its size or its conversion.
void ValidaCampoData(std::string_view value, const std::string& name, std::string& MensagemErro) {
  const std::uint8_t classes = DateClassesOf(value);
  if (classes == kBlankClass) SetMessage(MensagemErro, Mensagens().somenteEspacos, name);
  if ((classes & kLetterClass) != 0) {
    SetMessage(MensagemErro, Mensagens().caracteresData);
    return;
  }
  if (value.empty() || value == kOitoEspacos) return;
  if (const std::string* erro = ErroDeData(value, classes == kDigitClass)) SetMessage(MensagemErro, *erro);
}

// Step 6, with step 5 where it can stand. In a text field a value of blanks only
// always differs from its trimmed form or holds a non-digit, and in a numeric field
// it fails the character test: their messages replace the blanks-only one.
void ValidaTipo(std::string_view value, const FieldPlan& field, const std::string& name, std::string& MensagemErro) {
  switch (field.typeRule) {
    case TypeRule::kText:
      if (DiffersFromTrimmed(value)) SetMessage(MensagemErro, Mensagens().espacosInicioFinal, name);
      break;
    case TypeRule::kDigitsOnly:
      if (!IsAllDigits(value)) SetMessage(MensagemErro, Mensagens().caracteresCampo, name);
      break;
    case TypeRule::kNumeric:
      ValidaNumerico(value, field, name, MensagemErro);
      break;
    case TypeRule::kDate:
      ValidaCampoData(value, name, MensagemErro);
      break;
    case TypeRule::kNone:
      if (!value.empty() && ClassMaskOf(value) == kBlankClass) {
        SetMessage(MensagemErro, Mensagens().somenteEspacos, name);
      }
      break;
  }
}

}  // namespace

void ValidaCampos(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro) {
  const std::size_t count = layout.plan.size();
  const std::string_view* values = fields.data();
  const FieldPlan* plan = layout.plan.data();
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view value = values[i];
    const FieldPlan& field = plan[i];
    if (field.nameRule && !ValidaRegrasDoNome(value, field, MensagemErro)) return;
    if (value.size() > field.limit) {
      SetMessage(MensagemErro, Mensagens().tamanhoCampo, layout.NomesCampos[i]);
      continue;
    }
    ValidaTipo(value, field, layout.NomesCampos[i], MensagemErro);
  }
}

bool ValidaRegistro(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro) {
  MensagemErro.clear();
  ValidaCampos(fields, layout, MensagemErro);
  return MensagemErro.empty();
}

}  // namespace validador
