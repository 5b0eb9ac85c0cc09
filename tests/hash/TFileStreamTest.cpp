#include <gtest/gtest.h>

#include <string>

#include "HashTestSupport.h"
#include "hash/TFileStream.h"
#include "base/Errors.h"
#include "support/TempDir.h"

namespace validador {
namespace {

TEST(TFileStream, ReadsTheFileInOrderAcrossItsBlocks) {
  testsupport::TempDir dir;
  const std::string bytes = hashtest::PseudoRandomBytes(TFileStream::kBlockSize + 8192 + 77, 9);
  TFileStream stream(dir.Write("f.bin", bytes));
  EXPECT_EQ(stream.Size(), bytes.size());
  std::string read;
  char block[8192];
  for (std::uint32_t got; (got = stream.Read(block, sizeof block)) > 0;) {
    read.append(block, got);
    if (got < sizeof block) {
      EXPECT_EQ(read.size(), bytes.size());  // short only at the end
    }
  }
  EXPECT_EQ(read, bytes);
  EXPECT_EQ(stream.Read(block, 10), 0u);
}

TEST(TFileStream, AReadLargerThanItsBlockIsServedWhole) {
  testsupport::TempDir dir;
  const std::string bytes = hashtest::PseudoRandomBytes(3 * TFileStream::kBlockSize, 2);
  TFileStream stream(dir.Write("f.bin", bytes));
  std::string read(bytes.size() + 10, '\0');
  EXPECT_EQ(stream.Read(read.data(), static_cast<std::uint32_t>(read.size())), bytes.size());
  EXPECT_EQ(read.substr(0, bytes.size()), bytes);
}

TEST(TFileStream, MissingFileOrDirectoryCannotBeOpened) {
  testsupport::TempDir dir;
  try {
    TFileStream stream(dir.File("falta.txt"));
    FAIL() << "opened a missing file";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
  EXPECT_THROW(TFileStream stream(dir.Path().string()), EInOutError);
}

}  // namespace
}  // namespace validador
