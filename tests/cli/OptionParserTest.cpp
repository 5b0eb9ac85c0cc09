// The option parser every validador-cli command shares, on a command with two valued
// options, a flag and one positional argument.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "cli/OptionParser.h"
#include "cli/UsageError.h"

namespace {

using validador::cli::kAnyNumber;
using validador::cli::OptionSpec;
using validador::cli::ParseArgs;
using validador::cli::ParsedArgs;
using validador::cli::PositionalSpec;
using validador::cli::UsageError;

constexpr std::array<OptionSpec, 3> kOptions = {
    OptionSpec{"--case", "TEXTO", "n.º do caso"},
    OptionSpec{"--bank", "TEXTO", "n.º do banco"},
    OptionSpec{"--styled", "", "estilos"}};

constexpr PositionalSpec kOneFolder{.required = 1, .maximum = 1, .missingMessage = "falta a PASTA"};
constexpr PositionalSpec kNoArgument{.required = 0, .maximum = 0, .missingMessage = {}};
constexpr PositionalSpec kFiles{.required = 1, .maximum = kAnyNumber,
                                .missingMessage = "falta o arquivo"};

struct ParseCase {
  const char* name;
  std::vector<std::string> args;
  std::string error;  // the usage error expected; "" when parsing succeeds
  std::map<std::string, std::string, std::less<>> values = {};
  std::set<std::string, std::less<>> flags = {};
  std::vector<std::string> positionals = {};
  bool help = false;
  PositionalSpec positionalSpec = kOneFolder;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) { return out << c.name; }

class CliOptionParser : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CliOptionParser, ParsesOrNamesTheWrongUse) {
  const ParseCase& c = GetParam();
  try {
    const ParsedArgs parsed = ParseArgs(c.args, kOptions, c.positionalSpec);
    EXPECT_EQ(c.error, "") << "parsed without the expected error";
    EXPECT_EQ(parsed.values, c.values);
    EXPECT_EQ(parsed.flags, c.flags);
    EXPECT_EQ(parsed.positionals, c.positionals);
    EXPECT_EQ(parsed.helpRequested, c.help);
  } catch (const UsageError& error) {
    EXPECT_EQ(error.what(), c.error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliOptionParser,
    ::testing::Values(
        ParseCase{"ValueAsNextArgument", {"p", "--case", "v"}, "", {{"--case", "v"}}, {}, {"p"}},
        ParseCase{"ValueAfterEquals", {"--case=v", "p"}, "", {{"--case", "v"}}, {}, {"p"}},
        ParseCase{"EmptyValueAfterEquals", {"--bank=", "p"}, "", {{"--bank", ""}}, {}, {"p"}},
        ParseCase{"ValueKeepsLaterEquals", {"--case=a=b", "p"}, "", {{"--case", "a=b"}}, {}, {"p"}},
        ParseCase{"DashLeadingValueIsTakenAsIs", {"--case", "--bank", "p"}, "",
                  {{"--case", "--bank"}}, {}, {"p"}},
        ParseCase{"LastValueWins", {"--case=1", "p", "--case", "2"}, "", {{"--case", "2"}}, {}, {"p"}},
        ParseCase{"BothOptionsAndFlag", {"--styled", "p", "--bank", "001", "--case", "7"}, "",
                  {{"--bank", "001"}, {"--case", "7"}}, {"--styled"}, {"p"}},
        ParseCase{"MissingValue", {"p", "--case"}, "falta o valor de --case"},
        ParseCase{"UnknownOption", {"p", "--fast"}, "opção desconhecida: --fast"},
        ParseCase{"UnknownOptionWithValue", {"p", "--fast=1"}, "opção desconhecida: --fast=1"},
        ParseCase{"UnknownShortOption", {"-x", "p"}, "opção desconhecida: -x"},
        ParseCase{"ExtraPositional", {"p", "q"}, "argumento a mais: q"},
        ParseCase{"PositionalWhereNoneIsTaken", {"x"}, "argumento inesperado: x", {}, {}, {}, false,
                  kNoArgument},
        ParseCase{"MissingPositional", {"--case", "1"}, "falta a PASTA"},
        ParseCase{"DoubleDashThenDashLeadingFile", {"--case", "1", "--", "-arquivo.txt"}, "",
                  {{"--case", "1"}}, {}, {"-arquivo.txt"}},
        ParseCase{"DoubleDashMakesOptionsPositional", {"--", "--styled", "--case"},
                  "argumento a mais: --case"},
        ParseCase{"SecondDoubleDashIsAPositional", {"--", "--"}, "", {}, {}, {"--"}},
        ParseCase{"LoneDashAndEmptyArePositionals", {"-", ""}, "", {}, {}, {"-", ""}, false,
                  kFiles},
        ParseCase{"ManyPositionalsKeepTheirOrder", {"b", "--styled", "a", "c"}, "", {},
                  {"--styled"}, {"b", "a", "c"}, false, kFiles},
        ParseCase{"FlagGivenAValue", {"p", "--styled=sim"}, "a opção --styled não aceita valor"},
        ParseCase{"FlagGivenAnEmptyValue", {"p", "--styled="}, "a opção --styled não aceita valor"},
        ParseCase{"FlagDoesNotTakeTheNextArgument", {"--styled", "sim", "p"},
                  "argumento a mais: p"},
        ParseCase{"HelpWithoutThePositional", {"--help"}, "", {}, {}, {}, true},
        ParseCase{"ShortHelp", {"p", "-h"}, "", {}, {}, {"p"}, true},
        ParseCase{"HelpGivenAValue", {"--help=1"}, "a opção --help não aceita valor"},
        ParseCase{"ErrorBeforeHelpIsReported", {"--help", "--fast"}, "opção desconhecida: --fast"},
        ParseCase{"EmptyArguments", {}, "falta a PASTA"},
        ParseCase{"EmptyArgumentsWhereNoneIsTaken", {}, "", {}, {}, {}, false, kNoArgument}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliParsedArgs, AnswersForOptionsNotGiven) {
  const ParsedArgs parsed = ParseArgs({"p", "--bank="}, kOptions, kOneFolder);
  EXPECT_EQ(parsed.Value("--bank"), std::optional<std::string>(""));
  EXPECT_EQ(parsed.Value("--case"), std::nullopt);
  EXPECT_FALSE(parsed.Flag("--styled"));
  EXPECT_TRUE(ParseArgs({"p", "--styled"}, kOptions, kOneFolder).Flag("--styled"));
}

}  // namespace
