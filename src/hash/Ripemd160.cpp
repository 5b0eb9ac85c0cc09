#include "hash/Ripemd160.h"

#include <bit>

#include "hash/ByteOrder.h"
#include "hash/RipemdFunctions.h"
#include "hash/SelfTestVector.h"

namespace validador {

namespace {

constexpr std::uint32_t kInitialChainState[5] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u,
                                                 0xC3D2E1F0u};

using namespace ripemd;

// One step of either line: a takes the new value, c turns by 10.
inline void Step(std::uint32_t& a, std::uint32_t& c, std::uint32_t e, std::uint32_t mixed,
                 std::uint32_t word, int shift) {
  a = std::rotl(a + mixed + word, shift) + e;
  c = std::rotl(c, 10);
}

#define RIPEMD160_STEP(name, function, constant)                                         \
  inline void name(std::uint32_t& a, std::uint32_t b, std::uint32_t& c, std::uint32_t d, \
                   std::uint32_t e, std::uint32_t word, int shift) {                     \
    Step(a, c, e, function(b, c, d), word + (constant), shift);                          \
  }
RIPEMD160_STEP(Left1, F1, 0x00000000u)
RIPEMD160_STEP(Left2, F2, 0x5A827999u)
RIPEMD160_STEP(Left3, F3, 0x6ED9EBA1u)
RIPEMD160_STEP(Left4, F4, 0x8F1BBCDCu)
RIPEMD160_STEP(Left5, F5, 0xA953FD4Eu)
RIPEMD160_STEP(Right1, F5, 0x50A28BE6u)
RIPEMD160_STEP(Right2, F4, 0x5C4DD124u)
RIPEMD160_STEP(Right3, F3, 0x6D703EF3u)
RIPEMD160_STEP(Right4, F2, 0x7A6D76E9u)
RIPEMD160_STEP(Right5, F1, 0x00000000u)
#undef RIPEMD160_STEP

void Compress(std::uint32_t (&chainState)[5], const std::uint32_t (&x)[16]) {
  std::uint32_t al = chainState[0], bl = chainState[1], cl = chainState[2], dl = chainState[3],
                el = chainState[4];
  std::uint32_t ar = al, br = bl, cr = cl, dr = dl, er = el;

  Left1(al, bl, cl, dl, el, x[0], 11);
  Left1(el, al, bl, cl, dl, x[1], 14);
  Left1(dl, el, al, bl, cl, x[2], 15);
  Left1(cl, dl, el, al, bl, x[3], 12);
  Left1(bl, cl, dl, el, al, x[4], 5);
  Left1(al, bl, cl, dl, el, x[5], 8);
  Left1(el, al, bl, cl, dl, x[6], 7);
  Left1(dl, el, al, bl, cl, x[7], 9);
  Left1(cl, dl, el, al, bl, x[8], 11);
  Left1(bl, cl, dl, el, al, x[9], 13);
  Left1(al, bl, cl, dl, el, x[10], 14);
  Left1(el, al, bl, cl, dl, x[11], 15);
  Left1(dl, el, al, bl, cl, x[12], 6);
  Left1(cl, dl, el, al, bl, x[13], 7);
  Left1(bl, cl, dl, el, al, x[14], 9);
  Left1(al, bl, cl, dl, el, x[15], 8);

  Left2(el, al, bl, cl, dl, x[7], 7);
  Left2(dl, el, al, bl, cl, x[4], 6);
  Left2(cl, dl, el, al, bl, x[13], 8);
  Left2(bl, cl, dl, el, al, x[1], 13);
  Left2(al, bl, cl, dl, el, x[10], 11);
  Left2(el, al, bl, cl, dl, x[6], 9);
  Left2(dl, el, al, bl, cl, x[15], 7);
  Left2(cl, dl, el, al, bl, x[3], 15);
  Left2(bl, cl, dl, el, al, x[12], 7);
  Left2(al, bl, cl, dl, el, x[0], 12);
  Left2(el, al, bl, cl, dl, x[9], 15);
  Left2(dl, el, al, bl, cl, x[5], 9);
  Left2(cl, dl, el, al, bl, x[2], 11);
  Left2(bl, cl, dl, el, al, x[14], 7);
  Left2(al, bl, cl, dl, el, x[11], 13);
  Left2(el, al, bl, cl, dl, x[8], 12);

  Left3(dl, el, al, bl, cl, x[3], 11);
  Left3(cl, dl, el, al, bl, x[10], 13);
  Left3(bl, cl, dl, el, al, x[14], 6);
  Left3(al, bl, cl, dl, el, x[4], 7);
  Left3(el, al, bl, cl, dl, x[9], 14);
  Left3(dl, el, al, bl, cl, x[15], 9);
  Left3(cl, dl, el, al, bl, x[8], 13);
  Left3(bl, cl, dl, el, al, x[1], 15);
  Left3(al, bl, cl, dl, el, x[2], 14);
  Left3(el, al, bl, cl, dl, x[7], 8);
  Left3(dl, el, al, bl, cl, x[0], 13);
  Left3(cl, dl, el, al, bl, x[6], 6);
  Left3(bl, cl, dl, el, al, x[13], 5);
  Left3(al, bl, cl, dl, el, x[11], 12);
  Left3(el, al, bl, cl, dl, x[5], 7);
  Left3(dl, el, al, bl, cl, x[12], 5);

  Left4(cl, dl, el, al, bl, x[1], 11);
  Left4(bl, cl, dl, el, al, x[9], 12);
  Left4(al, bl, cl, dl, el, x[11], 14);
  Left4(el, al, bl, cl, dl, x[10], 15);
  Left4(dl, el, al, bl, cl, x[0], 14);
  Left4(cl, dl, el, al, bl, x[8], 15);
  Left4(bl, cl, dl, el, al, x[12], 9);
  Left4(al, bl, cl, dl, el, x[4], 8);
  Left4(el, al, bl, cl, dl, x[13], 9);
  Left4(dl, el, al, bl, cl, x[3], 14);
  Left4(cl, dl, el, al, bl, x[7], 5);
  Left4(bl, cl, dl, el, al, x[15], 6);
  Left4(al, bl, cl, dl, el, x[14], 8);
  Left4(el, al, bl, cl, dl, x[5], 6);
  Left4(dl, el, al, bl, cl, x[6], 5);
  Left4(cl, dl, el, al, bl, x[2], 12);

  Left5(bl, cl, dl, el, al, x[4], 9);
  Left5(al, bl, cl, dl, el, x[0], 15);
  Left5(el, al, bl, cl, dl, x[5], 5);
  Left5(dl, el, al, bl, cl, x[9], 11);
  Left5(cl, dl, el, al, bl, x[7], 6);
  Left5(bl, cl, dl, el, al, x[12], 8);
  Left5(al, bl, cl, dl, el, x[2], 13);
  Left5(el, al, bl, cl, dl, x[10], 12);
  Left5(dl, el, al, bl, cl, x[14], 5);
  Left5(cl, dl, el, al, bl, x[1], 12);
  Left5(bl, cl, dl, el, al, x[3], 13);
  Left5(al, bl, cl, dl, el, x[8], 14);
  Left5(el, al, bl, cl, dl, x[11], 11);
  Left5(dl, el, al, bl, cl, x[6], 8);
  Left5(cl, dl, el, al, bl, x[15], 5);
  Left5(bl, cl, dl, el, al, x[13], 6);

  Right1(ar, br, cr, dr, er, x[5], 8);
  Right1(er, ar, br, cr, dr, x[14], 9);
  Right1(dr, er, ar, br, cr, x[7], 9);
  Right1(cr, dr, er, ar, br, x[0], 11);
  Right1(br, cr, dr, er, ar, x[9], 13);
  Right1(ar, br, cr, dr, er, x[2], 15);
  Right1(er, ar, br, cr, dr, x[11], 15);
  Right1(dr, er, ar, br, cr, x[4], 5);
  Right1(cr, dr, er, ar, br, x[13], 7);
  Right1(br, cr, dr, er, ar, x[6], 7);
  Right1(ar, br, cr, dr, er, x[15], 8);
  Right1(er, ar, br, cr, dr, x[8], 11);
  Right1(dr, er, ar, br, cr, x[1], 14);
  Right1(cr, dr, er, ar, br, x[10], 14);
  Right1(br, cr, dr, er, ar, x[3], 12);
  Right1(ar, br, cr, dr, er, x[12], 6);

  Right2(er, ar, br, cr, dr, x[6], 9);
  Right2(dr, er, ar, br, cr, x[11], 13);
  Right2(cr, dr, er, ar, br, x[3], 15);
  Right2(br, cr, dr, er, ar, x[7], 7);
  Right2(ar, br, cr, dr, er, x[0], 12);
  Right2(er, ar, br, cr, dr, x[13], 8);
  Right2(dr, er, ar, br, cr, x[5], 9);
  Right2(cr, dr, er, ar, br, x[10], 11);
  Right2(br, cr, dr, er, ar, x[14], 7);
  Right2(ar, br, cr, dr, er, x[15], 7);
  Right2(er, ar, br, cr, dr, x[8], 12);
  Right2(dr, er, ar, br, cr, x[12], 7);
  Right2(cr, dr, er, ar, br, x[4], 6);
  Right2(br, cr, dr, er, ar, x[9], 15);
  Right2(ar, br, cr, dr, er, x[1], 13);
  Right2(er, ar, br, cr, dr, x[2], 11);

  Right3(dr, er, ar, br, cr, x[15], 9);
  Right3(cr, dr, er, ar, br, x[5], 7);
  Right3(br, cr, dr, er, ar, x[1], 15);
  Right3(ar, br, cr, dr, er, x[3], 11);
  Right3(er, ar, br, cr, dr, x[7], 8);
  Right3(dr, er, ar, br, cr, x[14], 6);
  Right3(cr, dr, er, ar, br, x[6], 6);
  Right3(br, cr, dr, er, ar, x[9], 14);
  Right3(ar, br, cr, dr, er, x[11], 12);
  Right3(er, ar, br, cr, dr, x[8], 13);
  Right3(dr, er, ar, br, cr, x[12], 5);
  Right3(cr, dr, er, ar, br, x[2], 14);
  Right3(br, cr, dr, er, ar, x[10], 13);
  Right3(ar, br, cr, dr, er, x[0], 13);
  Right3(er, ar, br, cr, dr, x[4], 7);
  Right3(dr, er, ar, br, cr, x[13], 5);

  Right4(cr, dr, er, ar, br, x[8], 15);
  Right4(br, cr, dr, er, ar, x[6], 5);
  Right4(ar, br, cr, dr, er, x[4], 8);
  Right4(er, ar, br, cr, dr, x[1], 11);
  Right4(dr, er, ar, br, cr, x[3], 14);
  Right4(cr, dr, er, ar, br, x[11], 14);
  Right4(br, cr, dr, er, ar, x[15], 6);
  Right4(ar, br, cr, dr, er, x[0], 14);
  Right4(er, ar, br, cr, dr, x[5], 6);
  Right4(dr, er, ar, br, cr, x[12], 9);
  Right4(cr, dr, er, ar, br, x[2], 12);
  Right4(br, cr, dr, er, ar, x[13], 9);
  Right4(ar, br, cr, dr, er, x[9], 12);
  Right4(er, ar, br, cr, dr, x[7], 5);
  Right4(dr, er, ar, br, cr, x[10], 15);
  Right4(cr, dr, er, ar, br, x[14], 8);

  Right5(br, cr, dr, er, ar, x[12], 8);
  Right5(ar, br, cr, dr, er, x[15], 5);
  Right5(er, ar, br, cr, dr, x[10], 12);
  Right5(dr, er, ar, br, cr, x[4], 9);
  Right5(cr, dr, er, ar, br, x[1], 12);
  Right5(br, cr, dr, er, ar, x[5], 5);
  Right5(ar, br, cr, dr, er, x[8], 14);
  Right5(er, ar, br, cr, dr, x[7], 6);
  Right5(dr, er, ar, br, cr, x[6], 8);
  Right5(cr, dr, er, ar, br, x[2], 13);
  Right5(br, cr, dr, er, ar, x[13], 6);
  Right5(ar, br, cr, dr, er, x[14], 5);
  Right5(er, ar, br, cr, dr, x[0], 15);
  Right5(dr, er, ar, br, cr, x[3], 13);
  Right5(cr, dr, er, ar, br, x[9], 11);
  Right5(br, cr, dr, er, ar, x[11], 11);

  const std::uint32_t combined = chainState[1] + cl + dr;
  chainState[1] = chainState[2] + dl + er;
  chainState[2] = chainState[3] + el + ar;
  chainState[3] = chainState[4] + al + br;
  chainState[4] = chainState[0] + bl + cr;
  chainState[0] = combined;
}

}  // namespace

void Ripemd160Layout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                                     std::size_t count) {
  std::uint32_t x[16];
  for (; count > 0; --count, blocks += 64) {
    for (int i = 0; i < 16; ++i) x[i] = byteorder::LoadLE32(blocks + 4 * i);
    Compress(chainState, x);
  }
  WipeBytes(x, sizeof x);
}

template class TDCP_blockhash<Ripemd160Layout>;

bool TDCP_ripemd160::SelfTest() {
  return PassesSelfTest<TDCP_ripemd160>(
      {"a", "0BDC9D2D256B3EE9DAAE347BE6F4DC835A467FFE"},
      {"abcdefghijklmnopqrstuvwxyz", "F71C27109C692C1B56BBDCEB5B9D2865B3708DBC"});
}

void TDCP_ripemd160::Init() { Start(kInitialChainState); }

void TDCP_ripemd160::Final(void* digest) { Finish(digest, 5); }

}  // namespace validador
