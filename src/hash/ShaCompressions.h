#pragma once
// The SHA compressions in use, held in one table: the portable ones everywhere,
// replaced on x86 processors that can take them by faster ones (SHA-1 and SHA-256
// with the SHA extensions, SHA-384/512 with the message schedule in vector
// registers). The processor is asked once, on first use; a switch keeps the
// portable compressions in use (for tests and measurements).

#include <cstddef>
#include <cstdint>

namespace validador {

// Each compresses `count` consecutive blocks of 64 (SHA-1, SHA-256) or 128 bytes
// (SHA-384/512) into the chaining words.
using Sha1Compression = void (*)(std::uint32_t (&chainState)[5], const std::uint8_t* blocks,
                                 std::size_t count);
using Sha256Compression = void (*)(std::uint32_t (&chainState)[8], const std::uint8_t* blocks,
                                   std::size_t count);
using Sha512Compression = void (*)(std::uint64_t (&chainState)[8], const std::uint8_t* blocks,
                                   std::size_t count);

struct ShaCompressions {
  Sha1Compression sha1;
  Sha256Compression sha256;
  Sha512Compression sha512;
};

// The table the SHA classes use now.
const ShaCompressions& ShaCompressionsInUse();

// Forces the portable compressions (true) or allows the faster ones again (false).
void ForcePortableSha(bool portable);

// What the table holds now: the SHA-extension compressions, the vector schedule.
bool ShaExtensionsInUse();
bool VectorScheduleInUse();

// What this processor offers; always false on processors other than x86.
bool CpuHasShaExtensions();
bool CpuHasVectorRotates();

// The portable compressions, one in each algorithm's source file.
void Sha1CompressBlocksPortable(std::uint32_t (&chainState)[5], const std::uint8_t* blocks,
                                std::size_t count);
void Sha256CompressBlocksPortable(std::uint32_t (&chainState)[8], const std::uint8_t* blocks,
                                  std::size_t count);
void Sha512CompressBlocksPortable(std::uint64_t (&chainState)[8], const std::uint8_t* blocks,
                                  std::size_t count);

}  // namespace validador
