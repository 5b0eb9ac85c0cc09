#pragma once
// MD4 (RFC 1320).

#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct Md4Layout : TLayout64<false> {
  static constexpr std::size_t kChainWords = 4;
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<Md4Layout>;

class TDCP_md4 : public TDCP_blockhash<Md4Layout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  static std::int32_t GetId() { return 17; }
  static std::string GetAlgorithm() { return "MD4"; }
  static std::int32_t GetHashSize() { return 128; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_md4>(); }

  void Init() override;
  void Final(void* digest) override;
};

}  // namespace validador
