#pragma once
// The two known answers a hash class checks itself against.

#include <cstdint>
#include <string_view>

#include "hash/DigestText.h"

namespace validador {

struct SelfTestVector {
  std::string_view message;
  std::string_view expectedDigest;  // uppercase hexadecimal
};

// Digests both messages with a fresh instance that has no owner and compares the
// first HashSize/8 bytes with the expected digests.
template <class HashClass>
bool PassesSelfTest(const SelfTestVector& first, const SelfTestVector& second) {
  HashClass hash(nullptr);
  const auto matches = [&hash](const SelfTestVector& vector) {
    std::uint8_t digest[64] = {};
    hash.Init();
    hash.UpdateString(vector.message);
    hash.Final(digest);
    return DigestText(digest, HashClass::GetHashSize() / 8) == vector.expectedDigest;
  };
  const bool firstMatches = matches(first);
  const bool secondMatches = matches(second);
  return firstMatches && secondMatches;
}

}  // namespace validador
