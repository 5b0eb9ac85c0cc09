#include "hash/Tiger.h"

#include "hash/ByteOrder.h"
#include "hash/SelfTestVector.h"
#include "hash/TigerTables.h"

namespace validador {

namespace {

constexpr std::uint64_t kInitialChainState[3] = {0x0123456789ABCDEFull, 0xFEDCBA9876543210ull,
                                                 0xF096A5B4C3B2E187ull};

inline std::uint64_t Entry(int table, std::uint64_t word, int byteIndex) {
  return kTigerTables[table][(word >> (8 * byteIndex)) & 0xFF];
}

// One step: c takes the message word; a and b are stirred through the tables.
inline void Step(std::uint64_t& a, std::uint64_t& b, std::uint64_t& c, std::uint64_t word,
                 std::uint64_t multiplier) {
  c ^= word;
  a -= Entry(0, c, 0) ^ Entry(1, c, 2) ^ Entry(2, c, 4) ^ Entry(3, c, 6);
  b += Entry(3, c, 1) ^ Entry(2, c, 3) ^ Entry(1, c, 5) ^ Entry(0, c, 7);
  b *= multiplier;
}

// Eight steps over the eight message words, the roles of a, b and c turning.
inline void Pass(std::uint64_t& a, std::uint64_t& b, std::uint64_t& c, const std::uint64_t (&x)[8],
                 std::uint64_t multiplier) {
  Step(a, b, c, x[0], multiplier);
  Step(b, c, a, x[1], multiplier);
  Step(c, a, b, x[2], multiplier);
  Step(a, b, c, x[3], multiplier);
  Step(b, c, a, x[4], multiplier);
  Step(c, a, b, x[5], multiplier);
  Step(a, b, c, x[6], multiplier);
  Step(b, c, a, x[7], multiplier);
}

inline void KeySchedule(std::uint64_t (&x)[8]) {
  x[0] -= x[7] ^ 0xA5A5A5A5A5A5A5A5ull;
  x[1] ^= x[0];
  x[2] += x[1];
  x[3] -= x[2] ^ ((~x[1]) << 19);
  x[4] ^= x[3];
  x[5] += x[4];
  x[6] -= x[5] ^ ((~x[4]) >> 23);
  x[7] ^= x[6];
  x[0] += x[7];
  x[1] -= x[0] ^ ((~x[7]) << 19);
  x[2] ^= x[1];
  x[3] += x[2];
  x[4] -= x[3] ^ ((~x[2]) >> 23);
  x[5] ^= x[4];
  x[6] += x[5];
  x[7] -= x[6] ^ 0x0123456789ABCDEFull;
}

void Compress(std::uint64_t (&chainState)[3], std::uint64_t (&x)[8]) {
  std::uint64_t a = chainState[0], b = chainState[1], c = chainState[2];
  Pass(a, b, c, x, 5);
  KeySchedule(x);
  Pass(c, a, b, x, 7);
  KeySchedule(x);
  Pass(b, c, a, x, 9);
  chainState[0] ^= a;
  chainState[1] = b - chainState[1];
  chainState[2] += c;
}

}  // namespace

void TigerLayout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                                 std::size_t count) {
  std::uint64_t x[8];
  for (; count > 0; --count, blocks += 64) {
    for (int i = 0; i < 8; ++i) x[i] = byteorder::LoadLE64(blocks + 8 * i);
    Compress(chainState, x);
  }
  WipeBytes(x, sizeof x);
}

template class TDCP_blockhash<TigerLayout>;

bool TDCP_tiger::SelfTest() {
  return PassesSelfTest<TDCP_tiger>(
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+-",
       "F71C8583902AFB879EDFE610F82C0D4786A3A534504486B5"},
      {"Tiger - A Fast New Hash Function, by Ross Anderson and Eli Biham",
       "8A866829040A410C729AD23F5ADA711603B3CDD357E4C15E"});
}

void TDCP_tiger::Init() { Start(kInitialChainState); }

void TDCP_tiger::Final(void* digest) { Finish(digest, 3); }

}  // namespace validador
