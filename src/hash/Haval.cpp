#include "hash/Haval.h"

#include <bit>

#include "hash/ByteOrder.h"
#include "hash/HavalTables.h"
#include "hash/SelfTestVector.h"

namespace validador {

namespace {

using std::uint32_t;

// The five Boolean functions, parameters in the order x6, x5, ..., x0.
template <int Pass>
[[gnu::always_inline]] inline uint32_t F(uint32_t x6, uint32_t x5, uint32_t x4, uint32_t x3,
                                         uint32_t x2, uint32_t x1, uint32_t x0) {
  if constexpr (Pass == 1) {
    return (x1 & (x0 ^ x4)) ^ (x2 & x5) ^ (x3 & x6) ^ x0;
  } else if constexpr (Pass == 2) {
    return (x2 & ((x1 & ~x3) ^ (x4 & x5) ^ x6 ^ x0)) ^ (x4 & (x1 ^ x5)) ^ (x3 & x5) ^ x0;
  } else if constexpr (Pass == 3) {
    return (x3 & ((x1 & x2) ^ x6 ^ x0)) ^ (x1 & x4) ^ (x2 & x5) ^ x0;
  } else if constexpr (Pass == 4) {
    return (x4 & ((x5 & ~x2) ^ (x3 & ~x6) ^ x1 ^ x6 ^ x0)) ^ (x3 & ((x1 & x2) ^ x5 ^ x6)) ^
           (x2 & x6) ^ x0;
  } else {
    return (x0 & ((x1 & x2 & x3) ^ ~x5)) ^ (x1 & x4) ^ (x2 & x5) ^ (x3 & x6);
  }
}

// The pass's Boolean function applied to its permutation of the seven inputs.
template <int Pass>
[[gnu::always_inline]] inline uint32_t Phi(uint32_t x6, uint32_t x5, uint32_t x4, uint32_t x3,
                                           uint32_t x2, uint32_t x1, uint32_t x0) {
  const uint32_t x[7] = {x0, x1, x2, x3, x4, x5, x6};
  constexpr const int* chosen = haval::kInputPermutations[Pass - 1];
  return F<Pass>(x[chosen[0]], x[chosen[1]], x[chosen[2]], x[chosen[3]], x[chosen[4]], x[chosen[5]],
                 x[chosen[6]]);
}

template <int Pass, int StepIndex>
constexpr int WordIndex() {
  if constexpr (Pass == 1)
    return StepIndex;
  else
    return haval::kWordOrders[Pass - 2][StepIndex];
}

template <int Pass, int StepIndex>
constexpr uint32_t RoundConstant() {
  if constexpr (Pass == 1)
    return 0;
  else
    return haval::kRoundConstants[Pass - 2][StepIndex];
}

// One step: x7, the word being replaced, takes its new value.
template <int Pass, int StepIndex>
[[gnu::always_inline]] inline void Step(uint32_t& x7, uint32_t x6, uint32_t x5, uint32_t x4,
                                        uint32_t x3, uint32_t x2, uint32_t x1, uint32_t x0,
                                        const uint32_t (&w)[32]) {
  const uint32_t mixed = Phi<Pass>(x6, x5, x4, x3, x2, x1, x0);
  x7 = std::rotr(mixed, 7) + std::rotr(x7, 11) + w[WordIndex<Pass, StepIndex>()] +
       RoundConstant<Pass, StepIndex>();
}

void Compress(uint32_t (&chainState)[8], const uint32_t (&w)[32]) {
  uint32_t t0 = chainState[0], t1 = chainState[1], t2 = chainState[2], t3 = chainState[3],
           t4 = chainState[4], t5 = chainState[5], t6 = chainState[6], t7 = chainState[7];

  Step<1, 0>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<1, 1>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<1, 2>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<1, 3>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<1, 4>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<1, 5>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<1, 6>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<1, 7>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<1, 8>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<1, 9>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<1, 10>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<1, 11>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<1, 12>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<1, 13>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<1, 14>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<1, 15>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<1, 16>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<1, 17>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<1, 18>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<1, 19>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<1, 20>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<1, 21>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<1, 22>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<1, 23>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<1, 24>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<1, 25>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<1, 26>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<1, 27>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<1, 28>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<1, 29>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<1, 30>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<1, 31>(t0, t7, t6, t5, t4, t3, t2, t1, w);

  Step<2, 0>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<2, 1>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<2, 2>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<2, 3>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<2, 4>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<2, 5>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<2, 6>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<2, 7>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<2, 8>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<2, 9>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<2, 10>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<2, 11>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<2, 12>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<2, 13>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<2, 14>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<2, 15>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<2, 16>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<2, 17>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<2, 18>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<2, 19>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<2, 20>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<2, 21>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<2, 22>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<2, 23>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<2, 24>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<2, 25>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<2, 26>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<2, 27>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<2, 28>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<2, 29>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<2, 30>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<2, 31>(t0, t7, t6, t5, t4, t3, t2, t1, w);

  Step<3, 0>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<3, 1>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<3, 2>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<3, 3>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<3, 4>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<3, 5>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<3, 6>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<3, 7>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<3, 8>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<3, 9>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<3, 10>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<3, 11>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<3, 12>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<3, 13>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<3, 14>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<3, 15>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<3, 16>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<3, 17>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<3, 18>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<3, 19>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<3, 20>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<3, 21>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<3, 22>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<3, 23>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<3, 24>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<3, 25>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<3, 26>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<3, 27>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<3, 28>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<3, 29>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<3, 30>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<3, 31>(t0, t7, t6, t5, t4, t3, t2, t1, w);

  Step<4, 0>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<4, 1>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<4, 2>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<4, 3>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<4, 4>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<4, 5>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<4, 6>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<4, 7>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<4, 8>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<4, 9>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<4, 10>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<4, 11>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<4, 12>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<4, 13>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<4, 14>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<4, 15>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<4, 16>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<4, 17>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<4, 18>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<4, 19>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<4, 20>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<4, 21>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<4, 22>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<4, 23>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<4, 24>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<4, 25>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<4, 26>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<4, 27>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<4, 28>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<4, 29>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<4, 30>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<4, 31>(t0, t7, t6, t5, t4, t3, t2, t1, w);

  Step<5, 0>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<5, 1>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<5, 2>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<5, 3>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<5, 4>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<5, 5>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<5, 6>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<5, 7>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<5, 8>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<5, 9>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<5, 10>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<5, 11>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<5, 12>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<5, 13>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<5, 14>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<5, 15>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<5, 16>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<5, 17>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<5, 18>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<5, 19>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<5, 20>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<5, 21>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<5, 22>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<5, 23>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  Step<5, 24>(t7, t6, t5, t4, t3, t2, t1, t0, w);
  Step<5, 25>(t6, t5, t4, t3, t2, t1, t0, t7, w);
  Step<5, 26>(t5, t4, t3, t2, t1, t0, t7, t6, w);
  Step<5, 27>(t4, t3, t2, t1, t0, t7, t6, t5, w);
  Step<5, 28>(t3, t2, t1, t0, t7, t6, t5, t4, w);
  Step<5, 29>(t2, t1, t0, t7, t6, t5, t4, t3, w);
  Step<5, 30>(t1, t0, t7, t6, t5, t4, t3, t2, w);
  Step<5, 31>(t0, t7, t6, t5, t4, t3, t2, t1, w);
  chainState[0] += t0;
  chainState[1] += t1;
  chainState[2] += t2;
  chainState[3] += t3;
  chainState[4] += t4;
  chainState[5] += t5;
  chainState[6] += t6;
  chainState[7] += t7;
}

}  // namespace

void HavalLayout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                                 std::size_t count) {
  std::uint32_t w[32];
  for (; count > 0; --count, blocks += 128) {
    for (int i = 0; i < 32; ++i) w[i] = byteorder::LoadLE32(blocks + 4 * i);
    Compress(chainState, w);
  }
  WipeBytes(w, sizeof w);
}

template class TDCP_blockhash<HavalLayout>;

bool TDCP_haval::SelfTest() {
  return PassesSelfTest<TDCP_haval>(
      {"abcdefghijklmnopqrstuvwxyz",
       "1A1DC8099BDAA7F35B4DA4E805F1A28FEE909D8DEE920198185CBCAED8A10A8D"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "C5647FC6C1877FFF96742F27E9266B6874894F41A08F5913033D9D532AEDDB39"});
}

void TDCP_haval::Init() { Start(haval::kInitialWords); }

void TDCP_haval::Final(void* digest) { Finish(digest, 8); }

}  // namespace validador
