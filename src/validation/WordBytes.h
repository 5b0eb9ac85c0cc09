#pragma once
// Questions about the bytes of a short text asked eight bytes at a time: the bytes
// are loaded into a 64-bit word and every byte lane is tested at once. A lane test
// gives a word with the top bit (0x80) of each lane that passes and nothing else.
// Lane order does not matter to any question here, so neither does byte order.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace validador {

inline constexpr std::uint64_t kLaneLowBits = 0x0101010101010101ULL;
inline constexpr std::uint64_t kLaneTopBits = 0x8080808080808080ULL;

constexpr std::uint64_t InEveryLane(std::uint8_t byte) { return kLaneLowBits * byte; }

// Lanes holding a byte from `low` to `high` (both below 0x80). Carries never cross
// lanes: the additions work on the low seven bits of each lane only.
constexpr std::uint64_t LanesInRange(std::uint64_t word, std::uint8_t low, std::uint8_t high) {
  const std::uint64_t lowSeven = word & ~kLaneTopBits;
  const std::uint64_t atLeastLow = lowSeven + InEveryLane(static_cast<std::uint8_t>(0x80 - low));
  const std::uint64_t aboveHigh = lowSeven + InEveryLane(static_cast<std::uint8_t>(0x7F - high));
  return atLeastLow & ~aboveHigh & ~word & kLaneTopBits;
}

constexpr std::uint64_t LanesEqualTo(std::uint64_t word, std::uint8_t byte) { return LanesInRange(word, byte, byte); }

inline std::uint64_t LoadWord(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// A word made of the 4 to 7 bytes at `bytes`: the first four and the last four.
inline std::uint64_t LoadFourToSeven(const char* bytes, std::size_t size) {
  std::uint32_t first;
  std::uint32_t last;
  std::memcpy(&first, bytes, sizeof first);
  std::memcpy(&last, bytes + size - sizeof last, sizeof last);
  return first | (std::uint64_t{last} << 32);
}

// A word made of the 1 to 3 bytes at `bytes`: first, middle and last, repeated.
inline std::uint64_t LoadOneToThree(const char* bytes, std::size_t size) {
  const std::uint64_t three = static_cast<std::uint8_t>(bytes[0]) |
                              std::uint64_t{static_cast<std::uint8_t>(bytes[size / 2])} << 8 |
                              std::uint64_t{static_cast<std::uint8_t>(bytes[size - 1])} << 16;
  return three | three << 24 | three << 48;
}

// The lanes that `test` marks, together over words that cover every byte of `text`
// (some bytes twice, which changes no answer); nothing outside the text is read.
// 0 for an empty text.
template <typename LaneTest>
[[gnu::always_inline]] inline std::uint64_t MarkedLanes(std::string_view text, LaneTest test) {
  const char* bytes = text.data();
  const std::size_t size = text.size();
  if (size >= 8) {
    std::uint64_t marked = test(LoadWord(bytes + size - 8));
    for (std::size_t at = 0; at + 8 < size; at += 8) marked |= test(LoadWord(bytes + at));
    return marked;
  }
  if (size >= 4) return test(LoadFourToSeven(bytes, size));
  if (size > 0) return test(LoadOneToThree(bytes, size));
  return 0;
}

}  // namespace validador
