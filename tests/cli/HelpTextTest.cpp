// The help texts laid out from the commands' definitions: wrapping, option columns,
// and the options of several commands merged into one list.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Command.h"
#include "cli/HelpText.h"

namespace {

using validador::cli::Command;
using validador::cli::CommandHelp;
using validador::cli::GlobalHelp;
using validador::cli::kHelpWidth;
using validador::cli::OptionSpec;
using validador::cli::ParsedArgs;
using validador::cli::WrapParagraph;
using validador::cli::WrapWords;

// A command that only describes itself.
class DescribedCommand : public Command {
 public:
  explicit DescribedCommand(const Definition& definition) : Command(definition) {}

 protected:
  int Run(const ParsedArgs&) const override { return 0; }
};

constexpr OptionSpec kColour{"--cor", "NOME", "a cor"};
constexpr OptionSpec kQuiet{"--quieto", "", "sem saída"};
constexpr OptionSpec kSize{"--tamanho", "N", "o tamanho"};
constexpr OptionSpec kVeryLong{"--uma-opcao-bem-longa", "VALOR", "longa"};

constexpr std::array<std::string_view, 3> kPaintSynopsis = {"ARQUIVO", "--cor NOME", "[--quieto]"};
constexpr std::array<OptionSpec, 2> kPaintOptions = {kColour, kQuiet};
constexpr std::array<std::string_view, 2> kCutSynopsis = {"[--tamanho N]", "ARQUIVO..."};
constexpr std::array<OptionSpec, 3> kCutOptions = {kColour, kSize, kQuiet};
constexpr std::array<OptionSpec, 1> kLongOptions = {kVeryLong};

std::vector<std::unique_ptr<Command>> PaintCutAndRest() {
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(std::make_unique<DescribedCommand>(Command::Definition{
      .name = "pinta", .description = "Pinta.", .synopsis = kPaintSynopsis,
      .options = kPaintOptions, .positionals = {}}));
  commands.push_back(std::make_unique<DescribedCommand>(Command::Definition{
      .name = "corta", .description = "Corta.", .synopsis = kCutSynopsis,
      .options = kCutOptions, .positionals = {}}));
  commands.push_back(std::make_unique<DescribedCommand>(Command::Definition{
      .name = "descansa", .description = "Descansa.", .synopsis = {}, .options = {},
      .positionals = {}}));
  return commands;
}

TEST(CliGlobalHelpLayout, ListsEveryCommandThenTheirOptionsOnceInTheirOrder) {
  EXPECT_EQ(GlobalHelp(PaintCutAndRest(), "Fim.\n"),
            "Uso: validador-cli COMANDO [OPÇÕES]\n"
            "\n"
            "Comandos:\n"
            "  pinta ARQUIVO --cor NOME [--quieto]\n"
            "      Pinta.\n"
            "  corta [--tamanho N] ARQUIVO...\n"
            "      Corta.\n"
            "  descansa\n"
            "      Descansa.\n"
            "\n"
            "Opções de pinta e corta:\n"
            "  --cor NOME        a cor\n"
            "  --tamanho N       o tamanho\n"
            "  --quieto          sem saída\n"
            "\n"
            "Fim.\n");
}

TEST(CliGlobalHelpLayout, WithoutOptionsHasNoOptionsSection) {
  auto commands = PaintCutAndRest();
  commands.erase(commands.begin(), commands.begin() + 2);
  EXPECT_EQ(GlobalHelp(commands, ""),
            "Uso: validador-cli COMANDO [OPÇÕES]\n\nComandos:\n  descansa\n      Descansa.\n\n");
}

TEST(CliCommandHelp, UsageDescriptionAndOptions) {
  const auto commands = PaintCutAndRest();
  EXPECT_EQ(CommandHelp(*commands[0]),
            "Uso: validador-cli pinta ARQUIVO --cor NOME [--quieto]\n"
            "Pinta.\n"
            "\n"
            "Opções:\n"
            "  --cor NOME        a cor\n"
            "  --quieto          sem saída\n");
  EXPECT_EQ(CommandHelp(*commands[2]), "Uso: validador-cli descansa\nDescansa.\n");
}

// An option the build cannot serve is taken (to be refused with its own message) but not
// listed, in the command's help or the program's.
TEST(CliCommandHelp, AnUnlistedOptionIsParsedButNotShown) {
  constexpr OptionSpec kHidden{"--oculta", "X", "não aparece", false};
  constexpr std::array<OptionSpec, 2> kOptions = {kColour, kHidden};
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(std::make_unique<DescribedCommand>(Command::Definition{
      .name = "pinta", .description = "Pinta.", .synopsis = {}, .options = kOptions,
      .positionals = {}}));
  EXPECT_EQ(CommandHelp(*commands[0]), "Uso: validador-cli pinta\nPinta.\n\nOpções:\n  --cor NOME        a cor\n");
  EXPECT_EQ(GlobalHelp(commands, "").find("--oculta"), std::string::npos);
  EXPECT_EQ(commands[0]->Execute({"--oculta", "1"}), 0);
}

TEST(CliCommandHelp, LongOptionKeepsTwoBlanksBeforeItsDescription) {
  const DescribedCommand command(Command::Definition{
      .name = "x", .description = "X.", .synopsis = {}, .options = kLongOptions,
      .positionals = {}});
  EXPECT_NE(CommandHelp(command).find("\n  --uma-opcao-bem-longa VALOR  longa\n"),
            std::string::npos);
}

TEST(CliWrapWords, BreaksBeforeAWordPassingTheWidthAndIndentsTheNextLine) {
  const std::string lead(kHelpWidth - 6, 'x');
  const std::array<std::string_view, 3> words = {"abcde", "f", "gh"};
  // lead + " abcde" is exactly the width; " f" would pass it.
  EXPECT_EQ(WrapWords(lead, words, 4), lead + " abcde\n    f gh\n");
}

TEST(CliWrapWords, CountsCharactersNotBytes) {
  const std::string lead(kHelpWidth - 6, 'x');
  const std::array<std::string_view, 1> fits = {"açúca"};  // five characters, seven bytes
  EXPECT_EQ(WrapWords(lead, fits, 0), lead + " açúca\n");
  const std::array<std::string_view, 1> passes = {"açúcar"};
  EXPECT_EQ(WrapWords(lead, passes, 0), lead + "\naçúcar\n");
}

TEST(CliWrapWords, NoWordsIsTheLeadAlone) {
  EXPECT_EQ(WrapWords("Uso: x", {}, 2), "Uso: x\n");
}

TEST(CliWrapParagraph, BreaksAtBlanksWithoutIndent) {
  const std::string first(kHelpWidth - 4, 'a');
  EXPECT_EQ(WrapParagraph(first + " bcd  efgh"), first + " bcd\nefgh\n");
  EXPECT_EQ(WrapParagraph("um dois"), "um dois\n");
}

}  // namespace
