#include <array>
#include <string_view>

#include "base/StrToInt.h"
#include "validation/rules/ValidaCampos.h"

namespace validador {
namespace {

using namespace std::string_view_literals;

constexpr std::array kNaturezaTabelas = {"E_extrato_bancario"sv, "O_origem_destino_recursos"sv};
constexpr std::array kNaturezaNomes = {" natureza_lancamento"sv, "natureza_lancamento"sv};
constexpr std::array kTipoContaNomes = {" tipo_de_conta"sv, "tipo_de_conta"sv, " tipo_conta"sv,
                                        "tipo_conta"sv};
constexpr std::string_view kTipoTitularNome = " tipo_de_titular";
constexpr std::array kSoDigitosNomes = {" numero_banco"sv, " numero_agencia"sv, " num_banco"sv,
                                        " num_agencia"sv,  " num_conta"sv,      "codigo_chave_extrato"sv};
constexpr std::array kValorNomes = {" valor_lancamento"sv, "valor_documento"sv};
constexpr std::string_view kTabelaRendas = "B_cad_deposit_favorecidos";
constexpr std::size_t kPrimeiraRenda = 22;
constexpr std::size_t kUltimaRenda = 27;

template <std::size_t N>
bool IsOneOf(std::string_view text, const std::array<std::string_view, N>& names) {
  for (const std::string_view name : names) {
    if (text == name) return true;
  }
  return false;
}

char CodeOf(const std::string& tipo) { return tipo.size() == 1 ? tipo[0] : '\0'; }

TLayoutCampos::TypeRule TypeRuleOf(char code, bool digitsOnly) {
  using TypeRule = TLayoutCampos::TypeRule;
  switch (code) {
    case 'S':
      return digitsOnly ? TypeRule::kDigitsOnly : TypeRule::kText;
    case 'N':
      return TypeRule::kNumeric;
    case 'D':
      return TypeRule::kDate;
    default:
      return TypeRule::kNone;
  }
}

TLayoutCampos::FieldPlan PlanFor(const TLayoutCampos& layout, std::size_t i) {
  const std::string& name = layout.NomesCampos[i];
  TLayoutCampos::FieldPlan plan;
  plan.limit = static_cast<std::uint32_t>(StrToInt(layout.TamanhosCampos[i]));  // every length is positive
  plan.code = CodeOf(layout.TiposCampos[i]);
  plan.naturezaLancamento = IsOneOf(layout.NomeTabela, kNaturezaTabelas) && IsOneOf(name, kNaturezaNomes);
  plan.tipoConta = IsOneOf(name, kTipoContaNomes);
  plan.tipoTitular = name == kTipoTitularNome;
  plan.digitsOnly = IsOneOf(name, kSoDigitosNomes);
  plan.money = IsOneOf(name, kValorNomes);
  plan.emptyNumericAllowed = layout.NomeTabela == kTabelaRendas && i >= kPrimeiraRenda && i <= kUltimaRenda;
  plan.nameRule = plan.naturezaLancamento || plan.tipoConta || plan.tipoTitular;
  plan.typeRule = TypeRuleOf(plan.code, plan.digitsOnly);
  return plan;
}

}  // namespace

TLayoutCampos MontaListasLayout(RecordTypeIndex type) {
  const LayoutCatalogue& catalogue = LayoutCatalogue::Instance();
  const int count = catalogue.QtdeCampos(type);
  TLayoutCampos layout;
  layout.type = type;
  layout.NomeTabela = catalogue.NomeTabela(type);
  layout.NomesCampos = SplitLayoutList(catalogue.ListaCampos(type), count);
  layout.TiposCampos = SplitLayoutList(catalogue.ListaTipos(type), count);
  layout.TamanhosCampos = SplitLayoutList(catalogue.ListaTamanhos(type), count);
  layout.plan.reserve(layout.NomesCampos.size());
  for (std::size_t i = 0; i < layout.NomesCampos.size(); ++i) layout.plan.push_back(PlanFor(layout, i));
  return layout;
}

}  // namespace validador
