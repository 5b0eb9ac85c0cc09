#pragma once
// The options of `check` and `check-file`.

#include <optional>
#include <string>

#include "cli/Commands.h"

namespace validador::cli {

struct CheckOptions {
  std::string target;                 // FOLDER (check) or FILE (check-file)
  std::optional<std::string> caso;    // --case, UTF-8 as typed
  std::optional<std::string> banco;   // --bank
  std::optional<std::string> hash;    // --hash
  std::optional<std::string> folder;  // --folder (check-file)
  std::optional<std::string> report;  // --report OUT.pdf
  bool styled = false;
  bool manifest = false;
  bool help = false;
};

// Parses the arguments after the command name. On a usage error returns nullopt
// after printing it (the caller exits with kExitUsage).
std::optional<CheckOptions> ParseCheckOptions(const Args& args, bool singleFile);

}  // namespace validador::cli
