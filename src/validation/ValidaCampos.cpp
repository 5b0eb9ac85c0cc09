#include "validation/ValidaCampos.h"

#include <utility>

#include "layout/StrToInt.h"
#include "validation/CharClasses.h"
#include "validation/ErroDeData.h"
#include "validation/MensagensCampos.h"

namespace validador {
namespace {

using FieldPlan = TLayoutCampos::FieldPlan;

constexpr std::string_view kOitoEspacos = "        ";

void SetMessage(std::string& MensagemErro, const std::string& text) { MensagemErro.assign(text); }

void SetMessage(std::string& MensagemErro, const std::string& text, std::string_view name) {
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

// A text field. Its value of blanks only (step 5) always differs from its trimmed
// form or holds a non-digit, so this step's message replaces that one: no need to
// look for blanks only first.
void ValidaTexto(std::string_view value, const FieldPlan& field, std::string_view name,
                 const MensagensCampos& mensagens, std::string& MensagemErro) {
  if (field.digitsOnly) {
    if ((ClassMaskOf(value) & ~kDigitClass) != 0) SetMessage(MensagemErro, mensagens.caracteresCampo, name);
  } else if (DiffersFromTrimmed(value)) {
    SetMessage(MensagemErro, mensagens.espacosInicioFinal, name);
  }
}

// A numeric field. A blank fails the character test, which replaces the message of
// a value of blanks only.
void ValidaNumerico(std::string_view value, const FieldPlan& field, std::string_view name,
                    const MensagensCampos& mensagens, std::string& MensagemErro) {
  const std::uint8_t classes = ClassMaskOf(value);
  if ((classes & (kLetterClass | kFullStopClass | kBlankClass)) != 0) {
    SetMessage(MensagemErro, mensagens.caracteresNumerico, name);
    return;
  }
  if (!value.empty() && !field.money) return;
  if ((classes & kCommaClass) != 0) return;
  if (field.emptyNumericAllowed) return;
  SetMessage(MensagemErro, mensagens.numericoVazio);
}

// A date field. Only here can the blanks-only message of step 5 stand: eight
// blanks end the date rule; other blanks fail its size or its conversion.
void ValidaCampoData(std::string_view value, std::string_view name, const MensagensCampos& mensagens,
                     std::string& MensagemErro) {
  const std::uint8_t classes = ClassMaskOf(value);
  if (classes == kBlankClass) SetMessage(MensagemErro, mensagens.somenteEspacos, name);
  if ((classes & kLetterClass) != 0) {
    SetMessage(MensagemErro, mensagens.caracteresData);
    return;
  }
  if (value.empty() || value == kOitoEspacos) return;
  if (const std::string* erro = ErroDeData(value, classes == kDigitClass)) SetMessage(MensagemErro, *erro);
}

void ValidaTipo(std::string_view value, const FieldPlan& field, std::string_view name,
                const MensagensCampos& mensagens, std::string& MensagemErro) {
  switch (field.code) {
    case 'S':
      ValidaTexto(value, field, name, mensagens, MensagemErro);
      break;
    case 'N':
      ValidaNumerico(value, field, name, mensagens, MensagemErro);
      break;
    case 'D':
      ValidaCampoData(value, name, mensagens, MensagemErro);
      break;
    default:
      if (!value.empty() && ClassMaskOf(value) == kBlankClass) {
        SetMessage(MensagemErro, mensagens.somenteEspacos, name);
      }
      break;
  }
}

}  // namespace

void ValidaCampos(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro) {
  const MensagensCampos& mensagens = Mensagens();
  for (std::size_t i = 0; i < layout.plan.size(); ++i) {
    const std::string_view value = fields[i];
    const FieldPlan& field = layout.plan[i];
    const std::string& name = layout.NomesCampos[i];  // read only for a message
    if (field.naturezaLancamento && !NaturezaValida(value)) SetMessage(MensagemErro, mensagens.naturezaLancamento);
    if (field.tipoConta && !TipoContaValido(value)) SetMessage(MensagemErro, mensagens.tipoConta);
    if (field.tipoTitular && !TipoTitularValido(value)) {
      SetMessage(MensagemErro, mensagens.tipoTitular);
      return;
    }
    if (std::cmp_greater(value.size(), field.limit)) {
      SetMessage(MensagemErro, mensagens.tamanhoCampo, name);
      continue;
    }
    ValidaTipo(value, field, name, mensagens, MensagemErro);
  }
}

bool ValidaRegistro(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro) {
  MensagemErro.clear();
  ValidaCampos(fields, layout, MensagemErro);
  return MensagemErro.empty();
}

}  // namespace validador
