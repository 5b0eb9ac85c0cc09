// `version` (and `validador-cli --version`): the program's version.

#include <iostream>
#include <memory>

#include "cli/Command.h"
#include "cli/CommandRegistry.h"
#include "cli/Commands.h"

#ifndef VALIDADOR_VERSION
#error "VALIDADOR_VERSION is defined by the build from the project's version"
#endif

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
    std::cout << "validador-cli " << VALIDADOR_VERSION << "\n";
    return kExitOk;
  }
};

}  // namespace

std::unique_ptr<Command> MakeVersionCommand() { return std::make_unique<VersionCommand>(); }

}  // namespace validador::cli
