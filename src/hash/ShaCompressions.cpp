#include "hash/ShaCompressions.h"

#include <atomic>

#if defined(VALIDADOR_X86_COMPRESSIONS)
#include "hash/x86/CpuFeatures.h"
#include "hash/x86/ShaCompressionsX86.h"
#endif

namespace validador {

namespace {

constexpr ShaCompressions kPortableCompressions = {
    Sha1CompressBlocksPortable,
    Sha256CompressBlocksPortable,
    Sha512CompressBlocksPortable,
};

ShaCompressions ChooseForThisProcessor() {
  ShaCompressions chosen = kPortableCompressions;
#if defined(VALIDADOR_X86_COMPRESSIONS)
  const x86::CpuFeatures& cpu = x86::DetectedCpuFeatures();
  if (cpu.HasShaExtensions()) {
    chosen.sha1 = x86::Sha1CompressBlocksWithExtensions;
    chosen.sha256 = x86::Sha256CompressBlocksWithExtensions;
  }
  if (cpu.HasVectorRotates()) chosen.sha512 = x86::Sha512CompressBlocksWithVectors;
#endif
  return chosen;
}

const ShaCompressions& FastestCompressions() {
  static const ShaCompressions fastest = ChooseForThisProcessor();
  return fastest;
}

std::atomic<bool> portableForced{false};

}  // namespace

const ShaCompressions& ShaCompressionsInUse() {
  return portableForced.load(std::memory_order_relaxed) ? kPortableCompressions
                                                        : FastestCompressions();
}

void ForcePortableSha(bool portable) { portableForced.store(portable, std::memory_order_relaxed); }

bool ShaExtensionsInUse() {
  const ShaCompressions& inUse = ShaCompressionsInUse();
  return inUse.sha1 != kPortableCompressions.sha1 && inUse.sha256 != kPortableCompressions.sha256;
}

bool VectorScheduleInUse() {
  return ShaCompressionsInUse().sha512 != kPortableCompressions.sha512;
}

bool CpuHasShaExtensions() {
#if defined(VALIDADOR_X86_COMPRESSIONS)
  return x86::DetectedCpuFeatures().HasShaExtensions();
#else
  return false;
#endif
}

bool CpuHasVectorRotates() {
#if defined(VALIDADOR_X86_COMPRESSIONS)
  return x86::DetectedCpuFeatures().HasVectorRotates();
#else
  return false;
#endif
}

}  // namespace validador
