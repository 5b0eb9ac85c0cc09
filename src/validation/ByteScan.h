#pragma once
// Finding every occurrence of one byte value in a text, 64 bytes at a time: a bit
// mask with bit i set where byte i of the chunk holds the value, built from 16-byte
// compares (SSE2 where the compiler has it, a plain loop elsewhere). Nothing
// outside the text is read: the last partial chunk is built from 16-byte blocks
// inside the text (the last one overlapping its neighbour), or, in a text shorter
// than one block, from a padded copy.

#include <bit>
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

// The mask of the bytes from `at` to the end of a text of `size` bytes, fewer
// than 64; bit 0 stands for byte `at`.
inline std::uint64_t MaskOfLastChunk(const char* text, std::size_t at, std::size_t size, char value) {
  if (size < kScanBlock) {
    char padded[kScanBlock] = {};
    std::memcpy(padded, text, size);
    return (MaskOfBlock(padded, value) & ((std::uint64_t{1} << size) - 1)) >> at;
  }
  std::uint64_t mask = 0;
  std::size_t block = at;
  for (; block + kScanBlock <= size; block += kScanBlock) mask |= MaskOfBlock(text + block, value) << (block - at);
  if (block == size) return mask;
  const std::size_t lastBlock = size - kScanBlock;  // ends with the text; may start before `at`
  const std::uint64_t last = MaskOfBlock(text + lastBlock, value);
  return mask | (lastBlock >= at ? last << (lastBlock - at) : last >> (at - lastBlock));
}

// Calls found(base + i) for every bit i of `mask`, lowest first, while it returns true.
template <typename Found>
bool ForEachBit(std::uint64_t mask, std::size_t base, Found& found) {
  for (; mask != 0; mask &= mask - 1) {
    if (!found(base + static_cast<unsigned>(std::countr_zero(mask)))) return false;
  }
  return true;
}

// Calls found(position) for every byte of `text` equal to `value`, in order, while
// it returns true. False when `found` stopped the scan.
template <typename Found>
bool ForEachByte(std::string_view text, char value, Found found) {
  const char* data = text.data();
  const std::size_t size = text.size();
  std::size_t at = 0;
  for (; at + kScanChunk <= size; at += kScanChunk) {
    if (!ForEachBit(MaskOfFullChunk(data + at, value), at, found)) return false;
  }
  return at == size || ForEachBit(MaskOfLastChunk(data, at, size, value), at, found);
}

}  // namespace validador
