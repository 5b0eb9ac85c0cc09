// Tiger's byte order, and HAVAL's one departure from the published algorithm:
// its 0x80 pad byte. With the published pad byte 0x01 the same component gives
// the published HAVAL-256/5 values, which proves the tables and the passes.

#include <gtest/gtest.h>

#include "HashTestAccess.h"
#include "HashTestSupport.h"

namespace validador {
namespace {

using hashtest::DigestOf;

// HAVAL completed with the published pad byte.
class PublishedHaval : public TDCP_haval {
 public:
  std::string DigestOf(std::string_view message) {
    std::uint8_t digest[32];
    Init();
    UpdateString(message);
    Complete(digest, 0x01);
    return DigestText(digest, 32);
  }
};

TEST(Tiger, WritesEachResultWordLeastSignificantByteFirst) {
  // The published value of the first self-test message, as three 64-bit numbers.
  const std::uint64_t words[3] = {0x87FB2A9083851CF7ull, 0x470D2CF810E6DF9Eull,
                                  0xB586445034A5A386ull};
  std::string expected;
  for (const auto word : words) {
    for (int byte = 0; byte < 8; ++byte) {
      const auto value = static_cast<std::uint8_t>(word >> (8 * byte));
      expected += DigestText(&value, 1);
    }
  }
  EXPECT_EQ(
      DigestOf<TDCP_tiger>("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+-"),
      expected);
}

TEST(Haval, WithThePublishedPadByteGivesPublishedHaval256Pass5) {
  PublishedHaval haval;
  EXPECT_EQ(haval.DigestOf(""), "BE417BB4DD5CFB76C7126F4F8EEB1553A449039307B1A3CD451DBFDC0FBBE330");
  EXPECT_EQ(haval.DigestOf("The quick brown fox jumps over the lazy dog"),
            "B89C551CDFE2E06DBD4CEA2BE1BC7D557416C58EBB4D07CBC94E49F710C55BE4");
}

TEST(Haval, DiffersFromPublishedHavalForTheSameMessages) {
  PublishedHaval published;
  for (const std::string message :
       {"", "abcdefghijklmnopqrstuvwxyz",
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"}) {
    EXPECT_NE(DigestOf<TDCP_haval>(message), published.DigestOf(message));
  }
  EXPECT_EQ(DigestOf<TDCP_haval>(""),
            "5981D3F8CCE7F5674752595F4AD24C184BA1C738C986D4D2EDDF2BD86C3F8679");
}

// The padding rule made explicit: the message, the pad byte 0x80, zero bytes up
// to 118 modulo 128, then the ten trailer bytes (0x29, 0x40, the bit count low
// half first), fed as plain message bytes, leave the chaining words equal to the
// digest. A 117-byte message takes one block; from 118 bytes a second one.
std::string HavalPaddedByHand(const std::string& message) {
  std::string padded = message + '\x80';
  while (padded.size() % 128 != 118) padded += '\0';
  padded += "\x29\x40";
  const std::uint64_t bits = std::uint64_t{message.size()} * 8;
  for (int byte = 0; byte < 8; ++byte) padded += static_cast<char>(bits >> (8 * byte));
  return padded;
}

TEST(Haval, FinalPadsWithTheTrailerInTheLastTenBytes) {
  for (std::size_t length = 0; length <= 260; ++length) {
    const std::string message = hashtest::Letters(length);
    const std::string padded = HavalPaddedByHand(message);
    ASSERT_EQ(padded.size(), length <= 117 ? 128u : length <= 245 ? 256u : 384u);
    TDCP_haval hash;
    hash.Init();
    hash.UpdateString(padded);
    const auto chainState = HashTestAccess::ChainState(hash);
    ASSERT_EQ(DigestText(chainState.data(), chainState.size()), DigestOf<TDCP_haval>(message))
        << "length " << length;
  }
}

}  // namespace
}  // namespace validador
