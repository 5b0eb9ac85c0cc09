#pragma once
// RIPEMD-160, as published by its designers.

#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct Ripemd160Layout : TLayout64<false> {
  static constexpr std::size_t kChainWords = 5;
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<Ripemd160Layout>;

class TDCP_ripemd160 : public TDCP_blockhash<Ripemd160Layout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  static std::int32_t GetId() { return 10; }
  static std::string GetAlgorithm() { return "RipeMD-160"; }
  static std::int32_t GetHashSize() { return 160; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_ripemd160>(); }

  void Init() override;
  void Final(void* digest) override;
};

}  // namespace validador
