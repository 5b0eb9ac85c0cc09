// One verdict per file, handed to the shell as the file is judged: what it says of each file
// is what the log says, and a file passes exactly when the log has no line in the error style
// for it.

#include "engine/EngineFixture.h"

namespace validador {
namespace {

using testsupport::Join;
using testsupport::ValidRecord;

class VerdictHooks : public RecordingHooks {
 public:
  void FileStarted(const std::string& path, RecordTypeIndex type) override {
    RecordingHooks::FileStarted(path, type);
    errorLines.push_back(0);
  }
  void LogLineAdded(const LogLine& line) override {
    RecordingHooks::LogLineAdded(line);
    if (line.style == LogStyle::Error && !errorLines.empty()) ++errorLines.back();
  }
  void FileJudged(const FileVerdict& verdict) override { verdicts.push_back(verdict); }

  std::vector<int> errorLines;  // per file taken up, the error-style lines written for it
  std::vector<FileVerdict> verdicts;
};

class VerdictTest : public ::testing::Test {
 protected:
  VerdictTest() : carga(&hooks) {
    hooks.carga = &carga;
    carga.edtNrCaso = delivery.caso;
    carga.edtNrBanco = delivery.bank;
    carga.dlb1 = delivery.dir.Path().string();
    carga.cbHashIndex = AlgorithmIndex(kDefaultAlgorithm);
    carga.cbHashText = "md5";
  }
  const FileVerdict& VerdictOf(RecordTypeIndex type) const {
    for (const FileVerdict& verdict : hooks.verdicts) {
      if (verdict.type == type) return verdict;
    }
    ADD_FAILURE() << "no verdict for type " << type;
    static const FileVerdict none;
    return none;
  }

