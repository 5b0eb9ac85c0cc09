#include "cli/UsageError.h"

#include <iostream>

#include "cli/Commands.h"
#include "cli/EscapedText.h"

namespace validador::cli {

int ReportUsageError(std::string_view message, std::string_view note) {
  // A message may quote an argument: what a terminal would act on is shown escaped.
  std::cerr << "validador-cli: " << EscapeControls(message) << note << "\n"
            << "validador-cli: use 'validador-cli --help' para ver o uso.\n";
  return kExitUsage;
}

}  // namespace validador::cli
