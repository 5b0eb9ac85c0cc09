#pragma once
// SHA-1 (FIPS 180-2).

#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct Sha1Layout : TLayout64<true> {
  static constexpr std::size_t kChainWords = 5;
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<Sha1Layout>;

class TDCP_sha1 : public TDCP_blockhash<Sha1Layout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  static std::int32_t GetId() { return 2; }
  static std::string GetAlgorithm() { return "SHA1"; }
  static std::int32_t GetHashSize() { return 160; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_sha1>(); }

  void Init() override;
  void Final(void* digest) override;
};

}  // namespace validador
