#pragma once
// HAVAL with five passes and a 256-bit result. It follows published HAVAL in
// every point but its pad byte, which is 0x80 (published HAVAL pads with 0x01),
// so its digests are not the published HAVAL-256/5 values.

#include <cstdint>
#include <string>

#include "hash/DCPhash.h"

namespace validador {

class TDCP_haval : public TDCP_hash {
 public:
  using TDCP_hash::TDCP_hash;
  ~TDCP_haval() override;

  static std::int32_t GetId() { return 14; }
  static std::string GetAlgorithm() { return "Haval (256bit, 5 passes)"; }
  static std::int32_t GetHashSize() { return 256; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_haval>(); }

  void Init() override;
  void Final(void* digest) override;
  void Wipe() override;
  void Update(const void* buffer, std::uint32_t size) override;

  static constexpr std::uint8_t kPadByte = 0x80;

 protected:
  // Final with a chosen pad byte.
  void Complete(void* digest, std::uint8_t padByte);

 private:
  friend struct HashTestAccess;

  std::uint32_t BitCountHigh = 0;
  std::uint32_t BitCountLow = 0;
  std::uint32_t BufferIndex = 0;
  std::uint32_t ChainState[8] = {};
  std::uint8_t BlockBuffer[128] = {};
};

}  // namespace validador
