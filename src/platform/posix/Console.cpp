#include "platform/Console.h"

#include <unistd.h>

namespace validador::platform {

// Bytes already pass unchanged and terminals take UTF-8.
void PrepareStandardStreams() {}

std::vector<std::string> ArgumentsOf(int argc, char** argv) { return {argv, argv + argc}; }

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

}  // namespace validador::platform
