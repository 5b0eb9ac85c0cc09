// What only POSIX systems put where a delivery file should be: FIFOs and links.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/FileSystem.h"
#include "platform/NotAFileCase.h"
#include "support/TempDir.h"

namespace validador::platform {
namespace {

INSTANTIATE_TEST_SUITE_P(
    PosixKinds, InputFileRefuses,
    ::testing::Values(
        NotAFileCase{"Fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
                     "File access denied (n\xE3o \xE9 um arquivo comum)"},
        NotAFileCase{"DanglingLink",
                     [](const std::string& p) { std::filesystem::create_symlink(p + ".gone", p); },
                     "File not found"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileSystemPosix, LinksAreFollowed) {
  testsupport::TempDir dir;
  dir.Write("a.txt", "x");
  std::filesystem::create_directory(dir.Path() / "sub");
  std::filesystem::create_symlink(dir.File("a.txt"), dir.Path() / "link.txt");
  std::filesystem::create_symlink(dir.File("sub"), dir.Path() / "sublink");
  EXPECT_TRUE(IsRegularFile(dir.File("link.txt")));
  EXPECT_FALSE(IsRegularFile(dir.File("sublink")));
  EXPECT_TRUE(IsDirectory(dir.File("sublink")));
  std::vector<std::string> names = DirectoryEntries(dir.Path().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "link.txt", "sub", "sublink"}));
}

}  // namespace
}  // namespace validador::platform
