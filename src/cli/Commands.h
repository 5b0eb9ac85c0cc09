#pragma once
// The commands of validador-cli. Each takes the arguments after its own name and
// returns the process exit status.

#include <string>
#include <string_view>
#include <vector>

namespace validador::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1;   // hash: a file unreadable; check: an error line
inline constexpr int kExitEnded = 2;      // a command ended by an error
inline constexpr int kExitUsage = 64;

using Args = std::vector<std::string>;

int RunHash(const Args& args);
int RunSelftest(const Args& args);
int RunCheck(const Args& args);
int RunCheckFile(const Args& args);

// Prints "validador-cli: <message>" and a hint to stderr; returns kExitUsage.
int UsageError(std::string_view message);

}  // namespace validador::cli
