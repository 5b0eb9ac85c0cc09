// Replacing a file whole when the process cannot finish: a write cut short by a size
// limit, a process killed half-way. Both need POSIX processes and limits.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "layout/Errors.h"
#include "platform/FileSystem.h"
#include "platform/ReplaceFile.h"
#include "support/TempDir.h"

namespace validador::platform {
namespace {

using testsupport::ReadAll;
using testsupport::TempDir;

// The names in the folder, sorted.
std::vector<std::string> NamesIn(const TempDir& dir) {
  std::vector<std::string> names = DirectoryEntries(dir.Path().string());
  std::sort(names.begin(), names.end());
  return names;
}

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
  EXPECT_EQ(NamesIn(dir), std::vector<std::string>{"HASHV.txt"});
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
  EXPECT_EQ(NamesIn(dir), std::vector<std::string>{"HASHV.txt"});
}

}  // namespace
}  // namespace validador::platform
