#include <gtest/gtest.h>

#include "hash/DigestText.h"

namespace validador {
namespace {

TEST(DigestText, TwoUppercaseDigitsPerByteWithLeadingZeros) {
  const std::uint8_t bytes[] = {0x0A, 0x00, 0xFF, 0x5C, 0x01, 0xB0};
  EXPECT_EQ(DigestText(bytes, 6), "0A00FF5C01B0");
  EXPECT_EQ(DigestText(bytes, 1), "0A");
  EXPECT_EQ(DigestText(bytes, 0), "");
}

}  // namespace
}  // namespace validador
