#include "validation/scan/BlockBoundaries.h"

#include <algorithm>

namespace validador {

BlockBoundaries::Span BlockBoundaries::Next(std::string_view block) {
  Span span;
  const bool first = first_;
  first_ = false;
  bytesSeen_ += block.size();
  if (ended_) return span;
  span.judging = true;
  span.checkSize = std::min(block.find('\x1A'), block.size());
  bytesChecked_ += span.checkSize;
  ended_ = span.checkSize < block.size();
  span.startsLine = first || previousEndedAtCr_;
  span.skipLineFeed = previousEndedAtCr_;
  if (span.checkSize > 0) previousEndedAtCr_ = block[span.checkSize - 1] == '\r';
  return span;
}

std::optional<std::uint64_t> BlockBoundaries::BytesAfterEndOfText() const {
  if (!ended_) return std::nullopt;
  return bytesSeen_ - bytesChecked_ - 1;  // the byte 26 itself is not counted
}

}  // namespace validador
