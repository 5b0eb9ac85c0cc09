// Opening and reading delivery files, and the questions asked of a folder.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "layout/Errors.h"
#include "platform/FileSystem.h"
#include "platform/InputFile.h"
#include "support/TempDir.h"

namespace validador::platform {
namespace {

using testsupport::TempDir;

std::string ReadWhole(InputFile& file, std::size_t piece) {
  std::string bytes, buffer(piece, '\0');
  while (const std::size_t got = file.Read(buffer.data(), buffer.size())) bytes.append(buffer, 0, got);
  return bytes;
}

TEST(InputFile, ReadsEveryByteToTheEnd) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += static_cast<char>(i * 7 % 256);
  InputFile file(dir.Write("a.bin", bytes));
  EXPECT_EQ(ReadWhole(file, 4093), bytes);
  EXPECT_EQ(file.Stamp().size, bytes.size());
}

// Something other than a regular file at the path is refused at once, never waited on.
struct NotAFileCase {
  const char* name;
  void (*make)(const std::string& path);
  const char* message;
};

class InputFileRefuses : public ::testing::TestWithParam<NotAFileCase> {};

TEST_P(InputFileRefuses, WithAnErrorNamingThePath) {
  TempDir dir;
  const std::string path = dir.File("I_IDENTIFICA_DADOS.txt");
  GetParam().make(path);
  try {
    InputFile file(path);
    FAIL() << "opened";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
    EXPECT_EQ(error.Path(), path);
  }
  EXPECT_FALSE(IsRegularFile(path));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, InputFileRefuses,
    ::testing::Values(
        NotAFileCase{"Missing", [](const std::string&) {}, "File not found"},
        NotAFileCase{"Fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
                     "File access denied"},
        NotAFileCase{"Folder", [](const std::string& p) { std::filesystem::create_directory(p); },
                     "File access denied"},
        NotAFileCase{"DanglingLink",
                     [](const std::string& p) { std::filesystem::create_symlink(p + ".gone", p); },
                     "File not found"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputFile, TheStampChangesWhenTheFileDoes) {
  TempDir dir;
  const std::string path = dir.Write("a.txt", "abc");
  InputFile file(path);
  const FileStamp before = file.Stamp();
  EXPECT_EQ(StampOf(path), before);
  std::ofstream(path, std::ios::app | std::ios::binary) << "d";
  EXPECT_NE(file.Stamp(), before);
  EXPECT_EQ(file.Stamp().size, 4u);
}

TEST(FileSystem, TellsFilesFromFoldersAndListsEntries) {
  TempDir dir;
  dir.Write("a.txt", "x");
  std::filesystem::create_directory(dir.Path() / "sub");
  std::filesystem::create_symlink(dir.File("a.txt"), dir.Path() / "link.txt");
  EXPECT_TRUE(IsRegularFile(dir.File("a.txt")));
  EXPECT_TRUE(IsRegularFile(dir.File("link.txt")));  // links are followed
  EXPECT_FALSE(IsRegularFile(dir.File("sub")));
  EXPECT_TRUE(IsDirectory(dir.File("sub")));
  EXPECT_FALSE(IsDirectory(dir.File("a.txt")));
  std::vector<std::string> names = DirectoryEntries(dir.Path().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "link.txt", "sub"}));
  EXPECT_TRUE(DirectoryEntries(dir.File("nothing")).empty());
}

}  // namespace
}  // namespace validador::platform
