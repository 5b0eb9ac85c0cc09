#include "cli/Command.h"

#include <iostream>

#include "cli/Commands.h"
#include "cli/HelpText.h"
#include "cli/UsageError.h"

namespace validador::cli {

int Command::Execute(const Args& args) const {
  try {
    const ParsedArgs parsed = ParseArgs(args, Options(), definition_.positionals);
    if (parsed.helpRequested) {
      std::cout << CommandHelp(*this);
      return kExitOk;
    }
    return Run(parsed);
  } catch (const UsageError& error) {
    return ReportUsageError(error.what(), UsageNote());
  }
}

}  // namespace validador::cli
