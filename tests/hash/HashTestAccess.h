#pragma once
// Test-only access to the state of the digest components (they name this struct
// their friend): read the counts, set a bit count, and see the raw state bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

#include "hash/Haval.h"
#include "hash/Md4.h"
#include "hash/Md5.h"
#include "hash/Ripemd128.h"
#include "hash/Ripemd160.h"
#include "hash/Sha1.h"
#include "hash/Sha256.h"
#include "hash/Sha512.h"
#include "hash/Tiger.h"

namespace validador {

struct HashTestAccess {
  // The shared part of any of the classes, where the state lives.
  template <class Layout>
  static TDCP_blockhash<Layout>& Holder(TDCP_blockhash<Layout>& hash) {
    return hash;
  }

  template <class Hash>
  static std::uint32_t BufferIndex(Hash& hash) {
    return Holder(hash).BufferIndex;
  }

  template <class Hash>
  static std::span<const std::uint8_t> ChainState(Hash& hash) {
    auto& holder = Holder(hash);
    return {reinterpret_cast<const std::uint8_t*>(holder.ChainState), sizeof holder.ChainState};
  }

  template <class Hash>
  static std::span<const std::uint8_t> BlockBuffer(Hash& hash) {
    auto& holder = Holder(hash);
    return {holder.BlockBuffer, sizeof holder.BlockBuffer};
  }

  // The bit count as (high, low); a single 64-bit count gives high 0.
  template <class Hash>
  static std::pair<std::uint64_t, std::uint64_t> BitCount(Hash& hash) {
    const auto& count = Holder(hash).Count;
    if constexpr (requires { count.BitCount; }) {
      return {0, count.BitCount};
    } else {
      return {count.BitCountHigh, count.BitCountLow};
    }
  }

  template <class Hash>
  static void SetBitCount(Hash& hash, std::uint64_t high, std::uint64_t low) {
    auto& count = Holder(hash).Count;
    if constexpr (requires { count.BitCount; }) {
      count.BitCount = low;
    } else {
      count.BitCountHigh = static_cast<decltype(count.BitCountHigh)>(high);
      count.BitCountLow = static_cast<decltype(count.BitCountLow)>(low);
    }
  }

  // True when counts, buffer index, chaining words and block buffer are all zero.
  template <class Hash>
  static bool StateIsClear(Hash& hash) {
    const auto [high, low] = BitCount(hash);
    return high == 0 && low == 0 && BufferIndex(hash) == 0 && AllZero(ChainState(hash)) &&
           AllZero(BlockBuffer(hash));
  }

  static bool AllZero(std::span<const std::uint8_t> bytes) {
    for (const auto byte : bytes) {
      if (byte != 0) return false;
    }
    return true;
  }
};

}  // namespace validador
