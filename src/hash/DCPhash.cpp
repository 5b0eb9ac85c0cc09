#include "hash/DCPhash.h"

namespace validador {

void TDCP_hash::UpdateStream(TStream& stream, std::uint64_t size) {
  std::uint8_t block[kStreamBlockSize];
  for (std::uint64_t reads = size / kStreamBlockSize; reads > 0; --reads) {
    Update(block, stream.Read(block, kStreamBlockSize));
  }
  if (const auto rest = static_cast<std::uint32_t>(size % kStreamBlockSize); rest != 0) {
    Update(block, stream.Read(block, rest));
  }
}

void TDCP_hash::UpdateString(std::string_view text) {
  Update(text.data(), static_cast<std::uint32_t>(text.size()));
}

void TDCP_hash::RaiseNotInitialized() { throw EDCP_hash("Hash not initialized"); }

}  // namespace validador
