// Joining the findings of runs of lines in file order: the later run's line numbers are
// moved past the earlier run's lines, in 64 bits, and what the pre-scan or the run
// would no longer look at is not taken.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "validation/scan/LineFacts.h"

namespace validador {
namespace {

constexpr std::int64_t k2To31 = std::int64_t{1} << 31;
constexpr std::int64_t k2To32 = std::int64_t{1} << 32;

LineFacts Facts(std::int64_t count, std::int64_t wrongBank = 0, std::int64_t wrongLetter = 0,
                std::int64_t fault = 0, std::string message = {}) {
  LineFacts facts;
  facts.count = count;
  facts.firstWrongBank = wrongBank;
  facts.lastWrongLetter = wrongLetter;
  facts.firstFault = fault;
  facts.fault = fault == 0 ? RunFault::None : message.empty() ? RunFault::FieldCount : RunFault::Record;
  facts.MensagemErro = std::move(message);
  return facts;
}

struct JoinCase {
  const char* name;
  std::vector<LineFacts> runs;  // joined in this order
  LineFacts joined;
};

class LineFactsJoin : public ::testing::TestWithParam<JoinCase> {};

TEST_P(LineFactsJoin, NumbersTheLaterLinesAfterTheEarlierOnes) {
  LineFacts joined;
  for (LineFacts run : GetParam().runs) joined.Append(std::move(run));
  const LineFacts& expected = GetParam().joined;
  EXPECT_EQ(joined.count, expected.count);
  EXPECT_EQ(joined.firstWrongBank, expected.firstWrongBank);
  EXPECT_EQ(joined.lastWrongLetter, expected.lastWrongLetter);
  EXPECT_EQ(joined.firstFault, expected.firstFault);
  EXPECT_EQ(joined.fault, expected.fault);
  EXPECT_EQ(joined.MensagemErro, expected.MensagemErro);
  EXPECT_EQ(joined.PreScanLines(), expected.PreScanLines());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, LineFactsJoin,
    ::testing::Values(
        JoinCase{"SmallRuns", {Facts(3), Facts(4, 0, 2), Facts(2, 1)}, Facts(9, 8, 5)},
        JoinCase{"WrongBankPast2To31", {Facts(k2To31 + 3), Facts(10, 4)}, Facts(k2To31 + 13, k2To31 + 7)},
        JoinCase{"WrongLetterPast2To32",
                 {Facts(k2To32 - 1), Facts(1), Facts(5, 0, 2)},
                 Facts(k2To32 + 5, 0, k2To32 + 2)},
        JoinCase{"RecordFaultPast2To32",
                 {Facts(3'000'000'000), Facts(k2To32), Facts(9, 0, 0, 5, "Dia inv\xE1lido")},
                 Facts(3'000'000'009 + k2To32, 0, 0, 3'000'000'005 + k2To32, "Dia inv\xE1lido")},
        JoinCase{"FieldCountFaultPast2To31", {Facts(k2To31), Facts(1, 0, 0, 1)},
                 Facts(k2To31 + 1, 0, 0, k2To31 + 1)},
        JoinCase{"NothingPastAWrongBankCounts",
                 {Facts(k2To31, 7), Facts(5, 2, 3)},
                 Facts(k2To31 + 5, 7, 0)},
        JoinCase{"OnlyTheFirstFaultCounts",
                 {Facts(k2To32, 0, 0, 9, "Dia inv\xE1lido"), Facts(5, 0, 0, 1, "M\xEAs inv\xE1lido")},
                 Facts(k2To32 + 5, 0, 0, 9, "Dia inv\xE1lido")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace validador
