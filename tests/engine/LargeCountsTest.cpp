// Line numbers and counts beyond 2^31 reach the log whole: the driver's blocks, the
// run's messages, the count check and the header's declared counts give for a file of
// billions of lines the same texts a small file gives, with the number in full.

#include <functional>

#include "engine/EngineFixture.h"

namespace validador {
namespace {

constexpr std::int64_t k2To31 = std::int64_t{1} << 31;
constexpr std::int64_t k2To32 = std::int64_t{1} << 32;
constexpr std::int64_t kLines = 3'000'000'000;

// Facts of a file of `count` lines with a fault of `fault` kind at line `at`.
LineFacts FactsOf(std::int64_t count, RunFault fault = RunFault::None, std::int64_t at = 0) {
  LineFacts facts;
  facts.count = count;
  facts.fault = fault;
  facts.firstFault = at;
  if (fault == RunFault::Record) facts.MensagemErro = "Campo num\xE9rico vazio / Campo sem v\xEDrgula";
  return facts;
}

struct LargeCountCase {
  const char* name;
  // Writes to the log through the driver's steps; returns the valid records (-1: none).
  std::function<std::int64_t(Carga&)> step;
  std::vector<std::string> log;
};

class LargeCountsTest : public EngineTest, public ::testing::WithParamInterface<LargeCountCase> {};

TEST_P(LargeCountsTest, WritesTheNumberWhole) {
  const std::int64_t validRecords = GetParam().step(carga);
  EXPECT_EQ(LogOf(carga), GetParam().log);
  if (validRecords >= 0) {
    EXPECT_EQ(carga.GaugePos, validRecords);
  }
}

// The verdict of an A file of `lineCount` lines with digest "D1G".
FileVerdict VerdictOf(std::int64_t lineCount) {
  FileVerdict verdict;
  verdict.type = rtA;
  verdict.present = true;
  verdict.digest = "D1G";
  verdict.preScan.lineCount = lineCount;
  return verdict;
}

// The run's step on a file that declares `declared` lines and holds `lineCount`.
std::int64_t Run(Carga& carga, std::int64_t declared, std::int64_t lineCount, const LineFacts& facts) {
  carga.Edit[rtA] = std::to_string(declared);
  FileVerdict verdict = VerdictOf(lineCount);
  verdict.count = CompareDeclaredCount(carga.Edit[rtA], lineCount);
  verdict.run = JudgeRun(verdict.count, facts);
  EXPECT_TRUE(carga.ContaLinhas(verdict));
  EXPECT_EQ(carga.lblTotReg, std::to_string(lineCount));
  carga.insereDadosTabelas(verdict, "00:00:01");
  EXPECT_EQ(carga.GaugeMax, lineCount);
  return verdict.run.validRecords;
}

// The pre-scan's step on a file it stops.
std::int64_t PreScan(Carga& carga, PreScanResult scan) {
  FileVerdict verdict = VerdictOf(scan.lineCount);
  verdict.preScan = scan;
  EXPECT_FALSE(carga.ContaLinhas(verdict));
  return -1;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LargeCountsTest,
    ::testing::Values(
        LargeCountCase{"RunPassed",
                       [](Carga& carga) { return Run(carga, kLines, kLines, FactsOf(kLines)); },
                       {"N|Carga efetuada com sucesso: A_cadastro_agencia.\tOk - hh:nn:ss, "
                        "N.º de Registros: 3000000000",
                        "N|D1G", "N|"}},
        LargeCountCase{"FieldCountPast2To31",
                       [](Carga& carga) {
                         return Run(carga, kLines, kLines, FactsOf(kLines, RunFault::FieldCount, k2To31 + 5));
                       },
                       {kBanner,
                        "E|N.º de campos no arquivo diferente dos campos da A_cadastro_agencia; "
                        "linha:2147483653",
                        kAsterisks, "E|D1G", kAsterisks, "N|"}},
        LargeCountCase{"RecordPast2To32",
                       [](Carga& carga) {
                         return Run(carga, kLines + k2To32, kLines + k2To32,
                                    FactsOf(kLines + k2To32, RunFault::Record, k2To32 + 1));
                       },
                       {kBanner,
                        "E|A_cadastro_agencia: Campo numérico vazio / Campo sem vírgula; "
                        "linha:4294967297",
                        "E|D1G", kAsterisks, "N|"}},
        LargeCountCase{"CountDiffersByOne",
                       [](Carga& carga) { return Run(carga, kLines, kLines + 1, FactsOf(kLines + 1)); },
                       {kBanner,
                        "E|Arquivo: A_cadastro_agencia. O nº de linhas do arquivo difere do "
                        "arquivo I_identifica_dados",
                        kAsterisks, "E|D1G", kAsterisks, "N|"}},
        LargeCountCase{"CountWrappedAt2To32DiffersToo",
                       [](Carga& carga) {
                         return Run(carga, kLines, kLines + k2To32, FactsOf(kLines + k2To32));
                       },
                       {kBanner,
                        "E|Arquivo: A_cadastro_agencia. O nº de linhas do arquivo difere do "
                        "arquivo I_identifica_dados",
                        kAsterisks, "E|D1G", kAsterisks, "N|"}},
        LargeCountCase{"WrongLetterPast2To31",
                       [](Carga& carga) { return PreScan(carga, {kLines, k2To31, 0}); },
                       {kBanner,
                        "E|O conteúdo do do arquivo não corresponde ao especificado no layout; "
                        "linha: 2147483648\tA_cadastro_agencia",
                        "E|D1G", kAsterisks, "N|"}},
        LargeCountCase{"WrongBankPast2To32",
                       [](Carga& carga) { return PreScan(carga, {k2To32 + 7, 0, k2To32 + 7}); },
                       {kBanner,
                        "E|O nº do banco no arquivo difere do informado; linha: 4294967303     "
                        "A_cadastro_agencia",
                        "E|D1G", kAsterisks, "N|"}}),
    [](const auto& info) { return std::string(info.param.name); });

class LargeDeclaredCounts : public EngineTest {};

// The header declares counts beyond 2^31 and the run compares them in full.
TEST_F(LargeDeclaredCounts, AreTakenWhole) {
  delivery.counts[rtA] = "3000000000";
  delivery.counts[rtY] = "4294967297";
  delivery.WriteHeader();
  ASSERT_TRUE(carga.ValidaIdentificacao(delivery.PathOf(rtI)));
  EXPECT_EQ(carga.Edit[rtA], "3000000000");
  EXPECT_EQ(carga.Edit[rtY], "4294967297");
  EXPECT_EQ(CompareDeclaredCount(carga.Edit[rtA], kLines), CountCheck::Equal);
  EXPECT_EQ(CompareDeclaredCount(carga.Edit[rtA], kLines - k2To32), CountCheck::Differs);
  EXPECT_EQ(CompareDeclaredCount(carga.Edit[rtY], 1), CountCheck::Differs);
}

}  // namespace
}  // namespace validador
