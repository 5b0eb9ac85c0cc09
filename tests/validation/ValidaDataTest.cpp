#include <gtest/gtest.h>

#include <string>

#include "validation/RecordSamples.h"
#include "support/TestNames.h"
#include "validation/rules/ValidaCampos.h"

namespace validador {
namespace {

using namespace samples::msg;

struct DateCase {
  const char* value;
  std::string message;
};

class ValidaDataCases : public ::testing::TestWithParam<DateCase> {};

TEST_P(ValidaDataCases, GivesTheMessage) {
  EXPECT_EQ(ValidaData(GetParam().value), GetParam().message) << '\'' << GetParam().value << '\'';
}

std::string DateCaseName(const ::testing::TestParamInfo<DateCase>& info) {
  return testsupport::CaseName(info.index, info.param.value);
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, ValidaDataCases,
    ::testing::Values(DateCase{"29022008", ""}, DateCase{"29022000", ""}, DateCase{"29022007", kDia},
                      DateCase{"29021900", kDia}, DateCase{"28021900", ""}, DateCase{"30022000", kDia},
                      DateCase{"31012007", ""}, DateCase{"32012007", kDia}, DateCase{"30042007", ""},
                      DateCase{"31042007", kDia}, DateCase{"31062007", kDia}, DateCase{"31092007", kDia},
                      DateCase{"31112007", kDia}, DateCase{"31122007", ""}, DateCase{"31082007", ""},
                      DateCase{"01132007", kMes}, DateCase{"99132007", kMes}, DateCase{"00992007", kMes},
                      DateCase{"99002007", ""}, DateCase{"00012007", ""}, DateCase{"00002007", ""},
                      DateCase{"15060000", ""}, DateCase{"29020000", ""}),
    DateCaseName);

INSTANTIATE_TEST_SUITE_P(
    Lengths, ValidaDataCases,
    ::testing::Values(DateCase{"", kTamanhoData}, DateCase{"1", kTamanhoData}, DateCase{"010107", kTamanhoData},
                      DateCase{"1052007", ""}, DateCase{"9122007", ""}, DateCase{"3112007", ""},
                      DateCase{"3022007", ""}, DateCase{"0132007", kMes}, DateCase{"9022007", ""},
                      DateCase{"010120077", kTamanhoData}),
    DateCaseName);

// Parts that the integer conversion rejects fail like any other date fault;
// parts that it accepts (leading blank, sign, "$" hex) are numbers.
INSTANTIATE_TEST_SUITE_P(
    Parts, ValidaDataCases,
    ::testing::Values(DateCase{"01/01/07", kCaracteresData}, DateCase{"1/1/2007", kCaracteresData},
                      DateCase{"0 012007", kCaracteresData}, DateCase{"011 2007", kCaracteresData},
                      DateCase{"0101200 ", kCaracteresData}, DateCase{"  012007", kCaracteresData},
                      DateCase{"01  2007", kCaracteresData}, DateCase{"0101    ", kCaracteresData},
                      DateCase{"01,12007", kCaracteresData}, DateCase{"0x012007", kCaracteresData},
                      DateCase{"\xE7" "1012007", kCaracteresData}, DateCase{"--012007", kCaracteresData},
                      DateCase{" 1012007", ""}, DateCase{"01 12007", ""}, DateCase{"0101 207", ""},
                      DateCase{"+1012007", ""}, DateCase{"-1012007", ""}, DateCase{"0101-200", ""},
                      DateCase{"$1012007", ""}, DateCase{"01$C2007", ""}, DateCase{"$F022007", ""},
                      DateCase{"01$D2007", kMes}),
    DateCaseName);

TEST(ValidaDataMessages, AreTheseBytes) {
  EXPECT_EQ(ValidaData("01"), "Tamanho de data inv\xE1lido");
  EXPECT_EQ(ValidaData("01132007"), "M\xEAs inv\xE1lido");
  EXPECT_EQ(ValidaData("32012007"), "Dia inv\xE1lido");
  EXPECT_EQ(ValidaData("01/01/07"), "Caracteres em campo de data");
}

}  // namespace
}  // namespace validador
