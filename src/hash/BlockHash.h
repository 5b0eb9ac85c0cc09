#pragma once
// The part that every digest class shares: its state (bit count, bytes waiting,
// chaining words, block buffer), Update with the block buffering, the completion
// with pad byte and trailer, Wipe, and the wipe on destruction. A class supplies
// a layout:
//
//   struct Layout {
//     using Word = ...;                       // chaining word
//     using Count = ...;                      // a bit count of BitCounts.h
//     static constexpr std::size_t kChainWords, kBlockSize;
//     static constexpr std::uint8_t kPadByte;
//     static constexpr bool kBigEndian;       // trailer count and digest words
//     static constexpr std::array<std::uint8_t, N> kTrailerPrefix;  // before the count
//     static void CompressBlocks(Word (&chainState)[kChainWords],
//                                const std::uint8_t* blocks, std::size_t count);
//   };
//
// and its own Init (Start with its initial words) and Final (Finish).

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "hash/BitCounts.h"
#include "hash/BlockBuffering.h"
#include "hash/ByteOrder.h"
#include "hash/DCPhash.h"
#include "hash/WipeBytes.h"

namespace validador {

// The layout of the MD4 family (little-endian) and of SHA-1 and SHA-256
// (big-endian): 32-bit words, 64-byte blocks, pad byte 0x80, the 64-bit bit count
// as the whole trailer.
template <bool BigEndian>
struct TLayout64 {
  using Word = std::uint32_t;
  using Count = TBitCount64Halves;
  static constexpr std::size_t kBlockSize = 64;
  static constexpr std::uint8_t kPadByte = 0x80;
  static constexpr bool kBigEndian = BigEndian;
  static constexpr std::array<std::uint8_t, 0> kTrailerPrefix{};
};

template <class Layout>
class TDCP_blockhash : public TDCP_hash {
 public:
  using Word = typename Layout::Word;
  static constexpr std::size_t kChainWords = Layout::kChainWords;
  static constexpr std::size_t kBlockSize = Layout::kBlockSize;

  using TDCP_hash::TDCP_hash;
  ~TDCP_blockhash() override;

  void Wipe() override;
  void Update(const void* buffer, std::uint32_t size) override;

 protected:
  // Init: wipes, loads the initial chaining words, marks the component ready.
  void Start(const Word (&initialChainState)[kChainWords]);
  // Final: completes the message, writes the first `wordCount` chaining words, wipes.
  void Finish(void* digest, std::size_t wordCount, std::uint8_t padByte = Layout::kPadByte);

 private:
  friend struct HashTestAccess;

  auto Compressor() {
    return [this](const std::uint8_t* blocks, std::size_t count) {
      Layout::CompressBlocks(ChainState, blocks, count);
    };
  }

  typename Layout::Count Count;
  std::uint32_t BufferIndex = 0;
  Word ChainState[kChainWords] = {};
  std::uint8_t BlockBuffer[kBlockSize] = {};
};

// Each class instantiates these once, in its own source file.

template <class Layout>
TDCP_blockhash<Layout>::~TDCP_blockhash() {
  if (Initialized) Wipe();
}

template <class Layout>
void TDCP_blockhash<Layout>::Wipe() {
  Count = {};
  BufferIndex = 0;
  WipeBytes(ChainState, sizeof ChainState);
  WipeBytes(BlockBuffer, sizeof BlockBuffer);
  Initialized = false;
}

template <class Layout>
void TDCP_blockhash<Layout>::Update(const void* buffer, std::uint32_t size) {
  if (!Initialized) RaiseNotInitialized();
  Count.Add(size);
  blockbuffering::BufferMessage(BlockBuffer, BufferIndex, static_cast<const std::uint8_t*>(buffer),
                                size, Compressor());
}

template <class Layout>
void TDCP_blockhash<Layout>::Start(const Word (&initialChainState)[kChainWords]) {
  Wipe();
  std::copy(std::begin(initialChainState), std::end(initialChainState), ChainState);
  Initialized = true;
}

template <class Layout>
void TDCP_blockhash<Layout>::Finish(void* digest, std::size_t wordCount, std::uint8_t padByte) {
  if (!Initialized) RaiseNotInitialized();
  constexpr std::size_t prefixSize = Layout::kTrailerPrefix.size();
  std::uint8_t trailer[prefixSize + Layout::Count::kBytes];
  std::copy(Layout::kTrailerPrefix.begin(), Layout::kTrailerPrefix.end(), trailer);
  if constexpr (Layout::kBigEndian) {
    Count.WriteBig(trailer + prefixSize);
  } else {
    Count.WriteLittle(trailer + prefixSize);
  }
  blockbuffering::CompleteMessage(BlockBuffer, BufferIndex, padByte, trailer, Compressor());
  if constexpr (Layout::kBigEndian) {
    byteorder::StoreWordsBig(digest, ChainState, wordCount);
  } else {
    byteorder::StoreWordsLittle(digest, ChainState, wordCount);
  }
  Wipe();
}

}  // namespace validador
