// SHA-512 compression whose message schedule runs in 128-bit vector registers,
// two words at a time, while the rounds stay scalar (with BMI2 rotates). The
// schedule keeps its last sixteen words in eight registers. Compiled for
// AVX-512F, AVX-512VL, BMI1 and BMI2, the shared rounds included; everything here
// besides the compression stays internal.

#include <immintrin.h>

#include <cstdint>
#include <utility>

#include "hash/Sha512Rounds.h"
#include "hash/WipeBytes.h"
#include "hash/x86/ShaCompressionsX86.h"

namespace validador::x86 {

namespace {

inline __m128i SmallSigma0(__m128i x) {
  return _mm_xor_si128(_mm_xor_si128(_mm_ror_epi64(x, 1), _mm_ror_epi64(x, 8)),
                       _mm_srli_epi64(x, 7));
}

inline __m128i SmallSigma1(__m128i x) {
  return _mm_xor_si128(_mm_xor_si128(_mm_ror_epi64(x, 19), _mm_ror_epi64(x, 61)),
                       _mm_srli_epi64(x, 6));
}

// The schedule of one block computed two words at a time while the rounds run:
// asking for word t (t even) first computes words t + 16 and t + 17 from the
// window of the last sixteen words, x[i % 8] = w[2i .. 2i + 1].
class InterleavedSchedule {
 public:
  ~InterleavedSchedule() { WipeBytes(wk_, sizeof wk_); }

  // Starts the schedule of the next block: its first sixteen words.
  [[gnu::always_inline]] void Load(const std::uint8_t* block) {
    [&]<int... i>(std::integer_sequence<int, i...>) {
      (LoadPair<i>(block), ...);
    }(std::make_integer_sequence<int, 8>{});
  }
  template <int t>
  [[gnu::always_inline]] std::uint64_t Word() {
    if constexpr (t % 2 == 0 && t + 16 < 80) ComputePair<t / 2>();
    return wk_[t];
  }

 private:
  // Words 2i and 2i + 1 of the block.
  template <int i>
  [[gnu::always_inline]] void LoadPair(const std::uint8_t* block) {
    const __m128i byteSwap = _mm_set_epi64x(0x08090A0B0C0D0E0FLL, 0x0001020304050607LL);
    x_[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)),
                             byteSwap);
    StorePlusConstants(2 * i, x_[i]);
  }

  // Words 2i + 16 and 2i + 17 replace words 2i and 2i + 1 in the window.
  template <int i>
  [[gnu::always_inline]] void ComputePair() {
    const __m128i older = x_[i % 8];
    const __m128i wordsT15 = _mm_alignr_epi8(x_[(i + 1) % 8], older, 8);
    const __m128i wordsT7 = _mm_alignr_epi8(x_[(i + 5) % 8], x_[(i + 4) % 8], 8);
    x_[i % 8] = _mm_add_epi64(_mm_add_epi64(older, SmallSigma0(wordsT15)),
                              _mm_add_epi64(wordsT7, SmallSigma1(x_[(i + 7) % 8])));
    StorePlusConstants(16 + 2 * i, x_[i % 8]);
  }

  void StorePlusConstants(int t, __m128i words) {
    const __m128i constants =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(sha512::kRoundConstants + t));
    _mm_store_si128(reinterpret_cast<__m128i*>(wk_ + t), _mm_add_epi64(words, constants));
  }

  __m128i x_[8];
  alignas(16) std::uint64_t wk_[80];
};

}  // namespace

void Sha512CompressBlocksWithVectors(std::uint64_t (&chainState)[8], const std::uint8_t* blocks,
                                     std::size_t count) {
  InterleavedSchedule schedule;
  for (; count > 0; --count, blocks += 128) {
    schedule.Load(blocks);
    sha512::CompressRounds(chainState, schedule);
  }
}

}  // namespace validador::x86
