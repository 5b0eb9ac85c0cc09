#pragma once
// The x86 SHA compressions, each in a source file of its own compiled for the
// instructions it uses. Call one only where the processor has them (CpuFeatures.h).

#include <cstddef>
#include <cstdint>

namespace validador::x86 {

// SHA extensions and SSE4.1.
void Sha1CompressBlocksWithExtensions(std::uint32_t (&chainState)[5], const std::uint8_t* blocks,
                                      std::size_t count);
void Sha256CompressBlocksWithExtensions(std::uint32_t (&chainState)[8], const std::uint8_t* blocks,
                                        std::size_t count);
// AVX-512F, AVX-512VL, BMI1 and BMI2.
void Sha512CompressBlocksWithVectors(std::uint64_t (&chainState)[8], const std::uint8_t* blocks,
                                     std::size_t count);

}  // namespace validador::x86
