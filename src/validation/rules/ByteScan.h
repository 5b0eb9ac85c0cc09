#pragma once
// Finding every occurrence of one byte value in a text, 64 bytes at a time: a bit
// mask with bit i set where byte i of the chunk holds the value, built from 16-byte
// compares (SSE2 where the compiler has it, a plain loop elsewhere). Nothing
// outside the text is read: the last partial chunk is taken from blocks inside the
// text that overlap bytes already scanned, or, in a text shorter than one block,
// from a padded copy.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace validador {

inline constexpr std::size_t kScanBlock = 16;
inline constexpr std::size_t kScanChunk = 64;

// Bit i set where byte i of the 16 bytes at `block` equals `value`.
inline std::uint64_t MaskOfBlock(const char* block, char value) {
#if defined(__SSE2__)
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(value))));
#else
  std::uint64_t mask = 0;
  for (std::size_t i = 0; i < kScanBlock; ++i) mask |= static_cast<std::uint64_t>(block[i] == value) << i;
  return mask;
#endif
}

inline std::uint64_t MaskOfFullChunk(const char* chunk, char value) {
  return MaskOfBlock(chunk, value) | MaskOfBlock(chunk + 16, value) << 16 | MaskOfBlock(chunk + 32, value) << 32 |
         MaskOfBlock(chunk + 48, value) << 48;
}

// The mask of a text of 16 to 63 bytes: four blocks, the later ones moved back to
// end with the text where it is too short for them (their bits fall on bits the
// earlier blocks already hold).
inline std::uint64_t MaskOfShortText(const char* text, std::size_t size, char value) {
  std::uint64_t mask = 0;
  for (std::size_t block = 0; block < kScanChunk; block += kScanBlock) {
    const std::size_t start = std::min(block, size - kScanBlock);
    mask |= MaskOfBlock(text + start, value) << start;
  }
  return mask;
}

// The mask of the bytes from `at` to the end of a text of `size` bytes, fewer
// than 64; bit 0 stands for byte `at`. In a text of 64 bytes or more the chunk
// is taken from its last 64 bytes, dropping those already scanned.
inline std::uint64_t MaskOfLastChunk(const char* text, std::size_t at, std::size_t size, char value) {
  if (size >= kScanChunk) return MaskOfFullChunk(text + size - kScanChunk, value) >> (kScanChunk - (size - at));
  if (size >= kScanBlock) return MaskOfShortText(text, size, value);  // then `at` is 0
  char padded[kScanBlock] = {};
  std::memcpy(padded, text, size);
  return MaskOfBlock(padded, value) & ((std::uint64_t{1} << size) - 1);
}

// Calls visit(mask, at) for the chunks of `text` in order, `mask` holding the bytes
// equal to `value` of the chunk that starts at `at`, while visit returns true.
// False when `visit` stopped the scan.
template <typename Visit>
bool ForEachChunkMask(std::string_view text, char value, Visit visit) {
  const char* data = text.data();
  const std::size_t size = text.size();
  std::size_t at = 0;
  for (; at + kScanChunk <= size; at += kScanChunk) {
    if (!visit(MaskOfFullChunk(data + at, value), at)) return false;
  }
  return at == size || visit(MaskOfLastChunk(data, at, size, value), at);
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
