#pragma once
// MD5 (RFC 1321).

#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct Md5Layout : TLayout64<false> {
  static constexpr std::size_t kChainWords = 4;
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<Md5Layout>;

class TDCP_md5 : public TDCP_blockhash<Md5Layout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  static std::int32_t GetId() { return 16; }
  static std::string GetAlgorithm() { return "MD5"; }
  static std::int32_t GetHashSize() { return 128; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_md5>(); }

  void Init() override;
  void Final(void* digest) override;
};

}  // namespace validador
