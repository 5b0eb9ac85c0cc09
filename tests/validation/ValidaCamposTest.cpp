#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "validation/RecordSamples.h"
#include "validation/rules/ValidaCampos.h"

namespace validador {
namespace {

using samples::Change;
using samples::CheckWith;
using samples::LayoutOf;
using namespace samples::msg;

class ValidRecords : public ::testing::TestWithParam<RecordTypeIndex> {};

TEST_P(ValidRecords, PassWithAnEmptyMessage) { EXPECT_EQ(CheckWith(GetParam(), {}), ""); }

std::string LetterOf(RecordTypeIndex type) { return std::string(1, LayoutCatalogue::Instance().LetraTipo(type)); }

INSTANTIATE_TEST_SUITE_P(AllTypes, ValidRecords, ::testing::Values(rtA, rtB, rtC, rtE, rtI, rtO, rtT, rtY),
                         [](const auto& info) { return LetterOf(info.param); });

struct RuleCase {
  const char* name;
  RecordTypeIndex type;
  std::vector<Change> changes;
  std::string message;
};

class FieldRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(FieldRules, GiveTheMessage) {
  EXPECT_EQ(CheckWith(GetParam().type, GetParam().changes), GetParam().message);
}

const std::string kChars51(51, 'x');
const std::string kChars50(50, 'x');

INSTANTIATE_TEST_SUITE_P(
    NatureOfEntry, FieldRules,
    ::testing::Values(RuleCase{"CapitalCPasses", rtE, {{10, "C"}}, ""},
                      RuleCase{"CapitalDPasses", rtO, {{17, "D"}}, ""},
                      RuleCase{"LowerCaseC", rtE, {{10, "c"}}, kNatureza},
                      RuleCase{"Empty", rtE, {{10, ""}}, kNatureza},
                      RuleCase{"OtherLetterInO", rtO, {{17, "X"}}, kNatureza},
                      RuleCase{"BlankEndsWithTrimMessage", rtE, {{10, " "}}, kEspacos + " natureza_lancamento"},
                      RuleCase{"TooLongEndsWithLengthMessage", rtO, {{17, "CD"}}, kTamanho + " natureza_lancamento"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    AccountType, FieldRules,
    ::testing::Values(RuleCase{"OnePasses", rtE, {{4, "1"}}, ""},
                      RuleCase{"FourPasses", rtB, {{5, "4"}}, ""},
                      RuleCase{"ZeroFails", rtE, {{4, "0"}}, kTipoConta},
                      RuleCase{"FiveFails", rtT, {{5, "5"}}, kTipoConta},
                      RuleCase{"NamedTipoContaInO", rtO, {{4, "9"}}, kTipoConta},
                      RuleCase{"EmptyTextField", rtE, {{4, ""}}, kTipoConta},
                      RuleCase{"LetterInTextFieldOfB", rtB, {{5, "a"}}, kTipoConta},
                      RuleCase{"EmptyNumericFieldOfC", rtC, {{4, ""}}, kNumericoVazio},
                      RuleCase{"LetterInNumericFieldOfC", rtC, {{4, "a"}}, kCaracteresNumerico + " tipo_de_conta"},
                      RuleCase{"FiveInNumericFieldOfC", rtC, {{4, "5"}}, kTipoConta},
                      RuleCase{"ZeroInNumericFieldOfC", rtC, {{4, "0"}}, kTipoConta},
                      RuleCase{"SignedOneIsTooLong", rtE, {{4, "+1"}}, kTamanho + " tipo_de_conta"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    HolderType, FieldRules,
    ::testing::Values(RuleCase{"DigitPasses", rtB, {{6, "9"}}, ""},
                      RuleCase{"LPasses", rtT, {{6, "L"}}, ""},
                      RuleCase{"OPasses", rtB, {{6, "O"}}, ""},
                      RuleCase{"PPasses", rtB, {{6, "P"}}, ""},
                      RuleCase{"RPasses", rtB, {{6, "R"}}, ""},
                      RuleCase{"XFails", rtB, {{6, "X"}}, kTipoTitular},
                      RuleCase{"LowerCaseFails", rtT, {{6, "l"}}, kTipoTitular},
                      RuleCase{"EmptyFails", rtB, {{6, ""}}, kTipoTitular},
                      RuleCase{"StopsTheRecord", rtB, {{6, "X"}, {12, "32012000"}, {22, "a"}}, kTipoTitular},
                      RuleCase{"ReplacesAnEarlierFailure", rtT, {{3, "12a"}, {6, "X"}}, kTipoTitular},
                      RuleCase{"LongValueFailsOnLength", rtB, {{6, "LL"}}, kTamanho + " tipo_de_titular"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LastFailureWins, FieldRules,
    ::testing::Values(RuleCase{"LaterFieldReplaces", rtE, {{1, "0a1"}, {9, "100"}}, kNumericoVazio},
                      RuleCase{"PassingFieldDoesNotClear", rtE, {{1, "0 1"}, {2, "0002"}},
                               kCaracteresCampo + " num_banco"},
                      RuleCase{"AccountThenTypeRuleOfTheSameField", rtC, {{4, " "}},
                               kCaracteresNumerico + " tipo_de_conta"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Length, FieldRules,
    ::testing::Values(RuleCase{"AtTheLimit", rtA, {{3, kChars50}}, ""},
                      RuleCase{"OneMore", rtA, {{3, kChars51}}, kTamanho + " nome_da_agencia"},
                      RuleCase{"NameWithoutBlank", rtA, {{4, std::string(81, 'r')}}, kTamanho + "endereco_agencia"},
                      RuleCase{"TypeRuleSkipped", rtE, {{9, std::string(19, '1')}}, kTamanho + " valor_lancamento"},
                      RuleCase{"LastNameOfTheIdentificationList", rtI, {{15, std::string(11, '1')}},
                               kTamanho + " y_qtde_reg"},
                      RuleCase{"BytesAreCounted", rtA, {{6, "\xC7\xC3"}}, ""},
                      RuleCase{"DateOfNine", rtA, {{11, "010120001"}}, kTamanho + "data_abertura_agencia"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    BlanksOnly, FieldRules,
    ::testing::Values(RuleCase{"TextField", rtA, {{3, "   "}}, kEspacos + " nome_da_agencia"},
                      RuleCase{"OneBlankInOneCharField", rtB, {{8, " "}}, kEspacos + "tipo_pessoa_titular"},
                      RuleCase{"DigitsOnlyField", rtA, {{1, "   "}}, kCaracteresCampo + " numero_banco"},
                      RuleCase{"NumericField", rtE, {{8, "  "}}, kCaracteresNumerico + "num_documento"},
                      RuleCase{"DateOfEightBlanks", rtA, {{11, "        "}},
                               kSomenteEspacos + "data_abertura_agencia"},
                      RuleCase{"DateOfThreeBlanks", rtA, {{12, "   "}}, kTamanhoData},
                      RuleCase{"DateOfSevenBlanks", rtC, {{5, "       "}}, kCaracteresData}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TextFields, FieldRules,
    ::testing::Values(RuleCase{"LeadingBlank", rtA, {{3, " x"}}, kEspacos + " nome_da_agencia"},
                      RuleCase{"TrailingBlank", rtY, {{3, "x "}}, kEspacos + " descricao_observacao"},
                      RuleCase{"TrailingTabByte", rtY, {{2, "x\x09"}}, kEspacos + " codigo_observacao"},
                      RuleCase{"LeadingControlByte", rtO, {{18, "\x01x"}}, kEspacos + " observacoes"},
                      RuleCase{"InnerBlanksPass", rtA, {{3, "a  b"}}, ""},
                      RuleCase{"NonBreakingSpaceIsNotTrimmed", rtA, {{3, "\xA0x\xA0"}}, ""},
                      RuleCase{"EmptyPasses", rtO, {{18, ""}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DigitsOnly, FieldRules,
    ::testing::Values(RuleCase{"Letter", rtE, {{5, "12a"}}, kCaracteresCampo + "codigo_chave_extrato"},
                      RuleCase{"FullStop", rtB, {{3, "12.3"}}, kCaracteresCampo + " num_conta"},
                      RuleCase{"Hyphen", rtC, {{2, "12-3"}}, kCaracteresCampo + " num_agencia"},
                      RuleCase{"BankNumberOfI", rtI, {{2, "0a1"}}, kCaracteresCampo + " num_banco"},
                      RuleCase{"BlankAroundBankNumber", rtY, {{1, " 01"}}, kCaracteresCampo + " num_banco"},
                      RuleCase{"AgencyOfA", rtA, {{2, "0O01"}}, kCaracteresCampo + " numero_agencia"},
                      RuleCase{"EmptyPasses", rtO, {{5, ""}}, ""},
                      RuleCase{"SimilarNameIsOrdinaryText", rtO, {{13, "0a01"}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NumericFields, FieldRules,
    ::testing::Values(RuleCase{"HyphenSlashCommaPass", rtE, {{8, "12-3/4,5"}}, ""},
                      RuleCase{"AccentedLetterPasses", rtE, {{8, "\xE7"}}, ""},
                      RuleCase{"FullStop", rtE, {{8, "1.5"}}, kCaracteresNumerico + "num_documento"},
                      RuleCase{"Letter", rtI, {{10, "1e3"}}, kCaracteresNumerico + "c_qtde_reg"},
                      RuleCase{"EmptyFails", rtI, {{8, ""}}, kNumericoVazio},
                      RuleCase{"EmptyFailsInE", rtE, {{8, ""}}, kNumericoVazio}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    MoneyFields, FieldRules,
    ::testing::Values(RuleCase{"CommaPasses", rtE, {{9, "100,50"}}, ""},
                      RuleCase{"CommaAlonePasses", rtO, {{16, ","}}, ""},
                      RuleCase{"WithoutComma", rtE, {{9, "100"}}, kNumericoVazio},
                      RuleCase{"WithoutCommaInO", rtO, {{16, "100"}}, kNumericoVazio},
                      RuleCase{"Empty", rtO, {{16, ""}}, kNumericoVazio},
                      RuleCase{"FullStop", rtE, {{9, "100.50"}}, kCaracteresNumerico + " valor_lancamento"},
                      RuleCase{"FullStopInO", rtO, {{16, "1.000,00"}}, kCaracteresNumerico + "valor_documento"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    IncomeFields, FieldRules,
    ::testing::Values(RuleCase{"EmptyPassesInB22", rtB, {{22, ""}}, ""},
                      RuleCase{"EmptyPassesInB24And26", rtB, {{24, ""}, {26, ""}}, ""},
                      RuleCase{"LetterStillFailsInB", rtB, {{26, "a"}}, kCaracteresNumerico + "renda03_titular"},
                      RuleCase{"EmptyFailsInT22", rtT, {{22, ""}}, kNumericoVazio},
                      RuleCase{"EmptyFailsInT26", rtT, {{26, ""}}, kNumericoVazio},
                      RuleCase{"WithoutCommaPassesInT", rtT, {{24, "100"}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DateFields, FieldRules,
    ::testing::Values(RuleCase{"Letter", rtA, {{11, "0101200a"}}, kCaracteresData},
                      RuleCase{"LetterOfHexPrefix", rtC, {{6, "x1012007"}}, kCaracteresData},
                      RuleCase{"EmptyPasses", rtB, {{12, ""}}, ""},
                      RuleCase{"BadDay", rtE, {{7, "29022007"}}, kDia},
                      RuleCase{"BadMonth", rtT, {{27, "01132007"}}, kMes},
                      RuleCase{"SixDigits", rtI, {{4, "010107"}}, kTamanhoData},
                      RuleCase{"SevenCharsPass", rtC, {{5, "1052007"}}, ""},
                      RuleCase{"Slashes", rtA, {{12, "01/01/07"}}, kCaracteresData},
                      RuleCase{"BlankAfterDigit", rtE, {{7, "1 012007"}}, kCaracteresData},
                      RuleCase{"Comma", rtB, {{23, "01,12007"}}, kCaracteresData},
                      RuleCase{"LeadingBlankPartIsAnInteger", rtC, {{5, " 1012007"}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Where each rule tied to a name or a table applies, by record type and position.
struct BindingCase {
  RecordTypeIndex type;
  std::set<std::size_t> natureza, tipoConta, tipoTitular, digitsOnly, money, emptyNumeric;
};

class NameBoundRules : public ::testing::TestWithParam<BindingCase> {};

TEST_P(NameBoundRules, ApplyAtTheseFieldsOnly) {
  const BindingCase& c = GetParam();
  const TLayoutCampos& layout = LayoutOf(c.type);
  ASSERT_EQ(layout.plan.size(), layout.NomesCampos.size());
  for (std::size_t i = 0; i < layout.plan.size(); ++i) {
    const auto& field = layout.plan[i];
    SCOPED_TRACE("field " + std::to_string(i) + " '" + layout.NomesCampos[i] + "'");
    EXPECT_EQ(field.naturezaLancamento, c.natureza.count(i) == 1);
    EXPECT_EQ(field.tipoConta, c.tipoConta.count(i) == 1);
    EXPECT_EQ(field.tipoTitular, c.tipoTitular.count(i) == 1);
    EXPECT_EQ(field.digitsOnly, c.digitsOnly.count(i) == 1);
    EXPECT_EQ(field.money, c.money.count(i) == 1);
    EXPECT_EQ(field.emptyNumericAllowed, c.emptyNumeric.count(i) == 1);
    EXPECT_EQ(std::to_string(field.limit), layout.TamanhosCampos[i]);
    EXPECT_EQ(std::string(1, field.code), layout.TiposCampos[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, NameBoundRules,
    ::testing::Values(BindingCase{rtA, {}, {}, {}, {1, 2}, {}, {}},
                      BindingCase{rtB, {}, {5}, {6}, {1, 2, 3}, {}, {22, 23, 24, 25, 26, 27}},
                      BindingCase{rtC, {}, {4}, {}, {1, 2, 3}, {}, {}},
                      BindingCase{rtE, {10}, {4}, {}, {1, 2, 3, 5}, {9}, {}},
                      BindingCase{rtI, {}, {}, {}, {2}, {}, {}},
                      BindingCase{rtO, {17}, {4}, {}, {1, 2, 3, 5}, {16}, {}},
                      BindingCase{rtT, {}, {5}, {6}, {1, 2, 3}, {}, {}},
                      BindingCase{rtY, {}, {}, {}, {1}, {}, {}}),
    [](const auto& info) { return LetterOf(info.param.type); });

TEST(ValidaRegistro, StartsFromAnEmptyMessage) {
  TRetorno fields(35);
  const samples::Values values = samples::ValidRecord(rtY);
  std::copy(values.begin(), values.end(), fields.begin());
  std::string MensagemErro = "left over";
  EXPECT_TRUE(ValidaRegistro(fields, LayoutOf(rtY), MensagemErro));
  EXPECT_EQ(MensagemErro, "");
}

TEST(MontaListasLayout, NamesTableAndArraysOfTheType) {
  const TLayoutCampos layout = MontaListasLayout(rtE);
  EXPECT_EQ(layout.type, rtE);
  EXPECT_EQ(layout.NomeTabela, "E_extrato_bancario");
  ASSERT_EQ(layout.NomesCampos.size(), 11u);
  EXPECT_EQ(layout.TiposCampos.size(), 11u);
  EXPECT_EQ(layout.TamanhosCampos.size(), 11u);
  EXPECT_EQ(layout.NomesCampos[9], " valor_lancamento");
  EXPECT_EQ(layout.TiposCampos[7], "D");
  EXPECT_EQ(layout.TamanhosCampos[6], "50");
}

}  // namespace
}  // namespace validador
