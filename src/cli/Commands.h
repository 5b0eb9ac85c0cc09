#pragma once
// What the commands of validador-cli share: their exit statuses, the --hash option and
// the algorithm names for usage messages.

#include <string>

#include "cli/OptionParser.h"

namespace validador::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1;   // hash: a file unreadable; check: an error line
inline constexpr int kExitEnded = 2;      // a command ended by an error
inline constexpr int kExitUsage = 64;

inline constexpr OptionSpec kHashOption{"--hash", "NOME",
                                        "algoritmo de hash (padrão md5; verify: o do HASHV.txt)"};

}  // namespace validador::cli
