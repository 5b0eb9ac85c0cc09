// validador-cli: the headless checker. A thin shell over the engine: it finds the
// command named by the first argument and runs it on the rest.

#include <iostream>
#include <string>
#include <string_view>

#include "cli/CommandRegistry.h"
#include "cli/Commands.h"
#include "cli/ErrorText.h"
#include "cli/HelpText.h"
#include "cli/StandardOutput.h"
#include "cli/UsageError.h"
#include "hash/Calchash.h"
#include "base/Errors.h"
#include "platform/Console.h"

namespace validador::cli {
namespace {

constexpr std::string_view kExitStatusText =
    "Código de saída: 0 sem erros; 1 com linhas de erro no log (hash: arquivo ilegível; "
    "selftest: falha); 2 comando interrompido por um erro; 64 uso incorreto.";

std::string ProgramHelp() {
  const std::string algorithms = "Algoritmos: " + AlgorithmNameList() + ".";
  return GlobalHelp(Commands(), WrapParagraph(algorithms) + "\n" + WrapParagraph(kExitStatusText));
}

bool IsHelpWord(std::string_view word) { return word == "--help" || word == "-h" || word == "help"; }

int RunCommandLine(const Args& arguments) {
  if (arguments.size() < 2) return ReportUsageError("falta o comando");
  const std::string& word = arguments[1];
  if (IsHelpWord(word)) {
    std::cout << ProgramHelp();
    return kExitOk;
  }
  const Command* command = FindCommand(word == "--version" ? "version" : word);
  if (command == nullptr) return ReportUsageError("comando desconhecido: " + word);
  return command->Execute(Args(arguments.begin() + 2, arguments.end()));
}

// A command that has done its work has not succeeded until its output is out: output
// the system did not take ends it with an error. A command already ended by an error
// or by a wrong use has said so and keeps its status.
int StatusOnceOutputIsOut(int status) {
  if (status != kExitOk && status != kExitFindings) return status;
  try {
    FlushOut();
  } catch (const validador::Exception& error) {
    ReportError(error);
    return kExitEnded;
  }
  return status;
}

}  // namespace
}  // namespace validador::cli

int main(int argc, char** argv) {
  using namespace validador::cli;
  validador::platform::PrepareStandardStreams();
  IgnoreOutputSignals();
  return StatusOnceOutputIsOut(RunCommandLine(validador::platform::ArgumentsOf(argc, argv)));
}
