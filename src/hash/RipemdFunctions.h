#pragma once
// The Boolean functions of RIPEMD-128 and RIPEMD-160.

#include <cstdint>

namespace validador::ripemd {

inline std::uint32_t F1(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return x ^ y ^ z; }
inline std::uint32_t F2(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
  return z ^ (x & (y ^ z));
}
inline std::uint32_t F3(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x | ~y) ^ z; }
inline std::uint32_t F4(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
  return y ^ (z & (x ^ y));
}
inline std::uint32_t F5(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return x ^ (y | ~z); }

}  // namespace validador::ripemd
