#pragma once
// What an x86 processor offers the faster compressions, asked once with cpuid
// (and, for AVX-512, whether the operating system saves the vector registers).

namespace validador::x86 {

struct CpuFeatures {
  bool sse41 = false;
  bool sha = false;
  bool bmi1 = false;
  bool bmi2 = false;
  bool avx512f = false;
  bool avx512vl = false;
  // The operating system saves and restores the AVX-512 registers on a switch.
  bool osSavesAvx512State = false;

  // SHA-1 and SHA-256 with the SHA extensions.
  bool HasShaExtensions() const { return sha && sse41; }
  // 128-bit vector rotates (AVX-512VL) and the BMI scalar instructions.
  bool HasVectorRotates() const {
    return avx512f && avx512vl && osSavesAvx512State && bmi1 && bmi2;
  }
};

// The features of the processor this runs on, asked on the first call.
const CpuFeatures& DetectedCpuFeatures();

}  // namespace validador::x86
