#pragma once
// SHA-256 (FIPS 180-2).

#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct Sha256Layout : TLayout64<true> {
  static constexpr std::size_t kChainWords = 8;
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<Sha256Layout>;

class TDCP_sha256 : public TDCP_blockhash<Sha256Layout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  static std::int32_t GetId() { return 28; }
  static std::string GetAlgorithm() { return "SHA256"; }
  static std::int32_t GetHashSize() { return 256; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_sha256>(); }

  void Init() override;
  void Final(void* digest) override;
};

}  // namespace validador
