#pragma once
// Loading message words for the SHA-extension compressions.

#include <immintrin.h>

#include <cstdint>

namespace validador {

// Sixteen message bytes, reordered by `byteSwap`.
__attribute__((target("sha,sse4.1"))) inline __m128i LoadSwapped(const std::uint8_t* at,
                                                                 __m128i byteSwap) {
  return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), byteSwap);
}

}  // namespace validador
