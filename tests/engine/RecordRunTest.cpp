// The record run as the file's check does it on its one read: the count check against
// the declared count, the field-count check, the field rules, the gauge and its progress.

#include "engine/EngineFixture.h"

namespace validador {
namespace {

using testsupport::Join;
using testsupport::ValidRecord;

class RecordRunTest : public EngineTest {
 protected:
  // Writes `count` valid E lines, line `badLine` (from 1) with an invalid nature.
  void WriteE(int count, int badLine = 0) {
    std::vector<std::string> lines;
    for (int n = 0; n < count; ++n) {
      auto fields = ValidRecord(rtE, "001", n);
      if (n + 1 == badLine) fields[10] = "c";
      lines.push_back(Join(fields));
    }
    delivery.WriteLines(rtE, lines);
  }

  // The file's check; its run as the verdict has it.
  RunResult Run(RecordTypeIndex type = rtE) {
    EXPECT_TRUE(carga.ProcessaArquivo(delivery.PathOf(type), type));
    EXPECT_FALSE(carga.Veredictos.empty());
    return carga.Veredictos.empty() ? RunResult{} : carga.Veredictos.back().run;
  }

  // The lines that close a failed run's block: the digest and the asterisk line.
  std::vector<std::string> FailureClose(RecordTypeIndex type = rtE) {
    return {"E|" + DigestOf(type), kAsterisks, "N|"};
  }

