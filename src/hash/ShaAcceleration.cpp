#include "hash/ShaAcceleration.h"

#include <atomic>

namespace validador {

namespace {

std::atomic<bool> portableForced{false};

}  // namespace

bool CpuHasShaExtensions() {
  static const bool available = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("sha") && __builtin_cpu_supports("sse4.1");
  }();
  return available;
}

bool CpuHasVectorRotates() {
  static const bool available = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512f") &&
           __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2");
  }();
  return available;
}

void ForcePortableSha(bool portable) { portableForced.store(portable, std::memory_order_relaxed); }

bool ShaExtensionsInUse() {
  return CpuHasShaExtensions() && !portableForced.load(std::memory_order_relaxed);
}

bool VectorScheduleInUse() {
  return CpuHasVectorRotates() && !portableForced.load(std::memory_order_relaxed);
}

}  // namespace validador
