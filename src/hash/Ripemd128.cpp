#include "hash/Ripemd128.h"

#include <bit>

#include "hash/ByteOrder.h"
#include "hash/RipemdFunctions.h"
#include "hash/SelfTestVector.h"

namespace validador {

namespace {

constexpr std::uint32_t kInitialChainState[4] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu,
                                                 0x10325476u};

using namespace ripemd;

#define RIPEMD128_STEP(name, function, constant)                                        \
  inline void name(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d, \
                   std::uint32_t word, int shift) {                                     \
    a = std::rotl(a + function(b, c, d) + word + (constant), shift);                    \
  }
RIPEMD128_STEP(Left1, F1, 0x00000000u)
RIPEMD128_STEP(Left2, F2, 0x5A827999u)
RIPEMD128_STEP(Left3, F3, 0x6ED9EBA1u)
RIPEMD128_STEP(Left4, F4, 0x8F1BBCDCu)
RIPEMD128_STEP(Right1, F4, 0x50A28BE6u)
RIPEMD128_STEP(Right2, F3, 0x5C4DD124u)
RIPEMD128_STEP(Right3, F2, 0x6D703EF3u)
RIPEMD128_STEP(Right4, F1, 0x00000000u)
#undef RIPEMD128_STEP

void Compress(std::uint32_t (&chainState)[4], const std::uint32_t (&x)[16]) {
  std::uint32_t al = chainState[0], bl = chainState[1], cl = chainState[2], dl = chainState[3];
  std::uint32_t ar = al, br = bl, cr = cl, dr = dl;

  Left1(al, bl, cl, dl, x[0], 11);
  Left1(dl, al, bl, cl, x[1], 14);
  Left1(cl, dl, al, bl, x[2], 15);
  Left1(bl, cl, dl, al, x[3], 12);
  Left1(al, bl, cl, dl, x[4], 5);
  Left1(dl, al, bl, cl, x[5], 8);
  Left1(cl, dl, al, bl, x[6], 7);
  Left1(bl, cl, dl, al, x[7], 9);
  Left1(al, bl, cl, dl, x[8], 11);
  Left1(dl, al, bl, cl, x[9], 13);
  Left1(cl, dl, al, bl, x[10], 14);
  Left1(bl, cl, dl, al, x[11], 15);
  Left1(al, bl, cl, dl, x[12], 6);
  Left1(dl, al, bl, cl, x[13], 7);
  Left1(cl, dl, al, bl, x[14], 9);
  Left1(bl, cl, dl, al, x[15], 8);

  Left2(al, bl, cl, dl, x[7], 7);
  Left2(dl, al, bl, cl, x[4], 6);
  Left2(cl, dl, al, bl, x[13], 8);
  Left2(bl, cl, dl, al, x[1], 13);
  Left2(al, bl, cl, dl, x[10], 11);
  Left2(dl, al, bl, cl, x[6], 9);
  Left2(cl, dl, al, bl, x[15], 7);
  Left2(bl, cl, dl, al, x[3], 15);
  Left2(al, bl, cl, dl, x[12], 7);
  Left2(dl, al, bl, cl, x[0], 12);
  Left2(cl, dl, al, bl, x[9], 15);
  Left2(bl, cl, dl, al, x[5], 9);
  Left2(al, bl, cl, dl, x[2], 11);
  Left2(dl, al, bl, cl, x[14], 7);
  Left2(cl, dl, al, bl, x[11], 13);
  Left2(bl, cl, dl, al, x[8], 12);

  Left3(al, bl, cl, dl, x[3], 11);
  Left3(dl, al, bl, cl, x[10], 13);
  Left3(cl, dl, al, bl, x[14], 6);
  Left3(bl, cl, dl, al, x[4], 7);
  Left3(al, bl, cl, dl, x[9], 14);
  Left3(dl, al, bl, cl, x[15], 9);
  Left3(cl, dl, al, bl, x[8], 13);
  Left3(bl, cl, dl, al, x[1], 15);
  Left3(al, bl, cl, dl, x[2], 14);
  Left3(dl, al, bl, cl, x[7], 8);
  Left3(cl, dl, al, bl, x[0], 13);
  Left3(bl, cl, dl, al, x[6], 6);
  Left3(al, bl, cl, dl, x[13], 5);
  Left3(dl, al, bl, cl, x[11], 12);
  Left3(cl, dl, al, bl, x[5], 7);
  Left3(bl, cl, dl, al, x[12], 5);

  Left4(al, bl, cl, dl, x[1], 11);
  Left4(dl, al, bl, cl, x[9], 12);
  Left4(cl, dl, al, bl, x[11], 14);
  Left4(bl, cl, dl, al, x[10], 15);
  Left4(al, bl, cl, dl, x[0], 14);
  Left4(dl, al, bl, cl, x[8], 15);
  Left4(cl, dl, al, bl, x[12], 9);
  Left4(bl, cl, dl, al, x[4], 8);
  Left4(al, bl, cl, dl, x[13], 9);
  Left4(dl, al, bl, cl, x[3], 14);
  Left4(cl, dl, al, bl, x[7], 5);
  Left4(bl, cl, dl, al, x[15], 6);
  Left4(al, bl, cl, dl, x[14], 8);
  Left4(dl, al, bl, cl, x[5], 6);
  Left4(cl, dl, al, bl, x[6], 5);
  Left4(bl, cl, dl, al, x[2], 12);

  Right1(ar, br, cr, dr, x[5], 8);
  Right1(dr, ar, br, cr, x[14], 9);
  Right1(cr, dr, ar, br, x[7], 9);
  Right1(br, cr, dr, ar, x[0], 11);
  Right1(ar, br, cr, dr, x[9], 13);
  Right1(dr, ar, br, cr, x[2], 15);
  Right1(cr, dr, ar, br, x[11], 15);
  Right1(br, cr, dr, ar, x[4], 5);
  Right1(ar, br, cr, dr, x[13], 7);
  Right1(dr, ar, br, cr, x[6], 7);
  Right1(cr, dr, ar, br, x[15], 8);
  Right1(br, cr, dr, ar, x[8], 11);
  Right1(ar, br, cr, dr, x[1], 14);
  Right1(dr, ar, br, cr, x[10], 14);
  Right1(cr, dr, ar, br, x[3], 12);
  Right1(br, cr, dr, ar, x[12], 6);

  Right2(ar, br, cr, dr, x[6], 9);
  Right2(dr, ar, br, cr, x[11], 13);
  Right2(cr, dr, ar, br, x[3], 15);
  Right2(br, cr, dr, ar, x[7], 7);
  Right2(ar, br, cr, dr, x[0], 12);
  Right2(dr, ar, br, cr, x[13], 8);
  Right2(cr, dr, ar, br, x[5], 9);
  Right2(br, cr, dr, ar, x[10], 11);
  Right2(ar, br, cr, dr, x[14], 7);
  Right2(dr, ar, br, cr, x[15], 7);
  Right2(cr, dr, ar, br, x[8], 12);
  Right2(br, cr, dr, ar, x[12], 7);
  Right2(ar, br, cr, dr, x[4], 6);
  Right2(dr, ar, br, cr, x[9], 15);
  Right2(cr, dr, ar, br, x[1], 13);
  Right2(br, cr, dr, ar, x[2], 11);

  Right3(ar, br, cr, dr, x[15], 9);
  Right3(dr, ar, br, cr, x[5], 7);
  Right3(cr, dr, ar, br, x[1], 15);
  Right3(br, cr, dr, ar, x[3], 11);
  Right3(ar, br, cr, dr, x[7], 8);
  Right3(dr, ar, br, cr, x[14], 6);
  Right3(cr, dr, ar, br, x[6], 6);
  Right3(br, cr, dr, ar, x[9], 14);
  Right3(ar, br, cr, dr, x[11], 12);
  Right3(dr, ar, br, cr, x[8], 13);
  Right3(cr, dr, ar, br, x[12], 5);
  Right3(br, cr, dr, ar, x[2], 14);
  Right3(ar, br, cr, dr, x[10], 13);
  Right3(dr, ar, br, cr, x[0], 13);
  Right3(cr, dr, ar, br, x[4], 7);
  Right3(br, cr, dr, ar, x[13], 5);

  Right4(ar, br, cr, dr, x[8], 15);
  Right4(dr, ar, br, cr, x[6], 5);
  Right4(cr, dr, ar, br, x[4], 8);
  Right4(br, cr, dr, ar, x[1], 11);
  Right4(ar, br, cr, dr, x[3], 14);
  Right4(dr, ar, br, cr, x[11], 14);
  Right4(cr, dr, ar, br, x[15], 6);
  Right4(br, cr, dr, ar, x[0], 14);
  Right4(ar, br, cr, dr, x[5], 6);
  Right4(dr, ar, br, cr, x[12], 9);
  Right4(cr, dr, ar, br, x[2], 12);
  Right4(br, cr, dr, ar, x[13], 9);
  Right4(ar, br, cr, dr, x[9], 12);
  Right4(dr, ar, br, cr, x[7], 5);
  Right4(cr, dr, ar, br, x[10], 15);
  Right4(br, cr, dr, ar, x[14], 8);

  const std::uint32_t combined = chainState[1] + cl + dr;
  chainState[1] = chainState[2] + dl + ar;
  chainState[2] = chainState[3] + al + br;
  chainState[3] = chainState[0] + bl + cr;
  chainState[0] = combined;
}

}  // namespace

void Ripemd128Layout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                                     std::size_t count) {
  std::uint32_t x[16];
  for (; count > 0; --count, blocks += 64) {
    for (int i = 0; i < 16; ++i) x[i] = byteorder::LoadLE32(blocks + 4 * i);
    Compress(chainState, x);
  }
  WipeBytes(x, sizeof x);
}

template class TDCP_blockhash<Ripemd128Layout>;

bool TDCP_ripemd128::SelfTest() {
  return PassesSelfTest<TDCP_ripemd128>(
      {"a", "86BE7AFA339D0FC7CFC785E72F578D33"},
      {"abcdefghijklmnopqrstuvwxyz", "FD2AA607F71DC8F510714922B371834E"});
}

void TDCP_ripemd128::Init() { Start(kInitialChainState); }

void TDCP_ripemd128::Final(void* digest) { Finish(digest, 4); }

}  // namespace validador
