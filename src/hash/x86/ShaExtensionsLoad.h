#pragma once
// Loading message words for the SHA-extension compressions.

#include <immintrin.h>

#include <cstdint>

namespace validador::x86 {

// Internal to each file that includes it, like the intrinsics: those files are
// compiled for the SHA extensions, and no copy may be shared with other code.
namespace {

// Sixteen message bytes, reordered by `byteSwap`.
inline __m128i LoadSwapped(const std::uint8_t* at, __m128i byteSwap) {
  return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), byteSwap);
}

}  // namespace
}  // namespace validador::x86
