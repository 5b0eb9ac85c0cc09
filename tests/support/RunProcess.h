#pragma once
// Runs a program to its end and gives back its exit status, stdout and stderr.

#include <string>
#include <vector>

namespace testsupport {

struct ProcessResult {
  int exitCode = -1;     // the exit status, or 128 + signal number
  std::string out;       // everything written to stdout
  std::string err;       // everything written to stderr
};

// Runs `program` with `args`; `stdinText` is fed to its standard input. With a
// `timeoutSeconds` other than 0 the program is killed by SIGALRM once that time is up
// (exit status 128 + 14), so that a program that hangs fails its test instead of
// blocking the run.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdinText = "", unsigned timeoutSeconds = 0);

}  // namespace testsupport
