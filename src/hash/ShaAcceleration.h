#pragma once
// Faster SHA compressions for processors that can take them: SHA-1 and SHA-256
// with the processor's SHA extensions, SHA-384/512 with the message schedule in
// vector registers. Each is chosen at run time; a switch keeps the portable
// compressions in use (for tests and measurements).

#include <cstddef>
#include <cstdint>

namespace validador {

// True when the processor has the SHA extensions and SSE4.1.
bool CpuHasShaExtensions();
// True when the processor has 128-bit vector rotates (AVX-512VL) and BMI2.
bool CpuHasVectorRotates();

// Forces the portable compressions (true) or allows the faster ones again (false).
void ForcePortableSha(bool portable);

// What the SHA classes use now.
bool ShaExtensionsInUse();
bool VectorScheduleInUse();

// Compress `count` blocks of 64 (SHA-1, SHA-256) or 128 bytes (SHA-512); call
// only when the processor has what each needs.
void Sha1CompressBlocksWithExtensions(std::uint32_t (&chainState)[5], const std::uint8_t* blocks,
                                      std::size_t count);
void Sha256CompressBlocksWithExtensions(std::uint32_t (&chainState)[8], const std::uint8_t* blocks,
                                        std::size_t count);
void Sha512CompressBlocksWithVectors(std::uint64_t (&chainState)[8], const std::uint8_t* blocks,
                                     std::size_t count);

}  // namespace validador
