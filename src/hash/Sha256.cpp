#include "hash/Sha256.h"

#include <bit>

#include "hash/ByteOrder.h"
#include "hash/SelfTestVector.h"
#include "hash/ShaCompressions.h"

namespace validador {

namespace {

constexpr std::uint32_t kInitialChainState[8] = {
    0x6A09E667u, 0xBB67AE85u, 0x3C6EF372u, 0xA54FF53Au,
    0x510E527Fu, 0x9B05688Cu, 0x1F83D9ABu, 0x5BE0CD19u,
};

constexpr std::uint32_t kRoundConstants[64] = {
    0x428A2F98u, 0x71374491u, 0xB5C0FBCFu, 0xE9B5DBA5u,
    0x3956C25Bu, 0x59F111F1u, 0x923F82A4u, 0xAB1C5ED5u,
    0xD807AA98u, 0x12835B01u, 0x243185BEu, 0x550C7DC3u,
    0x72BE5D74u, 0x80DEB1FEu, 0x9BDC06A7u, 0xC19BF174u,
    0xE49B69C1u, 0xEFBE4786u, 0x0FC19DC6u, 0x240CA1CCu,
    0x2DE92C6Fu, 0x4A7484AAu, 0x5CB0A9DCu, 0x76F988DAu,
    0x983E5152u, 0xA831C66Du, 0xB00327C8u, 0xBF597FC7u,
    0xC6E00BF3u, 0xD5A79147u, 0x06CA6351u, 0x14292967u,
    0x27B70A85u, 0x2E1B2138u, 0x4D2C6DFCu, 0x53380D13u,
    0x650A7354u, 0x766A0ABBu, 0x81C2C92Eu, 0x92722C85u,
    0xA2BFE8A1u, 0xA81A664Bu, 0xC24B8B70u, 0xC76C51A3u,
    0xD192E819u, 0xD6990624u, 0xF40E3585u, 0x106AA070u,
    0x19A4C116u, 0x1E376C08u, 0x2748774Cu, 0x34B0BCB5u,
    0x391C0CB3u, 0x4ED8AA4Au, 0x5B9CCA4Fu, 0x682E6FF3u,
    0x748F82EEu, 0x78A5636Fu, 0x84C87814u, 0x8CC70208u,
    0x90BEFFFAu, 0xA4506CEBu, 0xBEF9A3F7u, 0xC67178F2u,
};

inline std::uint32_t BigSigma0(std::uint32_t x) {
  return std::rotr(x, 2) ^ std::rotr(x, 13) ^ std::rotr(x, 22);
}
inline std::uint32_t BigSigma1(std::uint32_t x) {
  return std::rotr(x, 6) ^ std::rotr(x, 11) ^ std::rotr(x, 25);
}
inline std::uint32_t SmallSigma0(std::uint32_t x) {
  return std::rotr(x, 7) ^ std::rotr(x, 18) ^ (x >> 3);
}
inline std::uint32_t SmallSigma1(std::uint32_t x) {
  return std::rotr(x, 17) ^ std::rotr(x, 19) ^ (x >> 10);
}

// One round: d and h take their new values; the next round names the variables
// one place on (h, a, b, c, d, e, f, g).
inline void Round(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t& d,
                  std::uint32_t e, std::uint32_t f, std::uint32_t g, std::uint32_t& h,
                  std::uint32_t wordAndConstant) {
  const std::uint32_t t1 = h + BigSigma1(e) + (g ^ (e & (f ^ g))) + wordAndConstant;
  const std::uint32_t t2 = BigSigma0(a) + ((a & b) | (c & (a | b)));
  d += t1;
  h = t1 + t2;
}

void ExpandSchedule(std::uint32_t (&w)[64], const std::uint8_t* block) {
  for (int t = 0; t < 16; ++t) w[t] = byteorder::LoadBE32(block + 4 * t);
  for (int t = 16; t < 64; ++t) {
    w[t] = SmallSigma1(w[t - 2]) + w[t - 7] + SmallSigma0(w[t - 15]) + w[t - 16];
  }
}

void Compress(std::uint32_t (&chainState)[8], const std::uint32_t (&w)[64]) {
  std::uint32_t a = chainState[0], b = chainState[1], c = chainState[2], d = chainState[3],
                e = chainState[4], f = chainState[5], g = chainState[6], h = chainState[7];

  Round(a, b, c, d, e, f, g, h, w[0] + kRoundConstants[0]);
  Round(h, a, b, c, d, e, f, g, w[1] + kRoundConstants[1]);
  Round(g, h, a, b, c, d, e, f, w[2] + kRoundConstants[2]);
  Round(f, g, h, a, b, c, d, e, w[3] + kRoundConstants[3]);
  Round(e, f, g, h, a, b, c, d, w[4] + kRoundConstants[4]);
  Round(d, e, f, g, h, a, b, c, w[5] + kRoundConstants[5]);
  Round(c, d, e, f, g, h, a, b, w[6] + kRoundConstants[6]);
  Round(b, c, d, e, f, g, h, a, w[7] + kRoundConstants[7]);
  Round(a, b, c, d, e, f, g, h, w[8] + kRoundConstants[8]);
  Round(h, a, b, c, d, e, f, g, w[9] + kRoundConstants[9]);
  Round(g, h, a, b, c, d, e, f, w[10] + kRoundConstants[10]);
  Round(f, g, h, a, b, c, d, e, w[11] + kRoundConstants[11]);
  Round(e, f, g, h, a, b, c, d, w[12] + kRoundConstants[12]);
  Round(d, e, f, g, h, a, b, c, w[13] + kRoundConstants[13]);
  Round(c, d, e, f, g, h, a, b, w[14] + kRoundConstants[14]);
  Round(b, c, d, e, f, g, h, a, w[15] + kRoundConstants[15]);
  Round(a, b, c, d, e, f, g, h, w[16] + kRoundConstants[16]);
  Round(h, a, b, c, d, e, f, g, w[17] + kRoundConstants[17]);
  Round(g, h, a, b, c, d, e, f, w[18] + kRoundConstants[18]);
  Round(f, g, h, a, b, c, d, e, w[19] + kRoundConstants[19]);
  Round(e, f, g, h, a, b, c, d, w[20] + kRoundConstants[20]);
  Round(d, e, f, g, h, a, b, c, w[21] + kRoundConstants[21]);
  Round(c, d, e, f, g, h, a, b, w[22] + kRoundConstants[22]);
  Round(b, c, d, e, f, g, h, a, w[23] + kRoundConstants[23]);
  Round(a, b, c, d, e, f, g, h, w[24] + kRoundConstants[24]);
  Round(h, a, b, c, d, e, f, g, w[25] + kRoundConstants[25]);
  Round(g, h, a, b, c, d, e, f, w[26] + kRoundConstants[26]);
  Round(f, g, h, a, b, c, d, e, w[27] + kRoundConstants[27]);
  Round(e, f, g, h, a, b, c, d, w[28] + kRoundConstants[28]);
  Round(d, e, f, g, h, a, b, c, w[29] + kRoundConstants[29]);
  Round(c, d, e, f, g, h, a, b, w[30] + kRoundConstants[30]);
  Round(b, c, d, e, f, g, h, a, w[31] + kRoundConstants[31]);
  Round(a, b, c, d, e, f, g, h, w[32] + kRoundConstants[32]);
  Round(h, a, b, c, d, e, f, g, w[33] + kRoundConstants[33]);
  Round(g, h, a, b, c, d, e, f, w[34] + kRoundConstants[34]);
  Round(f, g, h, a, b, c, d, e, w[35] + kRoundConstants[35]);
  Round(e, f, g, h, a, b, c, d, w[36] + kRoundConstants[36]);
  Round(d, e, f, g, h, a, b, c, w[37] + kRoundConstants[37]);
  Round(c, d, e, f, g, h, a, b, w[38] + kRoundConstants[38]);
  Round(b, c, d, e, f, g, h, a, w[39] + kRoundConstants[39]);
  Round(a, b, c, d, e, f, g, h, w[40] + kRoundConstants[40]);
  Round(h, a, b, c, d, e, f, g, w[41] + kRoundConstants[41]);
  Round(g, h, a, b, c, d, e, f, w[42] + kRoundConstants[42]);
  Round(f, g, h, a, b, c, d, e, w[43] + kRoundConstants[43]);
  Round(e, f, g, h, a, b, c, d, w[44] + kRoundConstants[44]);
  Round(d, e, f, g, h, a, b, c, w[45] + kRoundConstants[45]);
  Round(c, d, e, f, g, h, a, b, w[46] + kRoundConstants[46]);
  Round(b, c, d, e, f, g, h, a, w[47] + kRoundConstants[47]);
  Round(a, b, c, d, e, f, g, h, w[48] + kRoundConstants[48]);
  Round(h, a, b, c, d, e, f, g, w[49] + kRoundConstants[49]);
  Round(g, h, a, b, c, d, e, f, w[50] + kRoundConstants[50]);
  Round(f, g, h, a, b, c, d, e, w[51] + kRoundConstants[51]);
  Round(e, f, g, h, a, b, c, d, w[52] + kRoundConstants[52]);
  Round(d, e, f, g, h, a, b, c, w[53] + kRoundConstants[53]);
  Round(c, d, e, f, g, h, a, b, w[54] + kRoundConstants[54]);
  Round(b, c, d, e, f, g, h, a, w[55] + kRoundConstants[55]);
  Round(a, b, c, d, e, f, g, h, w[56] + kRoundConstants[56]);
  Round(h, a, b, c, d, e, f, g, w[57] + kRoundConstants[57]);
  Round(g, h, a, b, c, d, e, f, w[58] + kRoundConstants[58]);
  Round(f, g, h, a, b, c, d, e, w[59] + kRoundConstants[59]);
  Round(e, f, g, h, a, b, c, d, w[60] + kRoundConstants[60]);
  Round(d, e, f, g, h, a, b, c, w[61] + kRoundConstants[61]);
  Round(c, d, e, f, g, h, a, b, w[62] + kRoundConstants[62]);
  Round(b, c, d, e, f, g, h, a, w[63] + kRoundConstants[63]);

  chainState[0] += a;
  chainState[1] += b;
  chainState[2] += c;
  chainState[3] += d;
  chainState[4] += e;
  chainState[5] += f;
  chainState[6] += g;
  chainState[7] += h;
}

}  // namespace

void Sha256CompressBlocksPortable(std::uint32_t (&chainState)[8], const std::uint8_t* blocks,
                                  std::size_t count) {
  std::uint32_t w[64];
  for (; count > 0; --count, blocks += 64) {
    ExpandSchedule(w, blocks);
    Compress(chainState, w);
  }
  WipeBytes(w, sizeof w);
}

void Sha256Layout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                                  std::size_t count) {
  ShaCompressionsInUse().sha256(chainState, blocks, count);
}

template class TDCP_blockhash<Sha256Layout>;

bool TDCP_sha256::SelfTest() {
  return PassesSelfTest<TDCP_sha256>(
      {"abc", "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248D6A61D20638B8E5C026930C3E6039A33CE45964FF2167F6ECEDD419DB06C1"});
}

void TDCP_sha256::Init() { Start(kInitialChainState); }

void TDCP_sha256::Final(void* digest) { Finish(digest, 8); }

}  // namespace validador
