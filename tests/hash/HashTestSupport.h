#pragma once
// Helpers shared by the digest tests: the ten classes as a type list, digests of
// messages fed whole or in pieces, and a stream that counts its reads.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hash/DigestText.h"
#include "hash/Haval.h"
#include "hash/Md4.h"
#include "hash/Md5.h"
#include "hash/Ripemd128.h"
#include "hash/Ripemd160.h"
#include "hash/Sha1.h"
#include "hash/Sha256.h"
#include "hash/Sha512.h"
#include "hash/TStream.h"
#include "hash/Tiger.h"

namespace validador::hashtest {

using AllHashClasses =
    ::testing::Types<TDCP_md4, TDCP_md5, TDCP_ripemd128, TDCP_ripemd160, TDCP_sha1, TDCP_sha256,
                     TDCP_sha384, TDCP_sha512, TDCP_tiger, TDCP_haval>;

// The digest of `message` fed in one Update, as text.
inline std::string DigestOf(TDCP_hash& hash, std::string_view message) {
  std::uint8_t digest[64] = {};
  hash.Init();
  hash.UpdateString(message);
  hash.Final(digest);
  return DigestText(digest, static_cast<std::size_t>(hash.HashSize() / 8));
}

template <class Hash>
std::string DigestOf(std::string_view message) {
  Hash hash;
  return DigestOf(hash, message);
}

// The digest of `message` fed in pieces of the given sizes, repeated in turn.
template <class Hash>
std::string DigestInPieces(std::string_view message, const std::vector<std::size_t>& sizes) {
  Hash hash;
  std::uint8_t digest[64] = {};
  hash.Init();
  for (std::size_t at = 0, turn = 0; at < message.size(); ++turn) {
    const std::size_t piece = std::min(sizes[turn % sizes.size()], message.size() - at);
    hash.Update(message.data() + at, static_cast<std::uint32_t>(piece));
    at += piece;
  }
  hash.Final(digest);
  return DigestText(digest, Hash::GetHashSize() / 8);
}

// Letters a..z repeated to the given length.
inline std::string Letters(std::size_t length) {
  std::string text(length, ' ');
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 26);
  return text;
}

// Bytes of a fixed pseudo-random sequence.
inline std::string PseudoRandomBytes(std::size_t length, std::uint32_t seed) {
  std::string bytes(length, '\0');
  for (auto& byte : bytes) {
    seed = seed * 1664525u + 1013904223u;
    byte = static_cast<char>(seed >> 24);
  }
  return bytes;
}

// A stream over bytes in memory that records the count of every read asked.
class CountingStream : public TStream {
 public:
  explicit CountingStream(std::string bytes) : bytes_(std::move(bytes)) {}

  std::uint32_t Read(void* buffer, std::uint32_t count) override {
    requests.push_back(count);
    const auto available = static_cast<std::uint32_t>(bytes_.size() - position_);
    const std::uint32_t done = std::min(count, available);
    std::copy_n(bytes_.data() + position_, done, static_cast<char*>(buffer));
    position_ += done;
    return done;
  }
  std::uint64_t Size() override { return bytes_.size(); }

  std::vector<std::uint32_t> requests;

 private:
  std::string bytes_;
  std::size_t position_ = 0;
};

}  // namespace validador::hashtest
