// A file for work in progress: what is appended reads back in any range, clearing empties
// it, and it never shows in its folder.

#include <gtest/gtest.h>

#include <string>

#include "base/Errors.h"
#include "platform/ScratchFile.h"
#include "support/TempDir.h"

namespace validador::platform {
namespace {

using testsupport::NamesIn;
using testsupport::TempDir;

std::string ReadBack(ScratchFile& file, std::uint64_t from, std::uint64_t to) {
  std::string bytes;
  file.Read(from, to, [&bytes](std::string_view piece) { bytes.append(piece); });
  return bytes;
}

TEST(ScratchFile, ReadsBackWhatWasAppendedInAnyRange) {
  TempDir dir;
  ScratchFile file(dir.Path().string());
  std::string expected;
  // Small pieces (kept in its buffer), and pieces larger than the buffer.
  for (int i = 0; i < 3000; ++i) {
    const std::string piece = i % 1000 == 999 ? std::string(100000, static_cast<char>('a' + i % 26))
                                              : "linha " + std::to_string(i) + "\r\n";
    file.Append(piece);
    expected += piece;
  }
  EXPECT_EQ(file.Size(), expected.size());
  EXPECT_EQ(ReadBack(file, 0, file.Size()), expected);
  EXPECT_EQ(ReadBack(file, 7, 70007), expected.substr(7, 70000));
  EXPECT_EQ(ReadBack(file, 5, 5), "");
  file.Append("fim");
  EXPECT_EQ(ReadBack(file, expected.size(), file.Size()), "fim");
#ifndef _WIN32  // Windows keeps a hidden name until the file is closed
  EXPECT_TRUE(NamesIn(dir.Path()).empty());
#endif
}

TEST(ScratchFile, ClearEmptiesIt) {
  TempDir dir;
  ScratchFile file(dir.Path().string());
  file.Append(std::string(200000, 'x'));
  file.Clear();
  EXPECT_EQ(file.Size(), 0u);
  file.Append("novo");
  EXPECT_EQ(ReadBack(file, 0, file.Size()), "novo");
}

TEST(ScratchFile, AFolderThatIsNotThereIsAnErrorNamingIt) {
  TempDir dir;
  const std::string folder = dir.File("falta");
  try {
    ScratchFile file(folder);
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Path(), folder);
    EXPECT_EQ(error.Message(), "File not found");
  }
}

}  // namespace
}  // namespace validador::platform
