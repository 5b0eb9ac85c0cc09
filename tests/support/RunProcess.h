#pragma once
// Runs a program to its end and gives back its exit status, stdout and stderr.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/TextLines.h"

namespace testsupport {

struct ProcessResult {
  int exitCode = -1;     // the exit status, or 128 + signal number
  std::string out;       // everything written to stdout
  std::string err;       // everything written to stderr
};

// Runs `program` with `args`; `stdinText` is fed to its standard input. With a
// `timeoutSeconds` other than 0 the program is killed once that time is up (by SIGALRM;
// on Windows ended with the same status, 128 + 14), so that a program that hangs fails its
// test instead of blocking the run.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdinText = "", unsigned timeoutSeconds = 0);

// Where a program's standard output goes.
enum class StdoutTo {
  Captured,    // a pipe read into ProcessResult::out
  DevFull,     // /dev/full: every write fails with "no space left"
  ClosedPipe,  // a pipe whose reading end is closed before the program starts
};

struct RunOptions {
  std::string stdinText;
  // The size no file the program writes may pass (RLIMIT_FSIZE), in bytes.
  std::optional<std::uint64_t> fileSizeLimit;
  StdoutTo stdoutTo = StdoutTo::Captured;
};

// As RunProcess, with the options. stdout and stderr are read through pipes, so that a
// file-size limit bears on the files the program writes and not on its output.
ProcessResult RunProcessWith(const std::string& program, const std::vector<std::string>& args,
                             const RunOptions& options);

}  // namespace testsupport