  testsupport::Delivery delivery;
  VerdictHooks hooks;
  Carga carga;
};

struct VerdictCase {
  const char* name;
  void (*damage)(testsupport::Delivery& delivery);
  RecordTypeIndex type;
  FileOutcome outcome;
  CountCheck count;
  RunStop stop;
  std::int64_t stopLine;
};

class Verdicts : public VerdictTest, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(Verdicts, SayWhatTheLogSays) {
  const VerdictCase& c = GetParam();
  c.damage(delivery);
  carga.AbreArquivos();
  const FileVerdict& verdict = VerdictOf(c.type);
  EXPECT_EQ(verdict.Outcome(), c.outcome);
  EXPECT_EQ(verdict.count, c.count);
  EXPECT_EQ(verdict.run.stop, c.stop);
  EXPECT_EQ(verdict.run.stopLine, c.stopLine);
  EXPECT_EQ(verdict.nameOnDisk, LayoutCatalogue::Instance().NomeArquivo(c.type));
  // Every file the log reached, in the log's order, passes exactly when it wrote no error line.
  ASSERT_EQ(hooks.verdicts.size(), hooks.errorLines.size());
  for (std::size_t k = 0; k < hooks.verdicts.size(); ++k) {
    EXPECT_TRUE(hooks.verdicts[k].inLog);
    EXPECT_EQ(hooks.verdicts[k].Passed(), hooks.errorLines[k] == 0) << "file " << k;
  }
  EXPECT_EQ(carga.Veredictos.size(), hooks.verdicts.size());
}

void Nothing(testsupport::Delivery&) {}

INSTANTIATE_TEST_SUITE_P(
    Files, Verdicts,
    ::testing::Values(
        VerdictCase{"Valid", Nothing, rtC, FileOutcome::RunPassed, CountCheck::Equal, RunStop::None, 0},
        VerdictCase{"Missing", [](testsupport::Delivery& d) { d.Remove(rtY); }, rtY, FileOutcome::Missing,
                    CountCheck::NotCompared, RunStop::None, 0},
        VerdictCase{"Empty", [](testsupport::Delivery& d) { d.WriteFile(rtE, ""); }, rtE,
                    FileOutcome::StoppedBeforeRun, CountCheck::Differs, RunStop::CountDiffers, 0},
        VerdictCase{"CountPast32Bits",
                    [](testsupport::Delivery& d) {
                      d.counts[rtB] = "9999999999";
                      d.WriteHeader();
                    },
                    rtB, FileOutcome::RunFailed, CountCheck::Differs, RunStop::CountDiffers, 0},
        VerdictCase{"FieldCount",
                    [](testsupport::Delivery& d) {
                      d.WriteLines(rtA, {Join(ValidRecord(rtA)), Join(ValidRecord(rtA, "001", 1)) + "\tx"});
                      d.WriteHeader();
                    },
                    rtA, FileOutcome::RunFailed, CountCheck::Equal, RunStop::FieldCount, 2},
        VerdictCase{"Record",
                    [](testsupport::Delivery& d) {
                      auto bad = ValidRecord(rtE, "001", 1);
                      bad[10] = "x";
                      d.WriteLines(rtE, {Join(ValidRecord(rtE)), Join(ValidRecord(rtE, "001", 2)), Join(bad)});
                      d.WriteHeader();
                    },
                    rtE, FileOutcome::RunFailed, CountCheck::Equal, RunStop::Record, 3},
        VerdictCase{"WrongBank",
                    [](testsupport::Delivery& d) {
                      d.WriteLines(rtO, {Join(ValidRecord(rtO)), Join(ValidRecord(rtO, "002", 1))});
                      d.WriteHeader();
                    },
                    rtO, FileOutcome::StoppedBeforeRun, CountCheck::Equal, RunStop::None, 0},
        VerdictCase{"WrongCaseInTheHeader",
                    [](testsupport::Delivery& d) {
                      d.caso = "outro";
                      d.WriteHeader();
                    },
                    rtI, FileOutcome::HeaderFailed, CountCheck::NotCompared, RunStop::None, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VerdictTest, AnUndeclaredCountFailsTheFileThoughItsRunPasses) {
  hooks.chosenFile = delivery.PathOf(rtT);
  carga.AbreArquivo();
  ASSERT_EQ(hooks.verdicts.size(), 1u);
  const FileVerdict& verdict = hooks.verdicts.front();
  EXPECT_EQ(verdict.Outcome(), FileOutcome::RunPassed);
  EXPECT_EQ(verdict.count, CountCheck::Unverified);
  EXPECT_FALSE(verdict.Passed());
  EXPECT_EQ(verdict.run.validRecords, 3);
}

TEST_F(VerdictTest, TheIdentificationFileOnItsOwnPassesOnItsHeader) {
  hooks.chosenFile = delivery.PathOf(rtI);
  carga.AbreArquivo();
  ASSERT_EQ(hooks.verdicts.size(), 1u);
  EXPECT_EQ(hooks.verdicts.front().Outcome(), FileOutcome::HeaderPassed);
  EXPECT_TRUE(hooks.verdicts.front().Passed());
}

TEST_F(VerdictTest, FilesOnlyTheListingTakesInAreMarkedOutOfTheLog) {
  carga.ListagemPedida = 0;
  delivery.caso = "outro";
  delivery.WriteHeader();
  delivery.Remove(rtY);
  carga.AbreArquivos();
  ASSERT_EQ(hooks.verdicts.size(), 8u);
  EXPECT_TRUE(hooks.verdicts.front().inLog);
  for (std::size_t k = 1; k < hooks.verdicts.size(); ++k) EXPECT_FALSE(hooks.verdicts[k].inLog);
  EXPECT_EQ(VerdictOf(rtY).Outcome(), FileOutcome::Missing);
  EXPECT_EQ(VerdictOf(rtA).Outcome(), FileOutcome::RunPassed);
  // The listing is written from the same verdicts.
  ASSERT_EQ(carga.Listagem.Files().size(), 8u);
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(carga.Listagem.Files()[k].arquivo, hooks.verdicts[k].nameOnDisk);
    EXPECT_EQ(carga.Listagem.Files()[k].erros, hooks.verdicts[k].Faults());
  }
}

// The pure judgement of a count box against a line count.
struct CountBoxCase {
  const char* box;
  std::int64_t lines;
  CountCheck expected;
};

class CountBoxes : public ::testing::TestWithParam<CountBoxCase> {};

TEST_P(CountBoxes, CompareAsSixtyFourBitIntegers) {
  EXPECT_EQ(CompareDeclaredCount(GetParam().box, GetParam().lines), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CountBoxes,
    ::testing::Values(CountBoxCase{"", 0, CountCheck::Unverified}, CountBoxCase{"0", 0, CountCheck::Equal},
                      CountBoxCase{"3", 0, CountCheck::Differs},
                      CountBoxCase{"9999999999", 9999999999, CountCheck::Equal},
                      CountBoxCase{"4294967296", 0, CountCheck::Differs},
                      CountBoxCase{"-1", 1, CountCheck::Differs}));

}  // namespace
}  // namespace validador
