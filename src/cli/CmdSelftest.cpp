// `selftest`: the known-answer test of every digest component.

#include <iostream>
#include <memory>

#include "cli/Command.h"
#include "cli/CommandRegistry.h"
#include "cli/Commands.h"
#include "hash/Calchash.h"
#include "hash/DCPhash.h"

namespace validador::cli {
namespace {

class SelftestCommand final : public Command {
 public:
  SelftestCommand()
      : Command({.name = "selftest",
                 .description = "Executa o autoteste de cada algoritmo de hash.",
                 .synopsis = {},
                 .options = {},
                 .positionals = {}}) {}

 protected:
  int Run(const ParsedArgs&) const override {
    bool allPass = true;
    for (const AlgorithmRow& row : kAlgorithms) {
      const TDCP_hashclass& hashClass = row.componentClass();
      const bool passes = hashClass.SelfTest();
      std::cout << hashClass.GetAlgorithm() << (passes ? " ok" : " FAIL") << "\n";
      allPass = allPass && passes;
    }
    return allPass ? kExitOk : kExitFindings;
  }
};

}  // namespace

std::unique_ptr<Command> MakeSelftestCommand() { return std::make_unique<SelftestCommand>(); }

}  // namespace validador::cli
