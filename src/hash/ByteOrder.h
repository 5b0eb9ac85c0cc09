#pragma once
// Reading and writing words at any byte address in a chosen byte order.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(_MSC_VER) && !defined(__clang__)
#include <stdlib.h>
#endif

namespace validador::byteorder {

// The word with its bytes in reverse order: one instruction with the compiler's
// own byte swap, shifts and masks (which compilers also recognise) elsewhere.
inline std::uint32_t Swapped(std::uint32_t word) {
#if defined(__GNUC__) || defined(__clang__)
  return __builtin_bswap32(word);
#elif defined(_MSC_VER)
  return _byteswap_ulong(word);
#else
  return (word >> 24) | ((word >> 8) & 0x0000FF00u) | ((word << 8) & 0x00FF0000u) | (word << 24);
#endif
}

inline std::uint64_t Swapped(std::uint64_t word) {
#if defined(__GNUC__) || defined(__clang__)
  return __builtin_bswap64(word);
#elif defined(_MSC_VER)
  return _byteswap_uint64(word);
#else
  return (static_cast<std::uint64_t>(Swapped(static_cast<std::uint32_t>(word))) << 32) |
         Swapped(static_cast<std::uint32_t>(word >> 32));
#endif
}

template <class Word>
inline Word LoadLittle(const void* at) {
  Word word;
  std::memcpy(&word, at, sizeof word);
  return std::endian::native == std::endian::little ? word : Swapped(word);
}

template <class Word>
inline Word LoadBig(const void* at) {
  Word word;
  std::memcpy(&word, at, sizeof word);
  return std::endian::native == std::endian::big ? word : Swapped(word);
}

template <class Word>
inline void StoreLittle(void* at, Word word) {
  if constexpr (std::endian::native != std::endian::little) word = Swapped(word);
  std::memcpy(at, &word, sizeof word);
}

template <class Word>
inline void StoreBig(void* at, Word word) {
  if constexpr (std::endian::native != std::endian::big) word = Swapped(word);
  std::memcpy(at, &word, sizeof word);
}

inline std::uint32_t LoadLE32(const void* at) { return LoadLittle<std::uint32_t>(at); }
inline std::uint64_t LoadLE64(const void* at) { return LoadLittle<std::uint64_t>(at); }
inline std::uint32_t LoadBE32(const void* at) { return LoadBig<std::uint32_t>(at); }
inline std::uint64_t LoadBE64(const void* at) { return LoadBig<std::uint64_t>(at); }

// Writes `count` words one after the other, each in the named byte order.
template <class Word>
inline void StoreWordsLittle(void* at, const Word* words, std::size_t count) {
  auto* bytes = static_cast<std::uint8_t*>(at);
  for (std::size_t i = 0; i < count; ++i) StoreLittle(bytes + i * sizeof(Word), words[i]);
}

template <class Word>
inline void StoreWordsBig(void* at, const Word* words, std::size_t count) {
  auto* bytes = static_cast<std::uint8_t*>(at);
  for (std::size_t i = 0; i < count; ++i) StoreBig(bytes + i * sizeof(Word), words[i]);
}

}  // namespace validador::byteorder
