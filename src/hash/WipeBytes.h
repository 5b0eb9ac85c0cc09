#pragma once
// Zeroing that the compiler may not drop, also for a local array that is about
// to go out of scope.

#include <cstddef>
#include <cstring>

namespace validador {

inline void WipeBytes(void* area, std::size_t size) {
  std::memset(area, 0, size);
  __asm__ __volatile__("" : : "r"(area) : "memory");
}

}  // namespace validador
