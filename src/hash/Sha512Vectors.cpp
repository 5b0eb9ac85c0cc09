// SHA-512 compression whose message schedule runs in 128-bit vector registers,
// two words at a time, while the rounds stay scalar (with BMI2 rotates). The
// schedule keeps its last sixteen words in eight registers.

#include <immintrin.h>

#include "hash/ShaAcceleration.h"
#include "hash/Sha512Rounds.h"
#include "hash/WipeBytes.h"

namespace validador {

namespace {

#define SHA512_VECTOR_TARGET __attribute__((target("avx512vl,avx512f,bmi,bmi2")))

SHA512_VECTOR_TARGET inline __m128i SmallSigma0(__m128i x) {
  return _mm_xor_si128(_mm_xor_si128(_mm_ror_epi64(x, 1), _mm_ror_epi64(x, 8)),
                       _mm_srli_epi64(x, 7));
}

SHA512_VECTOR_TARGET inline __m128i SmallSigma1(__m128i x) {
  return _mm_xor_si128(_mm_xor_si128(_mm_ror_epi64(x, 19), _mm_ror_epi64(x, 61)),
                       _mm_srli_epi64(x, 6));
}

SHA512_VECTOR_TARGET inline void StorePlusConstants(std::uint64_t* wk, int t, __m128i words) {
  const __m128i constants =
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(sha512::kRoundConstants + t));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(wk + t), _mm_add_epi64(words, constants));
}

// wk[t] = w[t] + K[t] for the 80 words of one block.
SHA512_VECTOR_TARGET inline void ExpandSchedule(std::uint64_t (&wk)[80],
                                                const std::uint8_t* block) {
  const __m128i byteSwap = _mm_set_epi64x(0x08090A0B0C0D0E0FLL, 0x0001020304050607LL);
  __m128i x[8];
#pragma GCC unroll 8
  for (int i = 0; i < 8; ++i) {
    x[i] = _mm_shuffle_epi8(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), byteSwap);
    StorePlusConstants(wk, 2 * i, x[i]);
  }
  // Words t and t+1 from the window x[i % 8] = w[t-16..t-15] ... x[(i+7) % 8] = w[t-2..t-1].
#pragma GCC unroll 32
  for (int i = 0; i < 32; ++i) {
    const __m128i older = x[i % 8];
    const __m128i wordsT15 = _mm_alignr_epi8(x[(i + 1) % 8], older, 8);
    const __m128i wordsT7 = _mm_alignr_epi8(x[(i + 5) % 8], x[(i + 4) % 8], 8);
    x[i % 8] = _mm_add_epi64(_mm_add_epi64(older, SmallSigma0(wordsT15)),
                             _mm_add_epi64(wordsT7, SmallSigma1(x[(i + 7) % 8])));
    StorePlusConstants(wk, 16 + 2 * i, x[i % 8]);
  }
}

}  // namespace

SHA512_VECTOR_TARGET void Sha512CompressBlocksWithVectors(std::uint64_t (&chainState)[8],
                                                          const std::uint8_t* blocks,
                                                          std::size_t count) {
  alignas(16) std::uint64_t wk[80];
  for (; count > 0; --count, blocks += 128) {
    ExpandSchedule(wk, blocks);
    // The rounds read their words from memory as operands of their additions
    // rather than extracting them from the vector registers one by one.
    __asm__ __volatile__("" : : "r"(wk) : "memory");
    sha512::CompressRounds(chainState, wk);
  }
  WipeBytes(wk, sizeof wk);
}

#undef SHA512_VECTOR_TARGET

}  // namespace validador
