#pragma once
// The SHA-512 rounds, written out step by step, shared by the portable
// compression and the one whose message schedule uses vector instructions.

#include <cstdint>

namespace validador::sha512 {

// Internal to each file that includes it: the vector file is compiled for other
// instructions, and the two copies must not be merged. For the same reason the
// rotate is this file's own rather than std::rotr, whose out-of-line copy (in an
// unoptimised build) the linker could take from the vector file for both.
namespace {

constexpr std::uint64_t kRoundConstants[80] = {
    0x428A2F98D728AE22ull, 0x7137449123EF65CDull,
    0xB5C0FBCFEC4D3B2Full, 0xE9B5DBA58189DBBCull,
    0x3956C25BF348B538ull, 0x59F111F1B605D019ull,
    0x923F82A4AF194F9Bull, 0xAB1C5ED5DA6D8118ull,
    0xD807AA98A3030242ull, 0x12835B0145706FBEull,
    0x243185BE4EE4B28Cull, 0x550C7DC3D5FFB4E2ull,
    0x72BE5D74F27B896Full, 0x80DEB1FE3B1696B1ull,
    0x9BDC06A725C71235ull, 0xC19BF174CF692694ull,
    0xE49B69C19EF14AD2ull, 0xEFBE4786384F25E3ull,
    0x0FC19DC68B8CD5B5ull, 0x240CA1CC77AC9C65ull,
    0x2DE92C6F592B0275ull, 0x4A7484AA6EA6E483ull,
    0x5CB0A9DCBD41FBD4ull, 0x76F988DA831153B5ull,
    0x983E5152EE66DFABull, 0xA831C66D2DB43210ull,
    0xB00327C898FB213Full, 0xBF597FC7BEEF0EE4ull,
    0xC6E00BF33DA88FC2ull, 0xD5A79147930AA725ull,
    0x06CA6351E003826Full, 0x142929670A0E6E70ull,
    0x27B70A8546D22FFCull, 0x2E1B21385C26C926ull,
    0x4D2C6DFC5AC42AEDull, 0x53380D139D95B3DFull,
    0x650A73548BAF63DEull, 0x766A0ABB3C77B2A8ull,
    0x81C2C92E47EDAEE6ull, 0x92722C851482353Bull,
    0xA2BFE8A14CF10364ull, 0xA81A664BBC423001ull,
    0xC24B8B70D0F89791ull, 0xC76C51A30654BE30ull,
    0xD192E819D6EF5218ull, 0xD69906245565A910ull,
    0xF40E35855771202Aull, 0x106AA07032BBD1B8ull,
    0x19A4C116B8D2D0C8ull, 0x1E376C085141AB53ull,
    0x2748774CDF8EEB99ull, 0x34B0BCB5E19B48A8ull,
    0x391C0CB3C5C95A63ull, 0x4ED8AA4AE3418ACBull,
    0x5B9CCA4F7763E373ull, 0x682E6FF3D6B2B8A3ull,
    0x748F82EE5DEFB2FCull, 0x78A5636F43172F60ull,
    0x84C87814A1F0AB72ull, 0x8CC702081A6439ECull,
    0x90BEFFFA23631E28ull, 0xA4506CEBDE82BDE9ull,
    0xBEF9A3F7B2C67915ull, 0xC67178F2E372532Bull,
    0xCA273ECEEA26619Cull, 0xD186B8C721C0C207ull,
    0xEADA7DD6CDE0EB1Eull, 0xF57D4F7FEE6ED178ull,
    0x06F067AA72176FBAull, 0x0A637DC5A2C898A6ull,
    0x113F9804BEF90DAEull, 0x1B710B35131C471Bull,
    0x28DB77F523047D84ull, 0x32CAAB7B40C72493ull,
    0x3C9EBE0A15C9BEBCull, 0x431D67C49C100D4Cull,
    0x4CC5D4BECB3E42B6ull, 0x597F299CFC657E2Aull,
    0x5FCB6FAB3AD6FAECull, 0x6C44198C4A475817ull,
};

// n is a constant from 1 to 63; compilers turn this into one rotate instruction.
[[gnu::always_inline]] inline std::uint64_t RotateRight(std::uint64_t x, int n) {
  return (x >> n) | (x << (64 - n));
}

[[gnu::always_inline]] inline std::uint64_t BigSigma0(std::uint64_t x) {
  return RotateRight(x, 28) ^ RotateRight(x, 34) ^ RotateRight(x, 39);
}
[[gnu::always_inline]] inline std::uint64_t BigSigma1(std::uint64_t x) {
  return RotateRight(x, 14) ^ RotateRight(x, 18) ^ RotateRight(x, 41);
}
[[gnu::always_inline]] inline std::uint64_t SmallSigma0(std::uint64_t x) {
  return RotateRight(x, 1) ^ RotateRight(x, 8) ^ (x >> 7);
}
inline std::uint64_t SmallSigma1(std::uint64_t x) {
  return RotateRight(x, 19) ^ RotateRight(x, 61) ^ (x >> 6);
}

// One round: d and h take their new values; the next round names the variables
// one place on (h, a, b, c, d, e, f, g). The majority reuses b ^ c, which is the
// a ^ b of the round before.
[[gnu::always_inline]] inline void Round(std::uint64_t a, std::uint64_t b, std::uint64_t /*c*/,
                                         std::uint64_t& d, std::uint64_t e, std::uint64_t f,
                                         std::uint64_t g, std::uint64_t& h,
                                         std::uint64_t wordAndConstant, std::uint64_t& bXorC,
                                         std::uint64_t& aXorB) {
  // Choose(e, f, g) as the sum of its two halves, which never overlap.
  h += wordAndConstant + (~e & g);
  h += (e & f);
  h += BigSigma1(e);
  d += h;
  aXorB = a ^ b;
  h += BigSigma0(a) + (b ^ (aXorB & bXorC));
}

// The 80 rounds of one block. Round t takes `schedule.template Word<t>()`, the
// schedule word w[t] with its round constant K[t] already added, asked in order.
template <class Schedule>
[[gnu::always_inline]] inline void CompressRounds(std::uint64_t (&chainState)[8],
                                                  Schedule& schedule) {
  std::uint64_t a = chainState[0], b = chainState[1], c = chainState[2], d = chainState[3],
                e = chainState[4], f = chainState[5], g = chainState[6], h = chainState[7];
  std::uint64_t x0 = b ^ c, x1 = 0;

  Round(a, b, c, d, e, f, g, h, schedule.template Word<0>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<1>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<2>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<3>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<4>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<5>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<6>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<7>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<8>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<9>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<10>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<11>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<12>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<13>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<14>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<15>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<16>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<17>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<18>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<19>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<20>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<21>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<22>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<23>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<24>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<25>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<26>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<27>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<28>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<29>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<30>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<31>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<32>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<33>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<34>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<35>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<36>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<37>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<38>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<39>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<40>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<41>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<42>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<43>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<44>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<45>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<46>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<47>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<48>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<49>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<50>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<51>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<52>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<53>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<54>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<55>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<56>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<57>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<58>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<59>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<60>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<61>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<62>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<63>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<64>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<65>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<66>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<67>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<68>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<69>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<70>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<71>(), x1, x0);
  Round(a, b, c, d, e, f, g, h, schedule.template Word<72>(), x0, x1);
  Round(h, a, b, c, d, e, f, g, schedule.template Word<73>(), x1, x0);
  Round(g, h, a, b, c, d, e, f, schedule.template Word<74>(), x0, x1);
  Round(f, g, h, a, b, c, d, e, schedule.template Word<75>(), x1, x0);
  Round(e, f, g, h, a, b, c, d, schedule.template Word<76>(), x0, x1);
  Round(d, e, f, g, h, a, b, c, schedule.template Word<77>(), x1, x0);
  Round(c, d, e, f, g, h, a, b, schedule.template Word<78>(), x0, x1);
  Round(b, c, d, e, f, g, h, a, schedule.template Word<79>(), x1, x0);

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
}  // namespace validador::sha512
