// Placeholder until the check commands land; replaced by CmdCheck.cpp.
#include <iostream>

#include "cli/Commands.h"

namespace validador::cli {
int RunCheck(const Args&) { std::cerr << "validador-cli: check ainda não disponível\n"; return 70; }
int RunCheckFile(const Args&) { std::cerr << "validador-cli: check-file ainda não disponível\n"; return 70; }
}  // namespace validador::cli
