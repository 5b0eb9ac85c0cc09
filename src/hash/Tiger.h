#pragma once
// Tiger with three passes and a 192-bit result, as published by its designers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct TigerLayout {
  using Word = std::uint64_t;
  using Count = TBitCount64;
  static constexpr std::size_t kChainWords = 3;
  static constexpr std::size_t kBlockSize = 64;
  static constexpr std::uint8_t kPadByte = 0x01;
  static constexpr bool kBigEndian = false;
  static constexpr std::array<std::uint8_t, 0> kTrailerPrefix{};
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<TigerLayout>;

class TDCP_tiger : public TDCP_blockhash<TigerLayout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  static std::int32_t GetId() { return 18; }
  static std::string GetAlgorithm() { return "Tiger"; }
  static std::int32_t GetHashSize() { return 192; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_tiger>(); }

  void Init() override;
  void Final(void* digest) override;
};

}  // namespace validador
