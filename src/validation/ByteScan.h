#pragma once
// Finding every occurrence of one byte value in a text, 16 bytes at a time (SSE2
// where the compiler has it, a plain loop elsewhere). Nothing outside the text is
// read: the last partial block is taken from the text's last 16 bytes, or copied
// into a padded block when the whole text is shorter.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace validador {

inline constexpr std::size_t kScanBlock = 16;

// Bit i set where byte i of the 16 bytes at `block` equals `value`.
inline std::uint32_t MaskOfBlock(const char* block, char value) {
#if defined(__SSE2__)
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
  return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(value))));
#else
  std::uint32_t mask = 0;
  for (std::size_t i = 0; i < kScanBlock; ++i) mask |= static_cast<std::uint32_t>(block[i] == value) << i;
  return mask;
#endif
}

// The mask of the bytes from `at` to the end of a text of `size` bytes, when
// fewer than 16 are left: bit 0 stands for byte `at`.
inline std::uint32_t MaskOfTail(const char* text, std::size_t at, std::size_t size, char value) {
  const std::size_t left = size - at;
  if (size >= kScanBlock) return MaskOfBlock(text + size - kScanBlock, value) >> (kScanBlock - left);
  char padded[kScanBlock] = {};
  std::memcpy(padded, text + at, left);
  return MaskOfBlock(padded, value) & ((std::uint32_t{1} << left) - 1);
}

// Calls found(base + i) for every bit i of `mask`, lowest first, while it returns true.
template <typename Found>
bool ForEachBit(std::uint32_t mask, std::size_t base, Found& found) {
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
  for (; at + kScanBlock <= size; at += kScanBlock) {
    if (!ForEachBit(MaskOfBlock(data + at, value), at, found)) return false;
  }
  return at == size || ForEachBit(MaskOfTail(data, at, size, value), at, found);
}

}  // namespace validador
