#pragma once
// Byte classes of the field rules, on Windows-1252 bytes: a digit is 0-9, a letter
// only A-Z and a-z (accented letters are not letters), a blank only the space.

#include <array>
#include <cstdint>
#include <string_view>

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

// True when every byte of `text` is a digit (also for an empty text).
inline bool IsAllDigits(std::string_view text) {
  bool outside = false;
  for (const char byte : text) outside |= !IsDigit(byte);
  return !outside;
}

// The classes of all bytes of `text` together (0 for an empty text): one pass
// that answers every question a rule asks about a field's characters.
inline std::uint8_t ClassMaskOf(std::string_view text) {
  std::uint8_t found = 0;
  for (const char byte : text) found |= ClassOf(byte);
  return found;
}

// True when some byte of `text` belongs to one of the classes in `mask`. Fields
// are short and mostly valid: the loops run to the end instead of branching on
// every byte.
inline bool HasAnyOf(std::string_view text, std::uint8_t mask) {
  std::uint8_t found = 0;
  for (const char byte : text) found |= ClassOf(byte);
  return (found & mask) != 0;
}

// True when every byte of `text` belongs to one of the classes in `mask`.
inline bool IsAllOf(std::string_view text, std::uint8_t mask) {
  bool outside = false;
  for (const char byte : text) outside |= (ClassOf(byte) & mask) == 0;
  return !outside;
}

// Trimming removes the bytes 0 to 32 at either end.
inline bool IsTrimmedAway(char byte) { return static_cast<unsigned char>(byte) <= 32; }

}  // namespace validador
