// What only Windows has: devices behind file names, its error codes, names that differ
// only in letter case, and other programs holding a file open.

#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "base/Errors.h"
#include "platform/FileSystem.h"
#include "platform/InputFile.h"
#include "platform/ReplaceFile.h"
#include "platform/windows/WindowsErrors.h"
#include "support/TempDir.h"

namespace validador::platform {
namespace {

using testsupport::PathOfUtf8;
using testsupport::ReadAll;
using testsupport::TempDir;

TEST(WindowsFiles, ADeviceIsNotARegularFile) {
  EXPECT_FALSE(IsRegularFile("NUL"));
  try {
    InputFile file("NUL");
    FAIL() << "opened";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "File access denied (n\xE3o \xE9 um arquivo comum)");
    EXPECT_EQ(error.Path(), "NUL");
  }
}

struct CodeCase {
  unsigned long code;
  const char* message;
};

class WindowsErrorText : public ::testing::TestWithParam<CodeCase> {};

TEST_P(WindowsErrorText, NamesTheFileAndKeepsTheCode) {
  const EInOutError error = IoErrorOf(GetParam().code, "C:\\Dados\\A.txt");
  EXPECT_STREQ(error.what(), GetParam().message);
  EXPECT_EQ(error.ErrorCode(), static_cast<int>(GetParam().code));
  EXPECT_EQ(error.Path(), "C:\\Dados\\A.txt");
}

INSTANTIATE_TEST_SUITE_P(Codes, WindowsErrorText,
                         ::testing::Values(CodeCase{ERROR_FILE_NOT_FOUND, "File not found"},
                                           CodeCase{ERROR_PATH_NOT_FOUND, "File not found"},
                                           CodeCase{ERROR_ACCESS_DENIED, "File access denied"},
                                           CodeCase{ERROR_DISK_FULL, "Disk full"},
                                           CodeCase{ERROR_HANDLE_DISK_FULL, "Disk full"},
                                           CodeCase{ERROR_SHARING_VIOLATION, "I/O error 32"},
                                           CodeCase{ERROR_INVALID_NAME, "I/O error 123"}));

// The stamp tells files apart by volume and file index, not by the name used.
TEST(WindowsFiles, OneFileUnderTwoLetterCasesHasOneStamp) {
  TempDir dir;
  const std::string path = dir.Write("a.txt", "abc");
  const std::string other = dir.Write("b.txt", "abc");
  ASSERT_TRUE(StampOf(dir.File("A.TXT")).has_value());
  EXPECT_EQ(StampOf(dir.File("A.TXT")), StampOf(path));
  EXPECT_EQ(InputFile(dir.File("A.TXT")).Stamp(), InputFile(path).Stamp());
  EXPECT_NE(StampOf(other)->identity, StampOf(path)->identity);
}

// Another program reading the old file without letting it be replaced holds the rename
// back; the new content takes its place once that program lets go.
TEST(WindowsFiles, AReplacementWaitsForAReaderThatHoldsTheFile) {
  TempDir dir;
  const std::string path = dir.Write("HASHV.txt", "old\r\n");
  const HANDLE reader = ::CreateFileW(PathOfUtf8(path).wstring().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  std::atomic<bool> released{false};
  std::thread letGo([reader, &released] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ::CloseHandle(reader);
    released = true;
  });
  ReplaceFileContents(path, "new\r\n");
  EXPECT_TRUE(released);
  letGo.join();
  EXPECT_EQ(ReadAll(path), "new\r\n");
}

}  // namespace
}  // namespace validador::platform
