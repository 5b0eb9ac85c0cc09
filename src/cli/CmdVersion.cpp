// `version` (and `validador-cli --version`): the program's version.

#include <iostream>
#include <memory>

#include "ProgramVersion.h"
#include "cli/Command.h"
#include "cli/CommandRegistry.h"
#include "cli/Commands.h"

namespace validador::cli {
namespace {

class VersionCommand final : public Command {
 public:
  VersionCommand()
      : Command({.name = "version",
                 .description = "Imprime a versão do programa (também: --version).",
                 .synopsis = {},
                 .options = {},
                 .positionals = {}}) {}

 protected:
  int Run(const ParsedArgs&) const override {
    std::cout << "validador-cli " << kProgramVersion << "\n";
    return kExitOk;
  }
};

}  // namespace

std::unique_ptr<Command> MakeVersionCommand() { return std::make_unique<VersionCommand>(); }

}  // namespace validador::cli
