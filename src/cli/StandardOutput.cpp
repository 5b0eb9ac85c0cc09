#include "cli/StandardOutput.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>

#include "base/Errors.h"

namespace validador::cli {
namespace {

// `error` is errno after the failed call; a failure found only by the stream's error
// flag has no errno left, and reads as a plain input/output error.
[[noreturn]] void Fail(int error) {
  throw EInOutError::FromErrno(error != 0 ? error : EIO, kStandardOutputName);
}

}  // namespace

void WriteOut(std::string_view text) {
  errno = 0;
  const std::size_t written = std::fwrite(text.data(), 1, text.size(), stdout);
  if (written != text.size() || std::ferror(stdout) != 0) Fail(errno);
}

// std::cout shares stdout's buffer, so one flush of stdout hands on both, and its
// errno is the reason of the failure.
void FlushOut() {
  errno = 0;
  if (std::fflush(stdout) != 0) Fail(errno);
  if (std::ferror(stdout) != 0 || std::cout.bad()) Fail(0);
}

void IgnoreOutputSignals() {
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace validador::cli
