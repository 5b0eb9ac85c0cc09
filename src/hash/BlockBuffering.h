#pragma once
// The block buffering and completion that every digest class shares. A class
// keeps a block buffer of B bytes and the count of bytes waiting in it; its
// compression takes whole blocks. A block is compressed the moment it fills, and
// the buffer is zero after each compression, so the message is padded with zero
// bytes without writing them.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "hash/WipeBytes.h"

namespace validador::blockbuffering {

// Compresses the buffered block, then empties the buffer.
template <std::size_t B, class CompressBlocks>
void CompressBuffer(std::uint8_t (&blockBuffer)[B], std::uint32_t& bufferIndex,
                    CompressBlocks compressBlocks) {
  compressBlocks(blockBuffer, std::size_t{1});
  WipeBytes(blockBuffer, B);
  bufferIndex = 0;
}

// Feeds `size` message bytes: completes the waiting block, compresses whole
// blocks straight from the message, and keeps the rest waiting.
// `compressBlocks(const std::uint8_t* blocks, std::size_t count)`.
template <std::size_t B, class CompressBlocks>
void BufferMessage(std::uint8_t (&blockBuffer)[B], std::uint32_t& bufferIndex,
                   const std::uint8_t* message, std::uint32_t size, CompressBlocks compressBlocks) {
  if (size == 0) return;  // the message may then be a null pointer
  if (bufferIndex > 0) {
    const std::uint32_t room = static_cast<std::uint32_t>(B) - bufferIndex;
    if (size < room) {
      std::memcpy(blockBuffer + bufferIndex, message, size);
      bufferIndex += size;
      return;
    }
    std::memcpy(blockBuffer + bufferIndex, message, room);
    message += room;
    size -= room;
    CompressBuffer(blockBuffer, bufferIndex, compressBlocks);
  }
  if (const std::size_t wholeBlocks = size / B; wholeBlocks > 0) {
    compressBlocks(message, wholeBlocks);
    message += wholeBlocks * B;
    size -= static_cast<std::uint32_t>(wholeBlocks * B);
  }
  if (size > 0) std::memcpy(blockBuffer, message, size);
  bufferIndex = size;
}

// Completes the message: the pad byte right behind it, one more block when the
// trailer does not fit behind the pad byte, then the trailer in the last T bytes
// of the block, which is compressed.
template <std::size_t B, std::size_t T, class CompressBlocks>
void CompleteMessage(std::uint8_t (&blockBuffer)[B], std::uint32_t& bufferIndex,
                     std::uint8_t padByte, const std::uint8_t (&trailer)[T],
                     CompressBlocks compressBlocks) {
  static_assert(T < B);
  blockBuffer[bufferIndex] = padByte;
  if (bufferIndex >= B - T) CompressBuffer(blockBuffer, bufferIndex, compressBlocks);
  std::memcpy(blockBuffer + (B - T), trailer, T);
  CompressBuffer(blockBuffer, bufferIndex, compressBlocks);
}

}  // namespace validador::blockbuffering
