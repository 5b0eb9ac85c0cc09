#pragma once
// HAVAL with five passes and a 256-bit result. It follows published HAVAL in
// every point but its pad byte, which is 0x80 (published HAVAL pads with 0x01),
// so its digests are not the published HAVAL-256/5 values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/BlockHash.h"

namespace validador {

struct HavalLayout {
  using Word = std::uint32_t;
  using Count = TBitCount64Halves;
  static constexpr std::size_t kChainWords = 8;
  static constexpr std::size_t kBlockSize = 128;
  static constexpr std::uint8_t kPadByte = 0x80;
  static constexpr bool kBigEndian = false;
  // Version 1, five passes and the two low bits of the 256-bit length; then the
  // length shifted right by 2.
  static constexpr std::array<std::uint8_t, 2> kTrailerPrefix{0x29, 0x40};
  static void CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                             std::size_t count);
};

extern template class TDCP_blockhash<HavalLayout>;

class TDCP_haval : public TDCP_blockhash<HavalLayout> {
 public:
  using TDCP_blockhash::TDCP_blockhash;

  static std::int32_t GetId() { return 14; }
  static std::string GetAlgorithm() { return "Haval (256bit, 5 passes)"; }
  static std::int32_t GetHashSize() { return 256; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_haval>(); }

  void Init() override;
  void Final(void* digest) override;

 protected:
  // Final with a chosen pad byte.
  void Complete(void* digest, std::uint8_t padByte) { Finish(digest, 8, padByte); }
};

}  // namespace validador
