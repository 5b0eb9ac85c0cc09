// Opening and reading delivery files, and the questions asked of a folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/Errors.h"
#include "platform/FileSystem.h"
#include "platform/InputFile.h"
#include "platform/NotAFileCase.h"
#include "platform/ReplaceFile.h"
#include "support/TempDir.h"

namespace validador::platform {
namespace {

using testsupport::PathOfUtf8;
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
        NotAFileCase{"Folder",
                     [](const std::string& p) { std::filesystem::create_directory(PathOfUtf8(p)); },
                     "File access denied (\xE9 uma pasta)"}),
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
  EXPECT_TRUE(IsRegularFile(dir.File("a.txt")));
  EXPECT_FALSE(IsRegularFile(dir.File("sub")));
  EXPECT_TRUE(IsDirectory(dir.File("sub")));
  EXPECT_FALSE(IsDirectory(dir.File("a.txt")));
  EXPECT_FALSE(IsRegularFile(dir.File("nothing")));
  EXPECT_FALSE(IsDirectory(dir.File("nothing")));
  std::vector<std::string> names = DirectoryEntries(dir.File(""));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "sub"}));
  EXPECT_TRUE(DirectoryEntries(dir.File("nothing")).empty());
}

// Names with letters outside ASCII reach the file system whole, both ways: the engine's
// UTF-8 is the name on disk (on Windows its UTF-16), and listings give it back.
TEST(FileSystem, NamesWithLettersOutsideAsciiArePassedWhole) {
  TempDir dir;
  const std::string folder = dir.File("Entrega Łódź");
  std::filesystem::create_directory(PathOfUtf8(folder));
  const std::string path = folder + "/Extrato ação €.txt";
  ReplaceFileContents(path, "linha\r\n");
  EXPECT_TRUE(IsRegularFile(path));
  EXPECT_TRUE(IsDirectory(folder));
  EXPECT_EQ(DirectoryEntries(folder), std::vector<std::string>{"Extrato ação €.txt"});
  InputFile file(path);
  EXPECT_EQ(ReadWhole(file, 3), "linha\r\n");
  EXPECT_EQ(StampOf(path), file.Stamp());
  const auto onDisk = std::filesystem::directory_iterator(PathOfUtf8(folder))->path().filename();
  EXPECT_EQ(onDisk, PathOfUtf8("Extrato ação €.txt"));
}

// Sizes past 4 GiB are whole (a sparse file takes no room).
TEST(FileSystem, SizesPastFourGibibytes) {
  TempDir dir;
  const std::string path = dir.Write("grande.bin", "");
  const std::uint64_t size = (std::uint64_t{1} << 32) + 3;
  std::filesystem::resize_file(PathOfUtf8(path), size);
  EXPECT_EQ(StampOf(path)->size, size);
  EXPECT_EQ(InputFile(path).Stamp().size, size);
}

}  // namespace
}  // namespace validador::platform
