// Reading errors that need a POSIX system to make.

#include <gtest/gtest.h>

#include <string_view>

#include "base/Errors.h"
#include "validation/scan/LineReader.h"

namespace validador {
namespace {

TEST(LineReaderErrors, FailedReadRaisesInOutError) {
  LineReader reader("/proc/self/mem");  // opens, but reading its start fails
  std::string_view line;
  EXPECT_THROW(reader.Next(line), EInOutError);
}

}  // namespace
}  // namespace validador
