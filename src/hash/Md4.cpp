#include "hash/Md4.h"

#include <bit>

#include "hash/ByteOrder.h"
#include "hash/SelfTestVector.h"

namespace validador {

namespace {

using byteorder::LoadLE32;

constexpr std::uint32_t kInitialChainState[4] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu,
                                                 0x10325476u};

inline void StepF(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t word, int shift) {
  a = std::rotl((a + word) + (d ^ (b & (c ^ d))), shift);
}

inline void StepG(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t word, int shift) {
  a = std::rotl((a + word) + ((b & (c | d)) | (c & d)), shift);
}

inline void StepH(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t word, int shift) {
  a = std::rotl((a + word) + (b ^ (c ^ d)), shift);
}

void Compress(std::uint32_t (&chainState)[4], const std::uint8_t* block) {
  const auto X = [block](int index) { return LoadLE32(block + 4 * index); };
  std::uint32_t a = chainState[0], b = chainState[1], c = chainState[2], d = chainState[3];

  StepF(a, b, c, d, X(0), 3);
  StepF(d, a, b, c, X(1), 7);
  StepF(c, d, a, b, X(2), 11);
  StepF(b, c, d, a, X(3), 19);
  StepF(a, b, c, d, X(4), 3);
  StepF(d, a, b, c, X(5), 7);
  StepF(c, d, a, b, X(6), 11);
  StepF(b, c, d, a, X(7), 19);
  StepF(a, b, c, d, X(8), 3);
  StepF(d, a, b, c, X(9), 7);
  StepF(c, d, a, b, X(10), 11);
  StepF(b, c, d, a, X(11), 19);
  StepF(a, b, c, d, X(12), 3);
  StepF(d, a, b, c, X(13), 7);
  StepF(c, d, a, b, X(14), 11);
  StepF(b, c, d, a, X(15), 19);

  StepG(a, b, c, d, X(0) + 0x5A827999u, 3);
  StepG(d, a, b, c, X(4) + 0x5A827999u, 5);
  StepG(c, d, a, b, X(8) + 0x5A827999u, 9);
  StepG(b, c, d, a, X(12) + 0x5A827999u, 13);
  StepG(a, b, c, d, X(1) + 0x5A827999u, 3);
  StepG(d, a, b, c, X(5) + 0x5A827999u, 5);
  StepG(c, d, a, b, X(9) + 0x5A827999u, 9);
  StepG(b, c, d, a, X(13) + 0x5A827999u, 13);
  StepG(a, b, c, d, X(2) + 0x5A827999u, 3);
  StepG(d, a, b, c, X(6) + 0x5A827999u, 5);
  StepG(c, d, a, b, X(10) + 0x5A827999u, 9);
  StepG(b, c, d, a, X(14) + 0x5A827999u, 13);
  StepG(a, b, c, d, X(3) + 0x5A827999u, 3);
  StepG(d, a, b, c, X(7) + 0x5A827999u, 5);
  StepG(c, d, a, b, X(11) + 0x5A827999u, 9);
  StepG(b, c, d, a, X(15) + 0x5A827999u, 13);

  StepH(a, b, c, d, X(0) + 0x6ED9EBA1u, 3);
  StepH(d, a, b, c, X(8) + 0x6ED9EBA1u, 9);
  StepH(c, d, a, b, X(4) + 0x6ED9EBA1u, 11);
  StepH(b, c, d, a, X(12) + 0x6ED9EBA1u, 15);
  StepH(a, b, c, d, X(2) + 0x6ED9EBA1u, 3);
  StepH(d, a, b, c, X(10) + 0x6ED9EBA1u, 9);
  StepH(c, d, a, b, X(6) + 0x6ED9EBA1u, 11);
  StepH(b, c, d, a, X(14) + 0x6ED9EBA1u, 15);
  StepH(a, b, c, d, X(1) + 0x6ED9EBA1u, 3);
  StepH(d, a, b, c, X(9) + 0x6ED9EBA1u, 9);
  StepH(c, d, a, b, X(5) + 0x6ED9EBA1u, 11);
  StepH(b, c, d, a, X(13) + 0x6ED9EBA1u, 15);
  StepH(a, b, c, d, X(3) + 0x6ED9EBA1u, 3);
  StepH(d, a, b, c, X(11) + 0x6ED9EBA1u, 9);
  StepH(c, d, a, b, X(7) + 0x6ED9EBA1u, 11);
  StepH(b, c, d, a, X(15) + 0x6ED9EBA1u, 15);

  chainState[0] += a;
  chainState[1] += b;
  chainState[2] += c;
  chainState[3] += d;
}

}  // namespace

void Md4Layout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                               std::size_t count) {
  for (; count > 0; --count, blocks += 64) Compress(chainState, blocks);
}

template class TDCP_blockhash<Md4Layout>;

bool TDCP_md4::SelfTest() {
  return PassesSelfTest<TDCP_md4>(
      {"abc", "A448017AAF21D8525FC10AE87AA6729D"},
      {"abcdefghijklmnopqrstuvwxyz", "D79E1C308AA5BBCDEEA8ED63DF412DA9"});
}

void TDCP_md4::Init() { Start(kInitialChainState); }

void TDCP_md4::Final(void* digest) { Finish(digest, 4); }

}  // namespace validador
