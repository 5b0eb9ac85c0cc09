// Feeding a message in pieces of any sizes gives the digest of feeding it whole;
// UpdateStream reads in blocks of 8192 bytes and feeds what the stream reports.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "HashTestAccess.h"
#include "HashTestSupport.h"

namespace validador {
namespace {

using hashtest::AllHashClasses;
using hashtest::CountingStream;
using hashtest::DigestInPieces;
using hashtest::DigestOf;

template <class Hash>
class Feeding : public ::testing::Test {};
TYPED_TEST_SUITE(Feeding, AllHashClasses);

// Piece sizes around the block sizes (64 and 128) and the stream block (8192).
const std::vector<std::vector<std::size_t>> kPieceSizes = {
    {1},   {3, 61}, {55},  {56},  {63},         {64},   {65},   {111, 17}, {117},
    {118}, {127},   {128}, {129}, {200, 1, 56}, {8191}, {8192}, {8193},    {20000}};

TYPED_TEST(Feeding, PiecesOfAwkwardSizesEqualTheWholeMessage) {
  const std::string message = hashtest::PseudoRandomBytes(20011, 7);
  const std::string whole = DigestOf<TypeParam>(message);
  for (const auto& sizes : kPieceSizes) {
    EXPECT_EQ(DigestInPieces<TypeParam>(message, sizes), whole) << "first piece " << sizes[0];
  }
}

TYPED_TEST(Feeding, FillingTheFreeSpaceOfTheBlockExactly) {
  const std::string message = hashtest::Letters(1000);
  const std::size_t block = HashTestAccess::BlockBuffer(*std::make_unique<TypeParam>()).size();
  const std::string whole = DigestOf<TypeParam>(message);
  EXPECT_EQ(DigestInPieces<TypeParam>(message, {10, block - 10}), whole);
  EXPECT_EQ(DigestInPieces<TypeParam>(message, {block - 1, 1}), whole);
  EXPECT_EQ(DigestInPieces<TypeParam>(message, {3 * block}), whole);
}

TYPED_TEST(Feeding, EveryLengthAroundTheTrailerBoundary) {
  // Lengths leaving B - T - 1, B - T and B - T + 1 bytes in the last block, for
  // every class: fed whole and fed one byte at a time agree.
  for (std::size_t length = 50; length <= 140; ++length) {
    const std::string message = hashtest::Letters(length);
    ASSERT_EQ(DigestInPieces<TypeParam>(message, {1}), DigestOf<TypeParam>(message))
        << "length " << length;
  }
}

TYPED_TEST(Feeding, UpdateStreamReadsInBlocksOf8192) {
  struct Case {
    std::size_t streamBytes;
    std::uint64_t size;
    std::vector<std::uint32_t> reads;
  };
  const Case cases[] = {
      {100, 0, {}}, {8192, 8192, {8192}}, {9000, 8193, {8192, 1}}, {20000, 16384, {8192, 8192}}};
  for (const auto& c : cases) {
    const std::string bytes = hashtest::PseudoRandomBytes(c.streamBytes, 3);
    CountingStream stream(bytes);
    TypeParam hash;
    std::uint8_t digest[64];
    hash.Init();
    hash.UpdateStream(stream, c.size);
    hash.Final(digest);
    EXPECT_EQ(stream.requests, c.reads) << "size " << c.size;
    EXPECT_EQ(DigestText(digest, TypeParam::GetHashSize() / 8),
              DigestOf<TypeParam>(std::string_view(bytes).substr(0, c.size)));
  }
}

TYPED_TEST(Feeding, UpdateStreamPastTheEndDigestsOnlyWhatIsThere) {
  const std::string bytes = hashtest::PseudoRandomBytes(10000, 5);
  CountingStream stream(bytes);
  TypeParam hash;
  std::uint8_t digest[64];
  hash.Init();
  hash.UpdateStream(stream, 30000);
  hash.Final(digest);
  // All the reads of the computed number still take place.
  EXPECT_EQ(stream.requests, (std::vector<std::uint32_t>{8192, 8192, 8192, 5424}));
  EXPECT_EQ(DigestText(digest, TypeParam::GetHashSize() / 8), DigestOf<TypeParam>(bytes));
}

TYPED_TEST(Feeding, UpdateStreamBeforeInitRaisesAfterItsFirstRead) {
  CountingStream stream(hashtest::Letters(100));
  TypeParam hash;
  EXPECT_THROW(hash.UpdateStream(stream, 100), EDCP_hash);
  EXPECT_EQ(stream.requests, std::vector<std::uint32_t>{100});
}

// A stream of any length that hands out zero bytes without storing them.
class EndlessZeros : public TStream {
 public:
  std::uint32_t Read(void* buffer, std::uint32_t count) override {
    ++reads;
    bytesAsked += count;
    std::memset(buffer, 0, count);
    return count;
  }
  std::uint64_t Size() override { return 0; }
  std::uint64_t reads = 0;
  std::uint64_t bytesAsked = 0;
};

TEST(UpdateStream, SizesOf4GiBAndMoreAreReadWhole) {
  EndlessZeros stream;
  TDCP_hash nothing;  // computes nothing, so the test only counts reads
  const std::uint64_t size = (std::uint64_t{1} << 32) + 5;
  nothing.UpdateStream(stream, size);
  EXPECT_EQ(stream.bytesAsked, size);
  EXPECT_EQ(stream.reads, (size / 8192) + 1);
}

}  // namespace
}  // namespace validador
