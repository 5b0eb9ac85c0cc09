#pragma once
// How validador-cli shows an error on stderr: the file concerned and the reason, every
// byte of the message kept, control characters written as escapes.

#include <exception>
#include <string>
#include <string_view>

#include "cli/EscapedText.h"

namespace validador::cli {

// What every line validador-cli writes to stderr starts with.
inline constexpr std::string_view kProgramPrefix = "validador-cli: ";

// The line for an error that ended a command: "validador-cli: PATH: MESSAGE." when the
// error names its file (input/output errors, a file changed while read; a conversion
// error names the file and the box: "I_IDENTIFICA_DADOS.txt, quantidade declarada de E"),
// else "validador-cli: MESSAGE.". The message is the system's own text, whole (a NUL in it
// does not cut it), turned into UTF-8.
std::string ErrorLine(const std::exception& error);

// Writes ErrorLine(error) and a line break to stderr.
void ReportError(const std::exception& error);

}  // namespace validador::cli
