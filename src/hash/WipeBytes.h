#pragma once
// Zeroing that the compiler may not drop, also for a local array that is about
// to go out of scope. Defined out of line, in a file compiled for any processor,
// so that files compiled for particular instructions can call it too.

#include <cstddef>

namespace validador {

void WipeBytes(void* area, std::size_t size);

}  // namespace validador
