#pragma once
// SHA-384 and SHA-512 (FIPS 180-2) over their common base, which holds the 64-bit
// chaining words, the 128-bit bit count, the buffering and the compression. The
// two differ only in their initial words, name, identifier and digest length.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct Sha512Layout {
  using Word = std::uint64_t;
  using Count = TBitCount128Halves;
  static constexpr std::size_t kChainWords = 8;
  static constexpr std::size_t kBlockSize = 128;
  static constexpr std::uint8_t kPadByte = 0x80;
  static constexpr bool kBigEndian = true;
  static constexpr std::array<std::uint8_t, 0> kTrailerPrefix{};
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<Sha512Layout>;

// Computes nothing by itself: Init and Final are those of TDCP_hash.
class TDCP_sha512base : public TDCP_blockhash<Sha512Layout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_sha512base>(); }
};

class TDCP_sha384 : public TDCP_sha512base {
 public:
  using TDCP_sha512base::TDCP_sha512base;

  static std::int32_t GetId() { return 29; }
  static std::string GetAlgorithm() { return "SHA384"; }
  static std::int32_t GetHashSize() { return 384; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_sha384>(); }

  void Init() override;
  void Final(void* digest) override;
};

class TDCP_sha512 : public TDCP_sha512base {
 public:
  using TDCP_sha512base::TDCP_sha512base;

  static std::int32_t GetId() { return 30; }
  static std::string GetAlgorithm() { return "SHA512"; }
  static std::int32_t GetHashSize() { return 512; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_sha512>(); }

  void Init() override;
  void Final(void* digest) override;
};

}  // namespace validador
