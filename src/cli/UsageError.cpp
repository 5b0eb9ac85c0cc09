#include "cli/UsageError.h"

#include <iostream>

#include "cli/Commands.h"

namespace validador::cli {

int ReportUsageError(std::string_view message) {
  std::cerr << "validador-cli: " << message << "\n"
            << "validador-cli: use 'validador-cli --help' para ver o uso.\n";
  return kExitUsage;
}

}  // namespace validador::cli
