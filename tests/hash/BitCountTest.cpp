// The bit count is exact past 2^32 bits: the low half carries into the high half.

#include <gtest/gtest.h>

#include <string>

#include "HashTestAccess.h"
#include "HashTestSupport.h"

namespace validador {
namespace {

template <class Hash>
class BitCount : public ::testing::Test {};
TYPED_TEST_SUITE(BitCount, hashtest::AllHashClasses);

TYPED_TEST(BitCount, CarriesFromTheLowHalfIntoTheHighHalf) {
  TypeParam hash;
  hash.Init();
  const std::string block(8192, 'x');
  // 16 bits below the top of a 32-bit low half (or of the whole 64-bit count).
  constexpr bool wideCount = std::is_base_of_v<TDCP_sha512base, TypeParam>;
  constexpr bool singleCount = std::is_same_v<TypeParam, TDCP_tiger>;
  const std::uint64_t lowTop = wideCount ? ~std::uint64_t{0} : 0xFFFFFFFFull;
  HashTestAccess::SetBitCount(hash, 7, lowTop - 15);
  hash.Update(block.data(), 8192);  // adds 65536 bits
  const auto [high, low] = HashTestAccess::BitCount(hash);
  if (singleCount) {
    EXPECT_EQ(low, 0xFFFFFFFFull - 15 + 65536);  // one 64-bit count: no halves
  } else {
    EXPECT_EQ(high, 8u);
    EXPECT_EQ(low, 65536u - 16);
  }
}

TYPED_TEST(BitCount, AddsEightTimesTheByteCountOfEachCall) {
  TypeParam hash;
  hash.Init();
  const std::string bytes(1000, 'y');
  hash.Update(bytes.data(), 1000);
  hash.Update(bytes.data(), 1);
  EXPECT_EQ(HashTestAccess::BitCount(hash), (std::pair<std::uint64_t, std::uint64_t>{0, 8008}));
}

// More than 2^32 bits end to end: 65537 blocks of 8192 bytes (2^29 + 8192 bytes),
// compared with the digest that `openssl dgst -sha1` gives for the same bytes.
TEST(BitCountEndToEnd, Sha1OfMoreThan4GiBits) {
  std::string block(8192, '\0');
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>((i * 7 + 3) & 255);
  TDCP_sha1 hash;
  std::uint8_t digest[20];
  hash.Init();
  for (int i = 0; i < 65537; ++i) hash.Update(block.data(), 8192);
  EXPECT_EQ(HashTestAccess::BitCount(hash), (std::pair<std::uint64_t, std::uint64_t>{1, 65536}));
  hash.Final(digest);
  EXPECT_EQ(DigestText(digest, 20), "C740303552A9D11399B2C4EB9D6333310E5A53DA");
}

}  // namespace
}  // namespace validador
