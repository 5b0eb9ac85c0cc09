#pragma once
// A wrong use of validador-cli: an unknown command or option, a missing or extra
// argument, a value the command does not accept.

#include <stdexcept>
#include <string_view>

namespace validador::cli {

// Thrown with the message shown after "validador-cli: ".
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Prints "validador-cli: <message><note>" and the hint "validador-cli: use 'validador-cli
// --help' para ver o uso." to stderr, the message with its control characters escaped (it
// may quote an argument; the note is the program's own); returns kExitUsage.
int ReportUsageError(std::string_view message, std::string_view note = {});

}  // namespace validador::cli
