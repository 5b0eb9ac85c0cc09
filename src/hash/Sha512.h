#pragma once
// SHA-384 and SHA-512 (FIPS 180-2) over their common base, which holds the 64-bit
// chaining words, the 128-bit bit count, the buffering and the compression. The
// two differ only in their initial words, name, identifier and digest length.

#include <cstddef>
#include <cstdint>
#include <string>

#include "hash/DCPhash.h"

namespace validador {

class TDCP_sha512base : public TDCP_hash {
 public:
  using TDCP_hash::TDCP_hash;
  ~TDCP_sha512base() override;

  const TDCP_hashclass& ClassType() const override { return HashClassOf<TDCP_sha512base>(); }

  void Wipe() override;
  void Update(const void* buffer, std::uint32_t size) override;

 protected:
  // Wipes, then loads the initial chaining words and marks the component ready.
  void Start(const std::uint64_t (&initialChainState)[8]);
  // Completes the digest and writes the first `wordCount` chaining words.
  void Finish(void* digest, std::size_t wordCount);

 private:
  friend struct HashTestAccess;

  std::uint64_t BitCountHigh = 0;
  std::uint64_t BitCountLow = 0;
  std::uint32_t BufferIndex = 0;
  std::uint64_t ChainState[8] = {};
  std::uint8_t BlockBuffer[128] = {};
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
