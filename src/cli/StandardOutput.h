#pragma once
// The command line's standard output, where the log and the digests go. Whatever the
// system refuses to take (a full disk, a closed pipe) is an error of the command: the
// output is never lost quietly.

#include <string_view>

namespace validador::cli {

// The name errors of the standard output give as their file.
inline constexpr const char* kStandardOutputName = "saída padrão";

// Writes `text` to stdout. Throws EInOutError naming kStandardOutputName when the
// stream has failed, now or before.
void WriteOut(std::string_view text);

// Hands everything written to stdout (std::cout included) to the system. Throws
// EInOutError naming kStandardOutputName when any of it could not be written.
void FlushOut();

// Ignores the signals that would end the program instead of letting a write fail with
// an error: a pipe whose reader has gone (SIGPIPE), a file past the size limit (SIGXFSZ).
void IgnoreOutputSignals();

}  // namespace validador::cli
