// validador-cli check and check-file with --errors: the listing beside an unchanged log and
// exit status, its formats by name, its cap, and no listing when an error ends the command.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "validation/listing/ListingWorkbook.h"

namespace {

using testsupport::Delivery;
using testsupport::Join;
using testsupport::ProcessResult;
using testsupport::ReadAll;
using testsupport::RunProcess;
using testsupport::ValidRecord;
using validador::rtE;
using validador::rtY;

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(VALIDADOR_CLI_PATH, args); }

std::vector<std::string> Plus(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

class ErrorsCli : public ::testing::Test {
 protected:
  ErrorsCli() {
    auto bad = ValidRecord(rtE, "001", 1);
    bad[10] = "x";
    delivery.WriteLines(rtE, {Join(ValidRecord(rtE, "001", 0)), Join(bad), Join(bad)});
    delivery.WriteHeader();
  }
  std::vector<std::string> CheckArgs() const {
    return {"check", delivery.dir.Path().string(), "--case", delivery.caso, "--bank", delivery.bank};
  }
  Delivery delivery;
  testsupport::TempDir out;
};

TEST_F(ErrorsCli, TheLogAndExitStatusStayAsTheyAreBesideTheListing) {
  const ProcessResult plain = Cli(CheckArgs());
  const ProcessResult listed = Cli(Plus(CheckArgs(), {"--errors", out.File("erros.jsonl")}));
  EXPECT_EQ(listed.exitCode, 1);
  EXPECT_EQ(listed.exitCode, plain.exitCode);
  EXPECT_EQ(listed.out.size(), plain.out.size());
  EXPECT_EQ(listed.err, "");
  const std::string jsonl = ReadAll(out.File("erros.jsonl"));
  EXPECT_NE(jsonl.find("{\"arquivo\":\"E_EXTRATO_BANCARIO.txt\",\"linha\":2,\"regra\":\"campo\",\"coluna\":11,"
                       "\"campo\":\"natureza_lancamento\",\"mensagem\":\"Natureza lançamento inválida \","
                       "\"valor\":\"x\"}\n"),
            std::string::npos)
      << jsonl;
  EXPECT_NE(jsonl.find("\"regra\":\"resumo\",\"coluna\":null,\"campo\":null,\"mensagem\":null,\"valor\":null,"
                       "\"linhas\":3,\"linhas_com_erro\":2,\"erros\":2,\"listados\":2}"),
            std::string::npos);
}

TEST_F(ErrorsCli, CsvWithItsCapAndASingleFile) {
  const std::string csv = out.File("erros.csv");
  const ProcessResult result = Cli({"check-file", delivery.PathOf(rtE), "--bank", "001", "--errors", csv,
                                    "--max-errors", "1"});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_EQ(ReadAll(csv),
            "\xEF\xBB\xBF" "arquivo;linha;regra;coluna;campo;mensagem;valor\r\n"
            "E_EXTRATO_BANCARIO.txt;;arquivo;;;O arquivo: E_extrato_bancario não teve o nº de linhas "
            "verificado;\r\n");
}

struct UsageCase {
  const char* name;
  std::vector<std::string> extra;
  const char* message;
};

class ErrorsCliUsage : public ErrorsCli, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(ErrorsCliUsage, IsWrongUseAndChecksNothing) {
  const ProcessResult result = Cli(Plus(CheckArgs(), GetParam().extra));
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Options, ErrorsCliUsage,
    ::testing::Values(UsageCase{"OtherName", {"--errors", "erros.txt"}, "--errors pede um arquivo .csv, .jsonl ou .xlsx"},
                      UsageCase{"OtherNameNamed", {"--errors", "erros.ods"},
                                "--errors pede um arquivo .csv, .jsonl ou .xlsx: erros.ods"},
                      UsageCase{"CapAlone", {"--max-errors", "5"}, "--max-errors pede --errors"},
                      UsageCase{"NegativeCap", {"--errors", "e.csv", "--max-errors", "-1"},
                                "--max-errors pede um número inteiro"},
                      UsageCase{"WordCap", {"--errors", "e.csv", "--max-errors", "dez"},
                                "--max-errors pede um número inteiro"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ErrorsCli, NoListingWhenAnErrorEndsTheCommand) {
  delivery.counts[rtY] = "três";  // a declared count that is no integer ends the check
  delivery.WriteHeader();
  const std::string listing = out.Write("erros.csv", "old");
  const ProcessResult result = Cli(Plus(CheckArgs(), {"--errors", listing}));
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(ReadAll(listing), "old");
}

// Text after a byte 26: a notice on stderr and a row in the listing, the log unchanged
// in its lines and the exit status that of the text before it.
TEST_F(ErrorsCli, TextAfterEndOfTextIsToldAndListed) {
  delivery.WriteFile(validador::rtA, ReadAll(delivery.PathOf(validador::rtA)) + "\x1A" "lixo\r\n");
  const ProcessResult plain = Cli(CheckArgs());
  const ProcessResult listed = Cli(Plus(CheckArgs(), {"--errors", out.File("erros.csv")}));
  const std::string notice =
      "Arquivo: A_cadastro_agencia: 6 bytes depois do caractere de fim de texto (Ctrl-Z) não foram verificados";
  for (const ProcessResult* result : {&plain, &listed}) {
    EXPECT_EQ(result->exitCode, 1);  // the statement file's faults, as before
    EXPECT_EQ(result->err, "validador-cli: aviso: " + notice + "\n");
    EXPECT_EQ(result->out.find("Ctrl-Z"), std::string::npos);
  }
  EXPECT_NE(ReadAll(out.File("erros.csv")).find("A_CADASTRO_AGENCIAS.txt;;arquivo;;;" + notice + ";\r\n"),
            std::string::npos)
      << ReadAll(out.File("erros.csv"));
}

// Every row of a listing without a cap reaches the file, in the order of the lines, and
// the work files it was gathered in are gone.
TEST_F(ErrorsCli, EveryRowOfALongListingIsWritten) {
  std::vector<std::string> lines;
  auto bad = ValidRecord(rtE, "001", 1);
  bad[10] = "x";
  for (int i = 0; i < 20000; ++i) lines.push_back(Join(bad));
  delivery.WriteLines(rtE, lines);
  const ProcessResult result =
      Cli(Plus(CheckArgs(), {"--errors", out.File("erros.jsonl"), "--max-errors", "0"}));
  EXPECT_EQ(result.exitCode, 1) << result.err;
  const std::string jsonl = ReadAll(out.File("erros.jsonl"));
  std::size_t rows = 0;
  std::int64_t lastLine = 0;
  bool inOrder = true;
  const std::string prefix = "{\"arquivo\":\"E_EXTRATO_BANCARIO.txt\",\"linha\":";
  for (std::size_t at = jsonl.find(prefix); at != std::string::npos; at = jsonl.find(prefix, at + 1)) {
    if (jsonl[at + prefix.size()] == 'n') continue;  // a row about the whole file, or the summary
    const std::int64_t line = std::stoll(jsonl.substr(at + prefix.size(), 12));
    inOrder = inOrder && line == lastLine + 1;
    lastLine = line;
    ++rows;
  }
  EXPECT_EQ(rows, 20000u);
  EXPECT_TRUE(inOrder);
  EXPECT_NE(jsonl.find("\"linhas\":20000,\"linhas_com_erro\":20000,\"erros\":20001,\"listados\":20001}"),
            std::string::npos);
  EXPECT_EQ(testsupport::NamesIn(out.Path()), std::vector<std::string>{"erros.jsonl"});
}

// Values that a spreadsheet would take as formulas, and control bytes, in a field judged
// alone (valor_lancamento, which takes digits and a comma only).
class HostileValues : public ErrorsCli {
 protected:
  HostileValues() {
    const std::vector<std::string> values = {"=1+1", "+5", "-3", "@SUM(A1)", "=A1;\"x\"",
                                             "1\x1B[2J", std::string("1\0" "2", 3), "\x7F" "9"};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < values.size(); ++i) {
      auto record = ValidRecord(rtE, "001", static_cast<int>(i));
      record[9] = values[i];
      lines.push_back(Join(record));
    }
    delivery.WriteLines(rtE, lines);
    delivery.WriteHeader();
  }
};

TEST_F(HostileValues, NoCsvValueStartsLikeAFormulaAndTheWorkbookHoldsTheJsonRows) {
  if (!validador::WorkbookAvailable()) GTEST_SKIP() << "built without libxlsxwriter";
  const std::string jsonl = out.File("erros.jsonl");
  const std::string csv = out.File("erros.csv");
  const std::string xlsx = out.File("erros.xlsx");
  for (const std::string& listing : {jsonl, csv, xlsx}) {
    const ProcessResult result = Cli(Plus(CheckArgs(), {"--errors", listing, "--max-errors", "0"}));
    ASSERT_EQ(result.exitCode, 1) << result.err;
  }
  const std::string csvText = ReadAll(csv);
  EXPECT_NE(csvText.find(";'=1+1\r\n"), std::string::npos) << csvText;
  EXPECT_NE(csvText.find(";\"'=A1;\"\"x\"\"\"\r\n"), std::string::npos) << csvText;
  EXPECT_NE(csvText.find(";1\\x1B[2J\r\n"), std::string::npos) << csvText;
  EXPECT_NE(csvText.find(";1\\02\r\n"), std::string::npos) << csvText;
  EXPECT_EQ(csvText.find('\x1B'), std::string::npos);
  EXPECT_NE(ReadAll(jsonl).find("\"valor\":\"=1+1\"}"), std::string::npos);  // raw in JSON Lines
#ifdef VALIDADOR_PYTHON3
  const ProcessResult readBack =
      RunProcess(VALIDADOR_PYTHON3, {VALIDADOR_SOURCE_DIR "/tests/cli/listing_readback.py", jsonl, csv, xlsx,
                                     delivery.caso, delivery.bank, VALIDADOR_VERSION});
  EXPECT_EQ(readBack.exitCode, 0) << readBack.out << readBack.err;
#else
  GTEST_SKIP() << "no Python 3 to read the listings back";
#endif
}

TEST_F(ErrorsCli, TheWorkbookReplacesTheOldFileWholeAndLeavesNothingElse) {
  if (!validador::WorkbookAvailable()) GTEST_SKIP() << "built without libxlsxwriter";
  const std::string xlsx = out.Write("erros.xlsx", "old");
  const ProcessResult result = Cli(Plus(CheckArgs(), {"--errors", xlsx}));
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_EQ(ReadAll(xlsx).substr(0, 4), std::string("PK\x03\x04"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Path()), {}), 1);
}

}  // namespace
