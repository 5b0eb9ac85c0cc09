#pragma once
// Tiger with three passes and a 192-bit result, as published by its designers.

#include <cstdint>
#include <string>

#include "hash/DCPhash.h"

namespace validador {

class TDCP_tiger : public TDCP_hash {
 public:
  using TDCP_hash::TDCP_hash;
  ~TDCP_tiger() override;

  static std::int32_t GetId() { return 18; }
  static std::string GetAlgorithm() { return "Tiger"; }
  static std::int32_t GetHashSize() { return 192; }
  static bool SelfTest();
  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_tiger>(); }

  void Init() override;
  void Final(void* digest) override;
  void Wipe() override;
  void Update(const void* buffer, std::uint32_t size) override;

 private:
  friend struct HashTestAccess;

  std::uint64_t BitCount = 0;
  std::uint32_t BufferIndex = 0;
  std::uint64_t ChainState[3] = {};
  std::uint8_t BlockBuffer[64] = {};
};

}  // namespace validador
