#pragma once
// The message bit counts of the digest classes: 64 bits in two 32-bit halves,
// 128 bits in two 64-bit halves, or one 64-bit count. Each adds 8 x the byte
// count of an Update exactly and writes itself into a trailer in either order.

#include <cstddef>
#include <cstdint>

#include "hash/ByteOrder.h"

namespace validador {

// A count kept in two halves of HalfWord; a carry out of the low half adds 1 to
// the high half.
template <class HalfWord>
struct TBitCountHalves {
  static constexpr std::size_t kBytes = 2 * sizeof(HalfWord);

  HalfWord BitCountHigh = 0;
  HalfWord BitCountLow = 0;

  void Add(std::uint32_t size) {
    const auto added = static_cast<HalfWord>(HalfWord{size} << 3);
    if constexpr (sizeof(HalfWord) == 4) BitCountHigh += size >> 29;
    BitCountLow += added;
    if (BitCountLow < added) ++BitCountHigh;
  }

  // Least significant byte first (the low half first).
  void WriteLittle(std::uint8_t* at) const {
    byteorder::StoreLittle(at, BitCountLow);
    byteorder::StoreLittle(at + sizeof(HalfWord), BitCountHigh);
  }

  // Most significant byte first (the high half first).
  void WriteBig(std::uint8_t* at) const {
    byteorder::StoreBig(at, BitCountHigh);
    byteorder::StoreBig(at + sizeof(HalfWord), BitCountLow);
  }
};

using TBitCount64Halves = TBitCountHalves<std::uint32_t>;
using TBitCount128Halves = TBitCountHalves<std::uint64_t>;

// One 64-bit count.
struct TBitCount64 {
  static constexpr std::size_t kBytes = 8;

  std::uint64_t BitCount = 0;

  void Add(std::uint32_t size) { BitCount += std::uint64_t{size} << 3; }
  void WriteLittle(std::uint8_t* at) const { byteorder::StoreLittle(at, BitCount); }
  void WriteBig(std::uint8_t* at) const { byteorder::StoreBig(at, BitCount); }
};

}  // namespace validador
