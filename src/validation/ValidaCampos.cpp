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

bool IsBlanksOnly(std::string_view value) {
  return !value.empty() && value.front() == ' ' && IsAllOf(value, kBlankClass);
}

bool DiffersFromTrimmed(std::string_view value) {
  return !value.empty() && (IsTrimmedAway(value.front()) || IsTrimmedAway(value.back()));
}

void ValidaTexto(std::string_view value, const FieldPlan& field, std::string_view name,
                 const MensagensCampos& mensagens, std::string& MensagemErro) {
  if (field.digitsOnly) {
    if (!IsAllDigits(value)) SetMessage(MensagemErro, mensagens.caracteresCampo, name);
  } else if (DiffersFromTrimmed(value)) {
    SetMessage(MensagemErro, mensagens.espacosInicioFinal, name);
  }
}

void ValidaNumerico(std::string_view value, const FieldPlan& field, std::string_view name,
                    const MensagensCampos& mensagens, std::string& MensagemErro) {
  if (HasAnyOf(value, kLetterClass | kFullStopClass | kBlankClass)) {
    SetMessage(MensagemErro, mensagens.caracteresNumerico, name);
    return;
  }
  if (!value.empty() && !field.money) return;
  if (value.find(',') != std::string_view::npos) return;
  if (field.emptyNumericAllowed) return;
  SetMessage(MensagemErro, mensagens.numericoVazio);
}

void ValidaCampoData(std::string_view value, const MensagensCampos& mensagens, std::string& MensagemErro) {
  if (HasAnyOf(value, kLetterClass)) {
    SetMessage(MensagemErro, mensagens.caracteresData);
    return;
  }
  if (value.empty() || value == kOitoEspacos) return;
  if (const std::string* erro = ErroDeData(value)) SetMessage(MensagemErro, *erro);
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
      ValidaCampoData(value, mensagens, MensagemErro);
      break;
    default:
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
    if (IsBlanksOnly(value)) SetMessage(MensagemErro, mensagens.somenteEspacos, name);
    ValidaTipo(value, field, name, mensagens, MensagemErro);
  }
}

bool ValidaRegistro(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro) {
  MensagemErro.clear();
  ValidaCampos(fields, layout, MensagemErro);
  return MensagemErro.empty();
}

}  // namespace validador
