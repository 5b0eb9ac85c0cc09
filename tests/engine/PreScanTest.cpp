// The pre-scan: line count, wrong-letter marker and bank marker, as the driver's one read
// of a file finds them.

#include "engine/EngineFixture.h"

namespace validador {
namespace {

struct PreScanCase {
  const char* name;
  RecordTypeIndex type;
  std::string bytes;
  std::int64_t lines;
  std::int64_t lastWrongLetter;  // 0: none
  std::int64_t firstWrongBank;   // 0: none
};

// The pre-scan's findings of the file's check.
PreScanResult PreScanOf(Carga& carga, const std::string& path, RecordTypeIndex type) {
  carga.ProcessaArquivo(path, type);
  EXPECT_FALSE(carga.Veredictos.empty());
  return carga.Veredictos.empty() ? PreScanResult{} : carga.Veredictos.back().preScan;
}

class PreScanTest : public EngineTest, public ::testing::WithParamInterface<PreScanCase> {};

TEST_P(PreScanTest, CountsAndMarks) {
  const auto& c = GetParam();
  delivery.WriteFile(c.type, c.bytes);
  const std::string path = delivery.PathOf(c.type);
  const PreScanResult scan = PreScanOf(carga, path, c.type);
  EXPECT_EQ(scan.lineCount, c.lines);
  EXPECT_EQ(scan.lastWrongLetterLine, c.lastWrongLetter);
  EXPECT_EQ(scan.firstWrongBankLine, c.firstWrongBank);
  EXPECT_EQ(hooks.events, (std::vector<std::string>{"FileStarted " + path, "PreScanStarted",
                                                    "PreScanFinished", "FileFinished"}));
}

const std::string kY = "Y\t001\t1\tx";

INSTANTIATE_TEST_SUITE_P(
    Files, PreScanTest,
    ::testing::Values(
        PreScanCase{"Empty", rtY, "", 0, 0, 0},
        PreScanCase{"CtrlZFirst", rtY, "\x1A" + kY, 0, 0, 0},
        PreScanCase{"OneLineBreak", rtY, "\r\n", 1, 0, 1},
        PreScanCase{"AllGood", rtY, kY + "\r\n" + kY + "\r\n" + kY, 3, 0, 0},
        PreScanCase{"LettersOnTwoAndFive", rtY,
                    kY + "\r\nX\t001\r\n" + kY + "\r\n" + kY + "\r\nZ\t001\r\n" + kY + "\r\n", 6, 5, 0},
        PreScanCase{"LetterTwoBankFourStopsReading", rtY,
                    kY + "\r\nX\t001\r\n" + kY + "\r\nY\t002\r\nX\t001\r\n", 4, 2, 4},
        PreScanCase{"LetterAndBankOnTheSameLine", rtY, kY + "\r\n" + kY + "\r\nX\t002\r\n", 3, 0, 3},
        PreScanCase{"ShortLineFailsTheBank", rtY, kY + "\r\nY\t0\r\n", 2, 0, 2},
        PreScanCase{"LoneLineFeedsMakeOneLine", rtY, kY + "\n" + kY + "\n" + kY, 1, 0, 0},
        PreScanCase{"CtrlZEndsTheCount", rtY, kY + "\r\n" + kY + "\x1A\r\nX", 2, 0, 0},
        PreScanCase{"IdentificationSkipsTheBank", rtI, "I\t999\r\nI\tabc\r\nJ", 3, 3, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The driver's order of findings: a wrong letter wins, then a file with no line, then a
// wrong bank number.
TEST(PreScanVerdictTest, WeighsTheFindingsInOrder) {
  EXPECT_EQ((PreScanResult{4, 2, 4}.Verdict()), PreScanVerdict::WrongLetter);
  EXPECT_EQ((PreScanResult{0, 0, 0}.Verdict()), PreScanVerdict::NoLines);
  EXPECT_EQ((PreScanResult{3, 0, 3}.Verdict()), PreScanVerdict::WrongBank);
  EXPECT_EQ((PreScanResult{3, 0, 0}.Verdict()), PreScanVerdict::Ready);
}

TEST_F(EngineTest, BankComparisonUsesTheWholeTypedText) {
  delivery.WriteFile(rtY, "Y\t00123\r\n");
  carga.edtNrBanco = "00";  // fewer than three characters never match
  EXPECT_EQ(PreScanOf(carga, delivery.PathOf(rtY), rtY).firstWrongBankLine, 1);
  carga.edtNrBanco = "001";
  EXPECT_EQ(PreScanOf(carga, delivery.PathOf(rtY), rtY).firstWrongBankLine, 0);
}

}  // namespace
}  // namespace validador
