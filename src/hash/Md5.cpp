#include "hash/Md5.h"

#include <bit>

#include "hash/ByteOrder.h"
#include "hash/SelfTestVector.h"

namespace validador {

namespace {

using byteorder::LoadLE32;

constexpr std::uint32_t kInitialChainState[4] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu,
                                                 0x10325476u};

inline void Step(std::uint32_t& a, std::uint32_t b, std::uint32_t mixed, std::uint32_t word,
                 int shift) {
  a = b + std::rotl((a + word) + mixed, shift);
}

inline void StepF(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t word, int shift) {
  Step(a, b, d ^ (b & (c ^ d)), word, shift);
}

inline void StepG(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t word, int shift) {
  // The two halves never overlap, so they add; the half without b goes first.
  a = b + std::rotl(((a + word) + (c & ~d)) + (b & d), shift);
}

inline void StepH(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t word, int shift) {
  Step(a, b, b ^ (c ^ d), word, shift);
}

inline void StepI(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                  std::uint32_t word, int shift) {
  Step(a, b, c ^ (b | ~d), word, shift);
}

void Compress(std::uint32_t (&chainState)[4], const std::uint8_t* block) {
  const auto X = [block](int index) { return LoadLE32(block + 4 * index); };
  std::uint32_t a = chainState[0], b = chainState[1], c = chainState[2], d = chainState[3];

  StepF(a, b, c, d, X(0) + 0xD76AA478u, 7);
  StepF(d, a, b, c, X(1) + 0xE8C7B756u, 12);
  StepF(c, d, a, b, X(2) + 0x242070DBu, 17);
  StepF(b, c, d, a, X(3) + 0xC1BDCEEEu, 22);
  StepF(a, b, c, d, X(4) + 0xF57C0FAFu, 7);
  StepF(d, a, b, c, X(5) + 0x4787C62Au, 12);
  StepF(c, d, a, b, X(6) + 0xA8304613u, 17);
  StepF(b, c, d, a, X(7) + 0xFD469501u, 22);
  StepF(a, b, c, d, X(8) + 0x698098D8u, 7);
  StepF(d, a, b, c, X(9) + 0x8B44F7AFu, 12);
  StepF(c, d, a, b, X(10) + 0xFFFF5BB1u, 17);
  StepF(b, c, d, a, X(11) + 0x895CD7BEu, 22);
  StepF(a, b, c, d, X(12) + 0x6B901122u, 7);
  StepF(d, a, b, c, X(13) + 0xFD987193u, 12);
  StepF(c, d, a, b, X(14) + 0xA679438Eu, 17);
  StepF(b, c, d, a, X(15) + 0x49B40821u, 22);

  StepG(a, b, c, d, X(1) + 0xF61E2562u, 5);
  StepG(d, a, b, c, X(6) + 0xC040B340u, 9);
  StepG(c, d, a, b, X(11) + 0x265E5A51u, 14);
  StepG(b, c, d, a, X(0) + 0xE9B6C7AAu, 20);
  StepG(a, b, c, d, X(5) + 0xD62F105Du, 5);
  StepG(d, a, b, c, X(10) + 0x02441453u, 9);
  StepG(c, d, a, b, X(15) + 0xD8A1E681u, 14);
  StepG(b, c, d, a, X(4) + 0xE7D3FBC8u, 20);
  StepG(a, b, c, d, X(9) + 0x21E1CDE6u, 5);
  StepG(d, a, b, c, X(14) + 0xC33707D6u, 9);
  StepG(c, d, a, b, X(3) + 0xF4D50D87u, 14);
  StepG(b, c, d, a, X(8) + 0x455A14EDu, 20);
  StepG(a, b, c, d, X(13) + 0xA9E3E905u, 5);
  StepG(d, a, b, c, X(2) + 0xFCEFA3F8u, 9);
  StepG(c, d, a, b, X(7) + 0x676F02D9u, 14);
  StepG(b, c, d, a, X(12) + 0x8D2A4C8Au, 20);

  StepH(a, b, c, d, X(5) + 0xFFFA3942u, 4);
  StepH(d, a, b, c, X(8) + 0x8771F681u, 11);
  StepH(c, d, a, b, X(11) + 0x6D9D6122u, 16);
  StepH(b, c, d, a, X(14) + 0xFDE5380Cu, 23);
  StepH(a, b, c, d, X(1) + 0xA4BEEA44u, 4);
  StepH(d, a, b, c, X(4) + 0x4BDECFA9u, 11);
  StepH(c, d, a, b, X(7) + 0xF6BB4B60u, 16);
  StepH(b, c, d, a, X(10) + 0xBEBFBC70u, 23);
  StepH(a, b, c, d, X(13) + 0x289B7EC6u, 4);
  StepH(d, a, b, c, X(0) + 0xEAA127FAu, 11);
  StepH(c, d, a, b, X(3) + 0xD4EF3085u, 16);
  StepH(b, c, d, a, X(6) + 0x04881D05u, 23);
  StepH(a, b, c, d, X(9) + 0xD9D4D039u, 4);
  StepH(d, a, b, c, X(12) + 0xE6DB99E5u, 11);
  StepH(c, d, a, b, X(15) + 0x1FA27CF8u, 16);
  StepH(b, c, d, a, X(2) + 0xC4AC5665u, 23);

  StepI(a, b, c, d, X(0) + 0xF4292244u, 6);
  StepI(d, a, b, c, X(7) + 0x432AFF97u, 10);
  StepI(c, d, a, b, X(14) + 0xAB9423A7u, 15);
  StepI(b, c, d, a, X(5) + 0xFC93A039u, 21);
  StepI(a, b, c, d, X(12) + 0x655B59C3u, 6);
  StepI(d, a, b, c, X(3) + 0x8F0CCC92u, 10);
  StepI(c, d, a, b, X(10) + 0xFFEFF47Du, 15);
  StepI(b, c, d, a, X(1) + 0x85845DD1u, 21);
  StepI(a, b, c, d, X(8) + 0x6FA87E4Fu, 6);
  StepI(d, a, b, c, X(15) + 0xFE2CE6E0u, 10);
  StepI(c, d, a, b, X(6) + 0xA3014314u, 15);
  StepI(b, c, d, a, X(13) + 0x4E0811A1u, 21);
  StepI(a, b, c, d, X(4) + 0xF7537E82u, 6);
  StepI(d, a, b, c, X(11) + 0xBD3AF235u, 10);
  StepI(c, d, a, b, X(2) + 0x2AD7D2BBu, 15);
  StepI(b, c, d, a, X(9) + 0xEB86D391u, 21);

  chainState[0] += a;
  chainState[1] += b;
  chainState[2] += c;
  chainState[3] += d;
}

}  // namespace

void Md5Layout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                               std::size_t count) {
  for (; count > 0; --count, blocks += 64) Compress(chainState, blocks);
}

template class TDCP_blockhash<Md5Layout>;

bool TDCP_md5::SelfTest() {
  return PassesSelfTest<TDCP_md5>(
      {"abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"});
}

void TDCP_md5::Init() { Start(kInitialChainState); }

void TDCP_md5::Final(void* digest) { Finish(digest, 4); }

}  // namespace validador
