// Reading errors that need a POSIX system to make.

#include <gtest/gtest.h>

#include "hash/TFileStream.h"
#include "base/Errors.h"

namespace validador {
namespace {

TEST(TFileStream, ReadErrorIsAnInputOutputError) {
  // Reading the process's own memory at address 0 fails with EIO.
  TFileStream stream("/proc/self/mem");
  char block[16];
  try {
    stream.Read(block, sizeof block);
    FAIL() << "read succeeded";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "I/O error 5");
  }
}

}  // namespace
}  // namespace validador
