#pragma once
// RIPEMD-128, as published by its designers.

#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct Ripemd128Layout : TLayout64<false> {
  static constexpr std::size_t kChainWords = 4;
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<Ripemd128Layout>;

class TDCP_ripemd128 : public TDCP_blockhash<Ripemd128Layout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  static std::int32_t GetId() { return 27; }
  static std::string GetAlgorithm() { return "RipeMD-128"; }
  static std::int32_t GetHashSize() { return 128; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_ripemd128>(); }

  void Init() override;
  void Final(void* digest) override;
};

}  // namespace validador
