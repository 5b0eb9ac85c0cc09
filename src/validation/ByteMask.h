#pragma once
// Finding one byte value in a line 64 bytes at a time: a bit mask with bit i set
// where byte i of the chunk equals the value. SSE2 where the compiler has it,
// a plain loop elsewhere.

#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace validador {

inline constexpr std::size_t kMaskChunk = 64;

// Mask of the bytes equal to `value` among the 64 bytes at `chunk`.
inline std::uint64_t MaskOfFullChunk(const char* chunk, char value) {
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(value);
  std::uint64_t mask = 0;
  for (int part = 0; part < 4; ++part) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part));
    const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
    mask |= static_cast<std::uint64_t>(bits) << (16 * part);
  }
  return mask;
#else
  std::uint64_t mask = 0;
  for (std::size_t i = 0; i < kMaskChunk; ++i) mask |= static_cast<std::uint64_t>(chunk[i] == value) << i;
  return mask;
#endif
}

// Mask of the bytes equal to `value` among the `size` (at most 64) bytes at
// `chunk`; nothing past them is read.
inline std::uint64_t MaskOfChunk(const char* chunk, std::size_t size, char value) {
  if (size == kMaskChunk) return MaskOfFullChunk(chunk, value);
  char padded[kMaskChunk] = {};
  if (size > 0) std::memcpy(padded, chunk, size);
  const std::uint64_t inside = size == 0 ? 0 : ~std::uint64_t{0} >> (kMaskChunk - size);
  return MaskOfFullChunk(padded, value) & inside;
}

// Number of set bits. A plain bit count, because the baseline instruction set has
// no population-count instruction and the library fallback is a call per mask.
inline int CountOfBits(std::uint64_t mask) {
  mask = mask - ((mask >> 1) & 0x5555555555555555ULL);
  mask = (mask & 0x3333333333333333ULL) + ((mask >> 2) & 0x3333333333333333ULL);
  mask = (mask + (mask >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
  return static_cast<int>((mask * 0x0101010101010101ULL) >> 56);
}

}  // namespace validador
