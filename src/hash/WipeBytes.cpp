#include "hash/WipeBytes.h"

#include <cstring>

namespace validador {

void WipeBytes(void* area, std::size_t size) {
#if defined(__GNUC__) || defined(__clang__)
  std::memset(area, 0, size);
  // The zeros count as read, so the memset stays.
  __asm__ __volatile__("" : : "r"(area) : "memory");
#else
  // A call through a volatile pointer that the compiler cannot see through.
  void* (*const volatile clear)(void*, int, std::size_t) = std::memset;
  clear(area, 0, size);
#endif
}

}  // namespace validador
