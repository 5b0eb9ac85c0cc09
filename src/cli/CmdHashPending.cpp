// Placeholder until the digest commands land; replaced by CmdHash.cpp.
#include <iostream>

#include "cli/Commands.h"

namespace validador::cli {
int RunHash(const Args&) { std::cerr << "validador-cli: hash ainda não disponível\n"; return 70; }
int RunSelftest(const Args&) { std::cerr << "validador-cli: selftest ainda não disponível\n"; return 70; }
}  // namespace validador::cli
