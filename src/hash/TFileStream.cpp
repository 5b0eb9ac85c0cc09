#include "hash/TFileStream.h"

#include <algorithm>
#include <cstring>

namespace validador {

TFileStream::TFileStream(const std::string& path)
    : file_(path), block_(std::make_unique_for_overwrite<std::uint8_t[]>(kBlockSize)) {}

std::uint32_t TFileStream::Read(void* buffer, std::uint32_t count) {
  auto* target = static_cast<std::uint8_t*>(buffer);
  std::uint32_t done = 0;
  while (done < count) {
    if (begin_ == end_ && !Refill()) break;
    const std::size_t piece = std::min<std::size_t>(count - done, end_ - begin_);
    std::memcpy(target + done, block_.get() + begin_, piece);
    begin_ += piece;
    done += static_cast<std::uint32_t>(piece);
  }
  return done;
}

bool TFileStream::Refill() {
  if (atEnd_) return false;
  begin_ = 0;
  end_ = file_.Read(block_.get(), kBlockSize);
  atEnd_ = end_ == 0;
  return !atEnd_;
}

}  // namespace validador
