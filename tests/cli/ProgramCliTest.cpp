// validador-cli as a whole: the global help, the version, and the option parser's
// rules as every command sees them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::LinesOf;

using testsupport::ProcessResult;
using testsupport::RunProcess;

const std::vector<std::string> kEveryCommand = {"check", "check-file", "hash", "verify",
                                                "selftest", "version"};

ProcessResult Cli(const std::vector<std::string>& args) {
  return RunProcess(VALIDADOR_CLI_PATH, args);
}

// Characters in UTF-8 text.
std::size_t Columns(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char byte) { return (byte & 0xC0) != 0x80; }));
}

// The "Comandos:" section of the global help: each command's name and the
// description under it.
struct ListedCommand {
  std::string name;
  std::string description;
};

std::vector<ListedCommand> ListedCommands(const std::string& help) {
  const std::vector<std::string> lines = LinesOf(help);
  auto line = std::find(lines.begin(), lines.end(), "Comandos:");
  std::vector<ListedCommand> listed;
  if (line == lines.end()) return listed;
  for (++line; line != lines.end() && !line->empty(); ++line) {
    if (line->starts_with("      ") && !listed.empty()) {
      listed.back().description = line->substr(6);
    } else if (line->starts_with("  ") && (*line)[2] != ' ') {
      listed.push_back({line->substr(2, line->find(' ', 2) - 2), ""});
    }
  }
  return listed;
}

TEST(CliGlobalHelp, ListsEveryCommandWithItsDescription) {
  for (const char* word : {"--help", "-h", "help"}) {
    const auto result = Cli({word});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    std::vector<std::string> names;
    for (const auto& command : ListedCommands(result.out)) {
      names.push_back(command.name);
      const auto own = Cli({command.name, "--help"});
      EXPECT_EQ(own.exitCode, 0) << command.name;
      EXPECT_TRUE(own.out.starts_with("Uso: validador-cli " + command.name)) << own.out;
      EXPECT_FALSE(command.description.empty()) << command.name;
      EXPECT_NE(own.out.find("\n" + command.description + "\n"), std::string::npos) << own.out;
    }
    EXPECT_EQ(names, kEveryCommand) << result.out;
  }
}

TEST(CliGlobalHelp, EndsWithTheOptionsTheAlgorithmsAndTheExitStatuses) {
  const auto result = Cli({"--help"});
  for (const char* part :
       {"\nOpções de check, check-file, hash e verify:\n  --case TEXTO      n.º do caso",
        "\n  --folder PASTA    pasta escolhida",
        "\nAlgoritmos: haval, md4, md5, ripemd128, ripemd160, sha1, sha256, sha384,\nsha512, tiger.\n",
        "\n\nCódigo de saída: 0 sem erros; 1 com linhas de erro no log (hash: arquivo\n"
        "ilegível; selftest: falha); 2 comando interrompido por um erro; 64 uso\nincorreto.\n"}) {
    EXPECT_NE(result.out.find(part), std::string::npos) << part;
  }
  EXPECT_TRUE(result.out.ends_with("incorreto.\n"));
  for (const auto& line : LinesOf(result.out)) EXPECT_LT(Columns(line), 80u) << line;
}

TEST(CliCommandHelp, VerifyTellsHowItFindsTheAlgorithm) {
  const auto result = Cli({"verify", "--help"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.out.find("algoritmo (padrão: o que dá a 1.ª linha do HASHV.txt)\n"),
            std::string::npos)
      << result.out;
  EXPECT_EQ(result.out.find("padrão md5"), std::string::npos) << result.out;
}

// A build without the report does not offer --report, in any help.
TEST(CliCommandHelp, ReportIsOfferedOnlyWhereTheBuildWritesIt) {
#ifdef VALIDADOR_HAS_REPORT
  constexpr bool kHasReport = true;
#else
  constexpr bool kHasReport = false;
#endif
  for (const std::vector<std::string>& args : {std::vector<std::string>{"check", "--help"},
                                               std::vector<std::string>{"check-file", "--help"},
                                               std::vector<std::string>{"--help"}}) {
    const auto result = Cli(args);
    EXPECT_EQ(result.out.find("--report") != std::string::npos, kHasReport) << result.out;
    EXPECT_NE(result.out.find("--errors"), std::string::npos);
  }
}

TEST(CliVersion, OptionAndCommandPrintTheProjectVersion) {
  for (const char* word : {"--version", "version"}) {
    const auto result = Cli({word});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "validador-cli " VALIDADOR_VERSION "\n");
    EXPECT_TRUE(std::regex_match(result.out, std::regex("validador-cli [0-9]+(\\.[0-9]+)+\n")));
    EXPECT_EQ(result.err, "");
  }
}

TEST(CliVersion, TakesNoArgument) {
  const auto result = Cli({"--version", "x"});
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("validador-cli: argumento inesperado: x\n"), std::string::npos);
}

// Changes the working directory for as long as it lives.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::filesystem::path& dir)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~WorkingDirectory() { std::filesystem::current_path(previous_); }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

TEST(CliOptionsEnd, DoubleDashLetsAFileNameStartWithADash) {
  testsupport::TempDir dir;
  dir.Write("-abc.txt", "abc");
  const WorkingDirectory inDir(dir.Path());
  const auto asFile = Cli({"hash", "--", "-abc.txt"});
  EXPECT_EQ(asFile.exitCode, 0) << asFile.err;
  EXPECT_EQ(asFile.out, "900150983CD24FB0D6963F7D28E17F72  -abc.txt\n");
  const auto asOption = Cli({"hash", "-abc.txt"});
  EXPECT_EQ(asOption.exitCode, 64);
  EXPECT_NE(asOption.err.find("opção desconhecida: -abc.txt"), std::string::npos);
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;
};

class CliSharedParserUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliSharedParserUsage, ExitsWith64AndTheMessage) {
  const auto result = Cli(GetParam().args);
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(result.err.starts_with("validador-cli: " + std::string(GetParam().message) + "\n"))
      << result.err;
  EXPECT_TRUE(result.err.ends_with("validador-cli: use 'validador-cli --help' para ver o uso.\n"))
      << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, CliSharedParserUsage,
    ::testing::Values(
        UsageCase{"NoCommand", {}, "falta o comando"},
        UsageCase{"OptionInsteadOfCommand", {"--fast"}, "comando desconhecido: --fast"},
        UsageCase{"CheckFlagGivenAValue", {"check", ".", "--styled=sim"},
                  "a opção --styled não aceita valor"},
        UsageCase{"CheckFileFlagGivenAValue", {"check-file", "x.txt", "--manifest=1"},
                  "a opção --manifest não aceita valor"},
        UsageCase{"HashHelpGivenAValue", {"hash", "--help=1"}, "a opção --help não aceita valor"},
        UsageCase{"CheckFileDoubleDashEndsOptions", {"check-file", "--", "-x.txt", "--bank"},
                  "argumento a mais: --bank"},
        UsageCase{"CheckFileMissingValue", {"check-file", "x.txt", "--folder"},
                  "falta o valor de --folder"},
        UsageCase{"SelftestUnknownOption", {"selftest", "--fast"}, "opção desconhecida: --fast"},
        UsageCase{"SelftestArgumentAfterHelp", {"selftest", "--help", "x"},
                  "argumento inesperado: x"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
