#include "validation/scan/Utf8Sniffer.h"

#include <cstring>

namespace validador {
namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

}  // namespace

void Utf8Sniffer::Feed(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size() && fed_ + i < 3; ++i) {
    first_[fed_ + i] = static_cast<unsigned char>(bytes[i]);
  }
  fed_ += bytes.size();
  if (malformed_) return;
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Eight plain ASCII bytes at a time while no sequence is open.
    if (needed_ == 0 && i + 8 <= bytes.size()) {
      std::uint64_t word;
      std::memcpy(&word, bytes.data() + i, sizeof word);
      if ((word & kHighBits) == 0) {
        i += 8;
        continue;
      }
    }
    const auto byte = static_cast<unsigned char>(bytes[i++]);
    if (byte < 0x80 && needed_ == 0) continue;
    FeedHigh(byte);
    if (malformed_) return;
  }
}

// Well-formed sequences as the Unicode standard lists them: no overlong forms, no
// surrogates, nothing past U+10FFFF.
void Utf8Sniffer::FeedHigh(unsigned char byte) {
  sawHigh_ = true;
  if (needed_ > 0) {
    if (byte < low_ || byte > high_) {
      malformed_ = true;
      return;
    }
    --needed_;
    low_ = 0x80;
    high_ = 0xBF;
    return;
  }
  if (byte >= 0xC2 && byte <= 0xDF) {
    needed_ = 1;
  } else if (byte >= 0xE0 && byte <= 0xEF) {
    needed_ = 2;
    if (byte == 0xE0) low_ = 0xA0;
    if (byte == 0xED) high_ = 0x9F;
  } else if (byte >= 0xF0 && byte <= 0xF4) {
    needed_ = 3;
    if (byte == 0xF0) low_ = 0x90;
    if (byte == 0xF4) high_ = 0x8F;
  } else {
    malformed_ = true;
  }
}

bool Utf8Sniffer::LooksUtf8() const {
  const bool byteOrderMark = fed_ >= 3 && first_[0] == 0xEF && first_[1] == 0xBB && first_[2] == 0xBF;
  return byteOrderMark || (sawHigh_ && !malformed_ && needed_ == 0);
}

}  // namespace validador
