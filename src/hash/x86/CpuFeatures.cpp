#include "hash/x86/CpuFeatures.h"

#include <cstdint>

#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#else
#include <cpuid.h>
#endif

namespace validador::x86 {

namespace {

struct CpuidRegisters {
  std::uint32_t eax, ebx, ecx, edx;
};

CpuidRegisters Cpuid(std::uint32_t leaf, std::uint32_t subleaf) {
#if defined(_MSC_VER) && !defined(__clang__)
  int registers[4];
  __cpuidex(registers, static_cast<int>(leaf), static_cast<int>(subleaf));
  return {static_cast<std::uint32_t>(registers[0]), static_cast<std::uint32_t>(registers[1]),
          static_cast<std::uint32_t>(registers[2]), static_cast<std::uint32_t>(registers[3])};
#else
  unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
  __cpuid_count(leaf, subleaf, eax, ebx, ecx, edx);
  return {eax, ebx, ecx, edx};
#endif
}

// XCR0: which register states the operating system saves. Read only when cpuid
// reports OSXSAVE.
std::uint64_t ExtendedControlRegister0() {
#if defined(_MSC_VER) && !defined(__clang__)
  return _xgetbv(0);
#else
  std::uint32_t low = 0, high = 0;
  __asm__ __volatile__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (static_cast<std::uint64_t>(high) << 32) | low;
#endif
}

constexpr bool Bit(std::uint32_t word, int bit) { return ((word >> bit) & 1u) != 0; }

// XCR0 bits: SSE, AVX, the AVX-512 mask registers, the upper halves of ZMM0-15, ZMM16-31.
constexpr std::uint64_t kAvx512StateBits =
    (1u << 1) | (1u << 2) | (1u << 5) | (1u << 6) | (1u << 7);

CpuFeatures AskCpu() {
  CpuFeatures features;
  const std::uint32_t highestLeaf = Cpuid(0, 0).eax;
  if (highestLeaf < 1) return features;
  const CpuidRegisters leaf1 = Cpuid(1, 0);
  features.sse41 = Bit(leaf1.ecx, 19);
  const bool osxsave = Bit(leaf1.ecx, 27);
  if (osxsave) {
    features.osSavesAvx512State =
        (ExtendedControlRegister0() & kAvx512StateBits) == kAvx512StateBits;
  }
  if (highestLeaf < 7) return features;
  const CpuidRegisters leaf7 = Cpuid(7, 0);
  features.bmi1 = Bit(leaf7.ebx, 3);
  features.bmi2 = Bit(leaf7.ebx, 8);
  features.avx512f = Bit(leaf7.ebx, 16);
  features.sha = Bit(leaf7.ebx, 29);
  features.avx512vl = Bit(leaf7.ebx, 31);
  return features;
}

}  // namespace

const CpuFeatures& DetectedCpuFeatures() {
  static const CpuFeatures features = AskCpu();
  return features;
}

}  // namespace validador::x86
