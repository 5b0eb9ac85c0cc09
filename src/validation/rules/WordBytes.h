#pragma once
// Questions about the bytes of a short text asked eight bytes at a time: the bytes
// are loaded into a 64-bit word, one byte per lane, and all lanes are tested with
// a few word operations. Lane order does not matter to any question here, so
// neither does byte order.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace validador {

inline constexpr std::uint64_t kLaneLowBits = 0x0101010101010101ULL;
inline constexpr std::uint64_t kLaneTopBits = 0x8080808080808080ULL;

constexpr std::uint64_t InEveryLane(std::uint8_t byte) { return kLaneLowBits * byte; }

// A word whose lane top bits (kLaneTopBits) are all clear exactly when every lane
// holds a byte from `low` to `high` (0 < low <= high < 0x80). Which lanes show a
// top bit is not exact, only whether any does: the lowest lane outside the range
// always shows one (nothing carries into it from the lanes below, all inside), and
// lanes inside never carry or borrow.
constexpr std::uint64_t OutsideRangeBits(std::uint64_t word, std::uint8_t low, std::uint8_t high) {
  return (word - InEveryLane(low)) | (word + InEveryLane(static_cast<std::uint8_t>(0x7F - high)));
}

// A word whose lane top bits are all clear exactly when no lane is zero, for a
// word whose lanes are all below 0x80 (a borrow starts only at a zero lane).
constexpr std::uint64_t ZeroLaneBits(std::uint64_t word) { return word - kLaneLowBits; }

inline std::uint64_t LoadWord(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// A word made of the four bytes at `first` and the four at `second`.
inline std::uint64_t LoadTwoFours(const char* first, const char* second) {
  std::uint32_t low;
  std::uint32_t high;
  std::memcpy(&low, first, sizeof low);
  std::memcpy(&high, second, sizeof high);
  return low | (std::uint64_t{high} << 32);
}

// A word made of the 1 to 3 bytes at `bytes`: first, middle and last, repeated.
inline std::uint64_t LoadOneToThree(const char* bytes, std::size_t size) {
  const std::uint64_t three = static_cast<std::uint8_t>(bytes[0]) |
                              std::uint64_t{static_cast<std::uint8_t>(bytes[size / 2])} << 8 |
                              std::uint64_t{static_cast<std::uint8_t>(bytes[size - 1])} << 16;
  return three | three << 24 | three << 48;
}

// Calls visit(word) for words that together cover every byte of `text`, each lane
// holding a byte of the text (some bytes twice, which changes no answer about
// what the text holds); nothing outside the text is read. No call for an empty text.
// Texts of 4 to 16 bytes, most fields, take the same two words of four 4-byte
// pieces whatever their size, so that varying sizes cost no mispredicted branch.
template <typename Visit>
[[gnu::always_inline]] inline void ForEachWord(std::string_view text, Visit visit) {
  const char* bytes = text.data();
  const std::size_t size = text.size();
  if (size >= 4 && size <= 16) {
    const std::size_t lastPiece = size - 4;
    visit(LoadTwoFours(bytes, bytes + std::min<std::size_t>(4, lastPiece)));
    visit(LoadTwoFours(bytes + std::min<std::size_t>(8, lastPiece), bytes + lastPiece));
  } else if (size > 16) {
    for (std::size_t at = 0; at + 8 < size; at += 8) visit(LoadWord(bytes + at));
    visit(LoadWord(bytes + size - 8));
  } else if (size > 0) {
    visit(LoadOneToThree(bytes, size));
  }
}

}  // namespace validador