  // The log with `close` after `blocks`.
  static std::vector<std::string> With(std::vector<std::string> blocks, const std::vector<std::string>& close) {
    Append(blocks, close);
    return blocks;
  }
};

TEST_F(RecordRunTest, EveryLineValidFillsTheGauge) {
  WriteE(5);
  carga.Edit[rtE] = "5";
  const RunResult run = Run();
  EXPECT_EQ(run.validRecords, 5);
  EXPECT_EQ(run.status, RunStatus::Passed);
  EXPECT_EQ(carga.GaugeMax, 5);
  EXPECT_EQ(carga.GaugePos, 5);
  EXPECT_EQ(LogOf(carga), SuccessBlock(rtE, 5));
}

TEST_F(RecordRunTest, DeclaredCountDiffersValidatesNothing) {
  WriteE(5, 1);
  carga.Edit[rtE] = "6";
  const RunResult run = Run();
  EXPECT_EQ(run.validRecords, 0);
  EXPECT_EQ(run.status, RunStatus::Failed);
  EXPECT_EQ(LogOf(carga),
            With({kBanner,
                  "E|Arquivo: E_extrato_bancario. O nº de linhas do arquivo difere "
                  "do arquivo I_identifica_dados",
                  kAsterisks},
                 FailureClose()));
}

TEST_F(RecordRunTest, EmptyDeclaredCountIsReportedAndTheRunGoesOn) {
  WriteE(3, 2);
  carga.Edit[rtE].clear();
  const RunResult run = Run();
  EXPECT_EQ(run.validRecords, 1);
  EXPECT_EQ(run.status, RunStatus::Failed);
  EXPECT_EQ(LogOf(carga),
            With({kBanner, "E|O arquivo: E_extrato_bancario não teve o nº de linhas verificado",
                  kAsterisks, kBanner, "E|E_extrato_bancario: Natureza lançamento inválida ; linha:2"},
                 {"E|" + DigestOf(rtE), kAsterisks, "N|"}));
}

TEST_F(RecordRunTest, IdentificationFileHasNoCountCheck) {
  const RunResult run = Run(rtI);
  EXPECT_EQ(run.validRecords, 1);
  EXPECT_EQ(run.status, RunStatus::Passed);
  EXPECT_EQ(carga.Veredictos.back().count, CountCheck::NotCompared);
  EXPECT_EQ(LogOf(carga), SuccessBlock(rtI, 1));
}

TEST_F(RecordRunTest, FieldCountFaultStopsAtThatLine) {
  WriteE(4);
  std::vector<std::string> lines;
  for (int n = 0; n < 4; ++n) lines.push_back(Join(ValidRecord(rtE, "001", n)));
  lines[2] += "\textra";
  lines.push_back("E\t001\tnot even read\t");  // past the fault: the run reads no further
  delivery.WriteLines(rtE, lines);
  carga.Edit[rtE] = "5";
  const RunResult run = Run();
  EXPECT_EQ(run.validRecords, 2);
  EXPECT_EQ(run.status, RunStatus::Failed);
  EXPECT_EQ(LogOf(carga),
            With({kBanner, "E|N.º de campos no arquivo diferente dos campos da E_extrato_bancario; linha:3",
                  kAsterisks},
                 FailureClose()));
}

TEST_F(RecordRunTest, FaultInTheFirstLine) {
  WriteE(3, 1);
  carga.Edit[rtE] = "3";
  EXPECT_EQ(Run().validRecords, 0);
  EXPECT_EQ(LogOf(carga), With({kBanner, "E|E_extrato_bancario: Natureza lançamento inválida ; linha:1"},
                               FailureClose()));
}

struct ProgressCase {
  int lines;
  int badLine;  // 0: none
  std::size_t blockSize;
};

class ProgressTest : public RecordRunTest, public ::testing::WithParamInterface<ProgressCase> {
 protected:
  void TearDown() override { SetScanTuning(ScanTuning{}); }
};

// The shell hears after every block read, the gauge going up the file's bytes to its size;
// once the run is judged the gauge holds the valid records out of the file's lines.
TEST_P(ProgressTest, FollowsTheBytesReadThenHoldsTheRecords) {
  const auto& c = GetParam();
  WriteE(c.lines, c.badLine);
  carga.Edit[rtE] = std::to_string(c.lines);
  ScanTuning tuning;
  tuning.blockSize = c.blockSize;
  SetScanTuning(tuning);
  Run();
  const auto size = static_cast<std::int64_t>(testsupport::ReadAll(delivery.PathOf(rtE)).size());
  const auto blocks = static_cast<std::size_t>((size + c.blockSize - 1) / c.blockSize);
  ASSERT_EQ(hooks.progress.size(), blocks);
  for (std::size_t i = 0; i < blocks; ++i) {
    EXPECT_EQ(hooks.progress[i].first, std::min<std::int64_t>(size, (i + 1) * c.blockSize));
    EXPECT_EQ(hooks.progress[i].second, size);
  }
  EXPECT_EQ(carga.GaugeMax, c.lines);
  EXPECT_EQ(carga.GaugePos, c.badLine == 0 ? c.lines : c.badLine - 1);

  if (c.badLine != 0) {
    EXPECT_EQ(LogOf(carga), With({kBanner, "E|E_extrato_bancario: Natureza lançamento inválida ; linha:" +
                                               std::to_string(c.badLine)},
                                 FailureClose()));
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, ProgressTest,
                         ::testing::Values(ProgressCase{299, 0, 1 << 20}, ProgressCase{300, 0, 4096},
                                           ProgressCase{301, 301, 1000}, ProgressCase{300, 300, 777},
                                           ProgressCase{900, 0, 10000}));

// The hooks carry what the shells show: every progress report names the file being read,
// and the last state given is the one the check left, so no shell needs to read the engine.
TEST_F(RecordRunTest, HooksCarryTheFileAndTheShownState) {
  WriteE(700, 650);
  carga.Edit[rtE] = "700";
  ScanTuning tuning;
  tuning.blockSize = 4096;
  SetScanTuning(tuning);
  Run();
  SetScanTuning(ScanTuning{});
  ASSERT_GT(hooks.progressFiles.size(), std::size_t{1});
  for (const std::string& file : hooks.progressFiles) EXPECT_EQ(file, delivery.PathOf(rtE));
  ASSERT_FALSE(hooks.states.empty());
  const CargaSnapshot& shown = hooks.states.back();
  EXPECT_EQ(shown.file, delivery.PathOf(rtE));
  EXPECT_EQ(shown.lineTotal, "700");
  EXPECT_TRUE(shown.lineTotalVisible);
  EXPECT_EQ(shown.declaredCounts[rtE], "700");
  EXPECT_EQ(shown.gaugeMax, 700);
  EXPECT_EQ(shown.gaugePos, 649);
  EXPECT_EQ(shown.algorithmText, "md5");
  EXPECT_EQ(shown.digests, carga.Memo2);
  ASSERT_EQ(shown.digests.size(), std::size_t{1});
}

TEST_F(RecordRunTest, LineEndingInATabHasAnEmptyLastField) {
  auto fields = ValidRecord(rtY);
  fields[3] = "";
  delivery.WriteLines(rtY, {Join(ValidRecord(rtY)), Join(fields)});
  carga.Edit[rtY] = "2";
  const RunResult run = Run(rtY);
  EXPECT_EQ(run.validRecords, 2);
  EXPECT_EQ(run.status, RunStatus::Passed);
}

}  // namespace
}  // namespace validador
