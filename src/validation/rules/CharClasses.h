#pragma once
// Byte classes of the field rules, on Windows-1252 bytes: a digit is 0-9, a letter
// only A-Z and a-z (accented letters are not letters), a blank only the space.

#include <array>
#include <cstdint>
#include <string_view>

#include "validation/rules/WordBytes.h"

namespace validador {

enum CharClass : std::uint8_t {
  kDigitClass = 1,
  kLetterClass = 2,
  kBlankClass = 4,
  kFullStopClass = 8,
  kCommaClass = 16,
  kOtherClass = 32,  // every byte of none of the classes above
};

inline constexpr std::array<std::uint8_t, 256> kCharClasses = [] {
  std::array<std::uint8_t, 256> classes{};
  classes.fill(kOtherClass);
  for (int c = '0'; c <= '9'; ++c) classes[c] = kDigitClass;
  for (int c = 'A'; c <= 'Z'; ++c) classes[c] = kLetterClass;
  for (int c = 'a'; c <= 'z'; ++c) classes[c] = kLetterClass;
  classes[' '] = kBlankClass;
  classes['.'] = kFullStopClass;
  classes[','] = kCommaClass;
  return classes;
}();

inline std::uint8_t ClassOf(char byte) { return kCharClasses[static_cast<unsigned char>(byte)]; }

inline bool IsDigit(char byte) { return static_cast<unsigned char>(byte - '0') <= 9; }

// The classes of all bytes of `text` together (0 for an empty text): one pass
// that answers every question a rule asks about a field's characters. The slow
// way, for the values that the word-at-a-time questions below cannot settle.
std::uint8_t ClassMaskOf(std::string_view text);

// True when every byte of `text` is a digit (also for an empty text).
inline bool IsAllDigits(std::string_view text) {
  std::uint64_t outside = 0;
  ForEachWord(text, [&outside](std::uint64_t word) { outside |= OutsideRangeBits(word, '0', '9'); });
  return (outside & kLaneTopBits) == 0;
}

// What the numeric rule asks about the bytes of a value.
struct NumericBytes {
  bool letterStopOrBlank = false;  // a letter, a full stop or a blank
  bool comma = false;
};

// Nearly every numeric value holds only bytes from ',' to '9' (comma, hyphen, full
// stop, slash, digits); for those, each byte less ',' is 0 for a comma and 2 for a
// full stop, and one pass over the words answers both. Any other value goes
// through the class table.
inline NumericBytes NumericBytesOf(std::string_view text) {
  constexpr std::uint64_t kFullStopFromComma = InEveryLane('.' - ',');
  std::uint64_t outside = 0;
  std::uint64_t commas = 0;
  std::uint64_t fullStops = 0;
  ForEachWord(text, [&](std::uint64_t word) {
    const std::uint64_t fromComma = word - InEveryLane(',');
    outside |= OutsideRangeBits(word, ',', '9');
    commas |= ZeroLaneBits(fromComma);
    fullStops |= ZeroLaneBits(fromComma ^ kFullStopFromComma);
  });
  if ((outside & kLaneTopBits) == 0) {
    return {(fullStops & kLaneTopBits) != 0, (commas & kLaneTopBits) != 0};
  }
  const std::uint8_t classes = ClassMaskOf(text);
  return {(classes & (kLetterClass | kFullStopClass | kBlankClass)) != 0, (classes & kCommaClass) != 0};
}

// Trimming removes the bytes 0 to 32 at either end.
inline bool IsTrimmedAway(char byte) { return static_cast<unsigned char>(byte) <= 32; }

}  // namespace validador
