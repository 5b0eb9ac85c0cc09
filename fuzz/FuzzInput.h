#pragma once
// What a fuzz input holds: a few leading bytes that choose how a case is run (record
// type, block sizes, typed values), then the bytes of the file or line itself. A seed is
// an example file with its choice bytes put in front.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <type_traits>

#include "layout/UGlobal.h"

namespace validador::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : bytes_(reinterpret_cast<const char*>(data), size) {}

  // The next choice byte; 0 once the input is used up.
  std::uint8_t Choice() {
    if (bytes_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(bytes_.front());
    bytes_.remove_prefix(1);
    return byte;
  }

  RecordTypeIndex Type() { return static_cast<RecordTypeIndex>(Choice() % kRecordTypeCount); }

  // Everything after the choices.
  std::string_view Rest() const { return bytes_; }

 private:
  std::string_view bytes_;
};

// Block sizes from 1 to `largest`, drawn from a seed: the cuts of a file into blocks.
class BlockSizes {
 public:
  BlockSizes(std::uint8_t seed, std::size_t largest) : state_(seed * 0x9E3779B97F4A7C15ull + 1), largest_(largest) {}

  std::size_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return 1 + static_cast<std::size_t>(state_ % largest_);
  }

 private:
  std::uint64_t state_;
  std::size_t largest_;
};

// The bytes of a text with those that are not printable ASCII written as \xNN.
inline std::string Printable(std::string_view text) {
  std::string shown;
  for (const char byte : text) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 32 && code < 127 && code != '\\') {
      shown += byte;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
      shown += escaped;
    }
  }
  return shown;
}

// Ends the run with a report when a finding differs from the reference's.
[[noreturn]] inline void Mismatch(const char* what, const std::string& found,
                                  const std::string& expected) {
  std::fprintf(stderr, "mismatch in %s:\n  found:    %s\n  expected: %s\n", what,
               Printable(found).c_str(), Printable(expected).c_str());
  std::abort();
}

template <typename T>
void ExpectEqual(const char* what, const T& found, const T& expected) {
  if (!(found == expected)) {
    if constexpr (std::is_convertible_v<T, std::string>) {
      Mismatch(what, found, expected);
    } else {
      Mismatch(what, std::to_string(found), std::to_string(expected));
    }
  }
}

}  // namespace validador::fuzz
