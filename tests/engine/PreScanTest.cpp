// The pre-scan: line count, wrong-letter marker and bank marker.

#include "engine/EngineFixture.h"

namespace validador {
namespace {

struct PreScanCase {
  const char* name;
  RecordTypeIndex type;
  std::string bytes;
  std::int32_t lines;
  const char* wrongLetter;
  const char* wrongBank;
};

class PreScanTest : public EngineTest, public ::testing::WithParamInterface<PreScanCase> {};

TEST_P(PreScanTest, CountsAndMarks) {
  const auto& c = GetParam();
  delivery.WriteFile(c.type, c.bytes);
  carga.FEdit = delivery.PathOf(c.type);
  std::string wrongLetter, wrongBank;
  EXPECT_EQ(carga.ContaLinhas(c.type, wrongLetter, wrongBank), c.lines);
  EXPECT_EQ(wrongLetter, c.wrongLetter);
  EXPECT_EQ(wrongBank, c.wrongBank);
  EXPECT_EQ(hooks.cursors, (std::vector<CursorKind>{CursorKind::DatabaseWait, CursorKind::Normal}));
}

const std::string kY = "Y\t001\t1\tx";

INSTANTIATE_TEST_SUITE_P(
    Files, PreScanTest,
    ::testing::Values(
        PreScanCase{"Empty", rtY, "", 0, "-1", "0"},
        PreScanCase{"CtrlZFirst", rtY, "\x1A" + kY, 0, "-1", "0"},
        PreScanCase{"OneLineBreak", rtY, "\r\n", 1, "0", "1"},
        PreScanCase{"AllGood", rtY, kY + "\r\n" + kY + "\r\n" + kY, 3, "0", "0"},
        PreScanCase{"LettersOnTwoAndFive", rtY,
                    kY + "\r\nX\t001\r\n" + kY + "\r\n" + kY + "\r\nZ\t001\r\n" + kY + "\r\n", 6, "5",
                    "0"},
        PreScanCase{"LetterTwoBankFourStopsReading", rtY,
                    kY + "\r\nX\t001\r\n" + kY + "\r\nY\t002\r\nX\t001\r\n", 4, "2", "4"},
        PreScanCase{"LetterAndBankOnTheSameLine", rtY, kY + "\r\n" + kY + "\r\nX\t002\r\n", 3, "0", "3"},
        PreScanCase{"ShortLineFailsTheBank", rtY, kY + "\r\nY\t0\r\n", 2, "0", "2"},
        PreScanCase{"LoneLineFeedsMakeOneLine", rtY, kY + "\n" + kY + "\n" + kY, 1, "0", "0"},
        PreScanCase{"CtrlZEndsTheCount", rtY, kY + "\r\n" + kY + "\x1A\r\nX", 2, "0", "0"},
        PreScanCase{"IdentificationSkipsTheBank", rtI, "I\t999\r\nI\tabc\r\nJ", 3, "3", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, BankComparisonUsesTheWholeTypedText) {
  delivery.WriteFile(rtY, "Y\t00123\r\n");
  carga.FEdit = delivery.PathOf(rtY);
  std::string wrongLetter, wrongBank;
  carga.edtNrBanco = "00";  // fewer than three characters never match
  carga.ContaLinhas(rtY, wrongLetter, wrongBank);
  EXPECT_EQ(wrongBank, "1");
  carga.edtNrBanco = "001";
  carga.ContaLinhas(rtY, wrongLetter, wrongBank);
  EXPECT_EQ(wrongBank, "0");
}

}  // namespace
}  // namespace validador
