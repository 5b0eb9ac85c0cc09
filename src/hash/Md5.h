#pragma once
// MD5 (RFC 1321).

#include <cstdint>
#include <string>

#include "hash/DCPhash.h"

namespace validador {

class TDCP_md5 : public TDCP_hash {
 public:
  using TDCP_hash::TDCP_hash;
  ~TDCP_md5() override;

  static std::int32_t GetId() { return 16; }
  static std::string GetAlgorithm() { return "MD5"; }
  static std::int32_t GetHashSize() { return 128; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_md5>(); }

  void Init() override;
  void Final(void* digest) override;
  void Wipe() override;
  void Update(const void* buffer, std::uint32_t size) override;

 private:
  friend struct HashTestAccess;

  std::uint32_t BitCountHigh = 0;
  std::uint32_t BitCountLow = 0;
  std::uint32_t BufferIndex = 0;
  std::uint32_t ChainState[4] = {};
  std::uint8_t BlockBuffer[64] = {};
};

}  // namespace validador
