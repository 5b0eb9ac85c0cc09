// Replacing a file whole: the new bytes or the old ones, never a mix, never a
// temporary file left behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

#include "base/Errors.h"
#include "platform/FileSystem.h"
#include "platform/ReplaceFile.h"
#include "support/TempDir.h"

namespace validador::platform {
namespace {

using testsupport::NamesIn;
using testsupport::ReadAll;
using testsupport::TempDir;

TEST(ReplaceFile, WritesTheBytesAndReplacesTheOldFile) {
  TempDir dir;
  const std::string path = dir.Write("HASHV.txt", "old content that is longer\r\n");
  ReplaceFileContents(path, "AB\r\nCD\r\n");
  EXPECT_EQ(ReadAll(path), "AB\r\nCD\r\n");
  ReplaceFileContents(dir.File("novo.txt"), "");
  EXPECT_EQ(ReadAll(dir.File("novo.txt")), "");
  EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{"HASHV.txt", "novo.txt"}));
}

TEST(ReplaceFile, AFolderThatIsNotThereIsAnErrorNamingThePath) {
  TempDir dir;
  const std::string path = dir.File("falta/HASHV.txt");
  try {
    ReplaceFileContents(path, "x");
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "File not found");
    EXPECT_EQ(error.Path(), path);
  }
}

// A failure once the bytes are written (here thrown by the test's hook) leaves the old
// file whole and removes the temporary file.
TEST(ReplaceFile, AFailureBeforeTheRenameLeavesTheOldFileAndNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.Write("HASHV.txt", "old\r\n");
  SetAfterWriteHookForTests([] { throw std::runtime_error("stopped"); });
  EXPECT_THROW(ReplaceFileContents(path, std::string(5000, 'n')), std::runtime_error);
  SetAfterWriteHookForTests(nullptr);
  EXPECT_EQ(ReadAll(path), "old\r\n");
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"HASHV.txt"});
}

// Two writers at once: a reader only ever sees one whole content or the other.
TEST(ReplaceFile, ConcurrentWritersLeaveOneWholeFile) {
  TempDir dir;
  const std::string path = dir.File("HASHV.txt");
  const std::string first(20000, 'a');
  const std::string second(30000, 'b');
  ReplaceFileContents(path, first);
  std::atomic<bool> done{false};
  auto writer = [&](const std::string& content) {
    for (int i = 0; i < 100; ++i) ReplaceFileContents(path, content);
  };
  std::thread one(writer, first), two(writer, second);
  int wholeReads = 0;
  std::thread checker([&] {
    while (!done) {
      std::string seen;
      try {
        seen = ReadAll(path);
      } catch (const std::runtime_error&) {
        // On Windows, opening the file at the instant it is replaced is refused (a
        // sharing violation) and the reader tries again; POSIX systems never refuse.
        continue;
      }
      ++wholeReads;
      EXPECT_TRUE(seen == first || seen == second) << seen.size() << " bytes";
    }
  });
  one.join();
  two.join();
  done = true;
  checker.join();
  EXPECT_GT(wholeReads, 0);
  const std::string last = ReadAll(path);
  EXPECT_TRUE(last == first || last == second);
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"HASHV.txt"});
}

// Whether a folder takes an output: a probe file is created and removed, so nothing is left.
TEST(CheckCanCreateFileIn, AFolderThatTakesAFileIsLeftAsItWas) {
  const TempDir dir;
  dir.Write("a.txt", "x");
  EXPECT_NO_THROW(CheckCanCreateFileIn(dir.Path().string()));
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"a.txt"});
}

TEST(CheckCanCreateFileIn, AMissingFolderOrAFileIsAnErrorNamingIt) {
  const TempDir dir;
  const std::string file = dir.Write("a.txt", "x");
  for (const std::string& folder : {dir.File("falta"), file}) {
    try {
      CheckCanCreateFileIn(folder);
      ADD_FAILURE() << folder << " was taken as a folder";
    } catch (const EInOutError& error) {
      EXPECT_EQ(error.Path(), folder);
    }
  }
  try {
    CheckCanCreateFileIn(dir.File("falta"));
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), "File not found");
  }
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"a.txt"});
}

}  // namespace
}  // namespace validador::platform
