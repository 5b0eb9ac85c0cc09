#include "hash/Sha1.h"

#include <bit>

#include "hash/ByteOrder.h"
#include "hash/SelfTestVector.h"
#include "hash/ShaCompressions.h"

namespace validador {

namespace {

constexpr std::uint32_t kInitialChainState[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u,
                                                 0xC3D2E1F0u};

// One step: e takes the new value, b turns by 30; the next step names the
// variables one place on (e, a, b, c, d).
inline void Step(std::uint32_t a, std::uint32_t& b, std::uint32_t& e, std::uint32_t mixed,
                 std::uint32_t wordAndConstant) {
  e += std::rotl(a, 5) + mixed + wordAndConstant;
  b = std::rotl(b, 30);
}

inline void StepChoose(std::uint32_t a, std::uint32_t& b, std::uint32_t c, std::uint32_t d,
                       std::uint32_t& e, std::uint32_t wordAndConstant) {
  Step(a, b, e, d ^ (b & (c ^ d)), wordAndConstant);
}

inline void StepParity(std::uint32_t a, std::uint32_t& b, std::uint32_t c, std::uint32_t d,
                       std::uint32_t& e, std::uint32_t wordAndConstant) {
  Step(a, b, e, b ^ c ^ d, wordAndConstant);
}

inline void StepMajority(std::uint32_t a, std::uint32_t& b, std::uint32_t c, std::uint32_t d,
                         std::uint32_t& e, std::uint32_t wordAndConstant) {
  Step(a, b, e, (b & c) | (d & (b | c)), wordAndConstant);
}

void ExpandSchedule(std::uint32_t (&w)[80], const std::uint8_t* block) {
  for (int t = 0; t < 16; ++t) w[t] = byteorder::LoadBE32(block + 4 * t);
  for (int t = 16; t < 80; ++t) w[t] = std::rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
}

void Compress(std::uint32_t (&chainState)[5], const std::uint32_t (&w)[80]) {
  std::uint32_t a = chainState[0], b = chainState[1], c = chainState[2], d = chainState[3],
                e = chainState[4];

  StepChoose(a, b, c, d, e, w[0] + 0x5A827999u);
  StepChoose(e, a, b, c, d, w[1] + 0x5A827999u);
  StepChoose(d, e, a, b, c, w[2] + 0x5A827999u);
  StepChoose(c, d, e, a, b, w[3] + 0x5A827999u);
  StepChoose(b, c, d, e, a, w[4] + 0x5A827999u);
  StepChoose(a, b, c, d, e, w[5] + 0x5A827999u);
  StepChoose(e, a, b, c, d, w[6] + 0x5A827999u);
  StepChoose(d, e, a, b, c, w[7] + 0x5A827999u);
  StepChoose(c, d, e, a, b, w[8] + 0x5A827999u);
  StepChoose(b, c, d, e, a, w[9] + 0x5A827999u);
  StepChoose(a, b, c, d, e, w[10] + 0x5A827999u);
  StepChoose(e, a, b, c, d, w[11] + 0x5A827999u);
  StepChoose(d, e, a, b, c, w[12] + 0x5A827999u);
  StepChoose(c, d, e, a, b, w[13] + 0x5A827999u);
  StepChoose(b, c, d, e, a, w[14] + 0x5A827999u);
  StepChoose(a, b, c, d, e, w[15] + 0x5A827999u);
  StepChoose(e, a, b, c, d, w[16] + 0x5A827999u);
  StepChoose(d, e, a, b, c, w[17] + 0x5A827999u);
  StepChoose(c, d, e, a, b, w[18] + 0x5A827999u);
  StepChoose(b, c, d, e, a, w[19] + 0x5A827999u);

  StepParity(a, b, c, d, e, w[20] + 0x6ED9EBA1u);
  StepParity(e, a, b, c, d, w[21] + 0x6ED9EBA1u);
  StepParity(d, e, a, b, c, w[22] + 0x6ED9EBA1u);
  StepParity(c, d, e, a, b, w[23] + 0x6ED9EBA1u);
  StepParity(b, c, d, e, a, w[24] + 0x6ED9EBA1u);
  StepParity(a, b, c, d, e, w[25] + 0x6ED9EBA1u);
  StepParity(e, a, b, c, d, w[26] + 0x6ED9EBA1u);
  StepParity(d, e, a, b, c, w[27] + 0x6ED9EBA1u);
  StepParity(c, d, e, a, b, w[28] + 0x6ED9EBA1u);
  StepParity(b, c, d, e, a, w[29] + 0x6ED9EBA1u);
  StepParity(a, b, c, d, e, w[30] + 0x6ED9EBA1u);
  StepParity(e, a, b, c, d, w[31] + 0x6ED9EBA1u);
  StepParity(d, e, a, b, c, w[32] + 0x6ED9EBA1u);
  StepParity(c, d, e, a, b, w[33] + 0x6ED9EBA1u);
  StepParity(b, c, d, e, a, w[34] + 0x6ED9EBA1u);
  StepParity(a, b, c, d, e, w[35] + 0x6ED9EBA1u);
  StepParity(e, a, b, c, d, w[36] + 0x6ED9EBA1u);
  StepParity(d, e, a, b, c, w[37] + 0x6ED9EBA1u);
  StepParity(c, d, e, a, b, w[38] + 0x6ED9EBA1u);
  StepParity(b, c, d, e, a, w[39] + 0x6ED9EBA1u);

  StepMajority(a, b, c, d, e, w[40] + 0x8F1BBCDCu);
  StepMajority(e, a, b, c, d, w[41] + 0x8F1BBCDCu);
  StepMajority(d, e, a, b, c, w[42] + 0x8F1BBCDCu);
  StepMajority(c, d, e, a, b, w[43] + 0x8F1BBCDCu);
  StepMajority(b, c, d, e, a, w[44] + 0x8F1BBCDCu);
  StepMajority(a, b, c, d, e, w[45] + 0x8F1BBCDCu);
  StepMajority(e, a, b, c, d, w[46] + 0x8F1BBCDCu);
  StepMajority(d, e, a, b, c, w[47] + 0x8F1BBCDCu);
  StepMajority(c, d, e, a, b, w[48] + 0x8F1BBCDCu);
  StepMajority(b, c, d, e, a, w[49] + 0x8F1BBCDCu);
  StepMajority(a, b, c, d, e, w[50] + 0x8F1BBCDCu);
  StepMajority(e, a, b, c, d, w[51] + 0x8F1BBCDCu);
  StepMajority(d, e, a, b, c, w[52] + 0x8F1BBCDCu);
  StepMajority(c, d, e, a, b, w[53] + 0x8F1BBCDCu);
  StepMajority(b, c, d, e, a, w[54] + 0x8F1BBCDCu);
  StepMajority(a, b, c, d, e, w[55] + 0x8F1BBCDCu);
  StepMajority(e, a, b, c, d, w[56] + 0x8F1BBCDCu);
  StepMajority(d, e, a, b, c, w[57] + 0x8F1BBCDCu);
  StepMajority(c, d, e, a, b, w[58] + 0x8F1BBCDCu);
  StepMajority(b, c, d, e, a, w[59] + 0x8F1BBCDCu);

  StepParity(a, b, c, d, e, w[60] + 0xCA62C1D6u);
  StepParity(e, a, b, c, d, w[61] + 0xCA62C1D6u);
  StepParity(d, e, a, b, c, w[62] + 0xCA62C1D6u);
  StepParity(c, d, e, a, b, w[63] + 0xCA62C1D6u);
  StepParity(b, c, d, e, a, w[64] + 0xCA62C1D6u);
  StepParity(a, b, c, d, e, w[65] + 0xCA62C1D6u);
  StepParity(e, a, b, c, d, w[66] + 0xCA62C1D6u);
  StepParity(d, e, a, b, c, w[67] + 0xCA62C1D6u);
  StepParity(c, d, e, a, b, w[68] + 0xCA62C1D6u);
  StepParity(b, c, d, e, a, w[69] + 0xCA62C1D6u);
  StepParity(a, b, c, d, e, w[70] + 0xCA62C1D6u);
  StepParity(e, a, b, c, d, w[71] + 0xCA62C1D6u);
  StepParity(d, e, a, b, c, w[72] + 0xCA62C1D6u);
  StepParity(c, d, e, a, b, w[73] + 0xCA62C1D6u);
  StepParity(b, c, d, e, a, w[74] + 0xCA62C1D6u);
  StepParity(a, b, c, d, e, w[75] + 0xCA62C1D6u);
  StepParity(e, a, b, c, d, w[76] + 0xCA62C1D6u);
  StepParity(d, e, a, b, c, w[77] + 0xCA62C1D6u);
  StepParity(c, d, e, a, b, w[78] + 0xCA62C1D6u);
  StepParity(b, c, d, e, a, w[79] + 0xCA62C1D6u);

  chainState[0] += a;
  chainState[1] += b;
  chainState[2] += c;
  chainState[3] += d;
  chainState[4] += e;
}

}  // namespace

void Sha1CompressBlocksPortable(std::uint32_t (&chainState)[5], const std::uint8_t* blocks,
                                std::size_t count) {
  std::uint32_t w[80];
  for (; count > 0; --count, blocks += 64) {
    ExpandSchedule(w, blocks);
    Compress(chainState, w);
  }
  WipeBytes(w, sizeof w);
}

void Sha1Layout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                                std::size_t count) {
  ShaCompressionsInUse().sha1(chainState, blocks, count);
}

template class TDCP_blockhash<Sha1Layout>;

bool TDCP_sha1::SelfTest() {
  return PassesSelfTest<TDCP_sha1>({"abc", "A9993E364706816ABA3E25717850C26C9CD0D89D"},
                                   {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                                    "84983E441C3BD26EBAAE4AA1F95129E5E54670F1"});
}

void TDCP_sha1::Init() { Start(kInitialChainState); }

void TDCP_sha1::Final(void* digest) { Finish(digest, 5); }

}  // namespace validador
