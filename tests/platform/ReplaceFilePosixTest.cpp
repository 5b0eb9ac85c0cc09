// Replacing a file whole when the process cannot finish: a write cut short by a size
// limit, a process killed half-way. Both need POSIX processes and limits.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "base/Errors.h"
#include "platform/FileSystem.h"
#include "platform/ReplaceFile.h"
#include "support/TempDir.h"

namespace validador::platform {
namespace {

using testsupport::NamesIn;
using testsupport::ReadAll;
using testsupport::TempDir;

// Runs `body` in a child process and returns how it ended (a wait status).
template <typename Body>
int InChildProcess(Body body) {
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

// A size limit makes the write fail half-way: the old file stays, nothing is left over.
TEST(ReplaceFile, AWriteCutShortLeavesTheOldFileAndNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.Write("HASHV.txt", "old\r\n");
  const int status = InChildProcess([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      ReplaceFileContents(path, std::string(100000, 'x'));
    } catch (const EInOutError& error) {
      ::_exit(error.Path() == path && std::string(error.what()) == "I/O error 27" ? 3 : 4);
    }
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3);
  EXPECT_EQ(ReadAll(path), "old\r\n");
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"HASHV.txt"});
}

// A process killed once the new bytes are written leaves the old file whole and no
// temporary file: the new file has no name until just before the rename.
TEST(ReplaceFile, AProcessKilledAfterWritingLeavesNothingBehind) {
  TempDir dir;
  const std::string path = dir.Write("HASHV.txt", "old\r\n");
  const int status = InChildProcess([&] {
    SetAfterWriteHookForTests([] { ::raise(SIGKILL); });
    ReplaceFileContents(path, std::string(5000, 'n'));
  });
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(ReadAll(path), "old\r\n");
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"HASHV.txt"});
}

// A target whose name is as long as a name may be (255 bytes on the usual file systems)
// still gets a temporary name, whether the file is first unnamed or named at once.
class ReplaceFileLongName : public ::testing::TestWithParam<std::tuple<std::size_t, bool>> {};

TEST_P(ReplaceFileLongName, WritesTheTarget) {
  const auto [length, unnamed] = GetParam();
  TempDir dir;
  const std::string name = std::string(length - 4, 'r') + ".pdf";
  SetUnnamedTemporaryFilesForTests(unnamed);
  EXPECT_NO_THROW(ReplaceFileContents(dir.File(name), "%PDF"));
  SetUnnamedTemporaryFilesForTests(true);
  EXPECT_EQ(ReadAll(dir.File(name)), "%PDF");
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{name});
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReplaceFileLongName,
                         ::testing::Combine(::testing::Values(244, 250, 255), ::testing::Bool()));

// Where the file system has no unnamed files, the temporary file has a name while it is
// written: SIGINT, SIGTERM and SIGHUP remove it before the process ends, as the signal
// would have ended it.
class ReplaceFileSignal : public ::testing::TestWithParam<int> {};

TEST_P(ReplaceFileSignal, RemovesTheNamedTemporaryFileAndEndsTheProcess) {
  const int signalNumber = GetParam();
  TempDir dir;
  const std::string path = dir.Write("HASHV.txt", "old\r\n");
  const int status = InChildProcess([&] {
    SetUnnamedTemporaryFilesForTests(false);
    SetAfterWriteHookForTests([&] {
      // The fallback really wrote a named file beside the target before the signal.
      if (NamesIn(dir.Path()).size() != 2) ::_exit(5);
      ::raise(signalNumber);
    });
    ReplaceFileContents(path, std::string(5000, 'n'));
    ::_exit(6);  // the signal did not end the process
  });
  ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << (WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  EXPECT_EQ(WTERMSIG(status), signalNumber);
  EXPECT_EQ(ReadAll(path), "old\r\n");
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"HASHV.txt"});
}

INSTANTIATE_TEST_SUITE_P(Signals, ReplaceFileSignal, ::testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const auto& info) {
                           return info.param == SIGINT ? "Int" : info.param == SIGTERM ? "Term" : "Hup";
                         });

// Without a signal, the named fallback gives the same result as the unnamed file.
TEST(ReplaceFile, TheNamedFallbackReplacesTheFileAndLeavesNothingElse) {
  TempDir dir;
  const std::string path = dir.Write("HASHV.txt", "old\r\n");
  SetUnnamedTemporaryFilesForTests(false);
  ReplaceFileContents(path, "new\r\n");
  SetUnnamedTemporaryFilesForTests(true);
  EXPECT_EQ(ReadAll(path), "new\r\n");
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"HASHV.txt"});
}

}  // namespace
}  // namespace validador::platform
