#include "validation/scan/LineReader.h"

#include <cstring>

namespace validador {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kEndOfFile = '\x1A';

}  // namespace

LineReader::LineReader(const std::string& path)
    : file_(std::in_place, path), block_(kBlockSize) {}

LineReader::~LineReader() = default;

void LineReader::Close() {
  file_.reset();
  eof_ = true;
  begin_ = end_ = 0;
}

void LineReader::Refill() {
  begin_ = 0;
  end_ = file_->Read(block_.data(), block_.size());
  if (end_ == 0) {
    eof_ = true;
    return;
  }
  if (const void* stop = std::memchr(block_.data(), kEndOfFile, end_)) {
    end_ = static_cast<std::size_t>(static_cast<const char*>(stop) - block_.data());
    eof_ = true;
  }
  if (skipLf_ && begin_ < end_ && block_[begin_] == kLineFeed) ++begin_;
  skipLf_ = false;
}

bool LineReader::HandOutSpill(std::string_view& line) {
  line = spill_;
  spillHandedOut_ = true;
  return true;
}

bool LineReader::Next(std::string_view& line) {
  if (spillHandedOut_) {
    spill_.clear();
    spillHandedOut_ = false;
  }
  for (;;) {
    while (begin_ == end_) {
      if (eof_) return !spill_.empty() && HandOutSpill(line);
      Refill();
    }
    const char* start = block_.data() + begin_;
    const std::size_t available = end_ - begin_;
    const void* found = std::memchr(start, kCarriageReturn, available);
    if (found == nullptr) {  // the line goes on in the next block
      spill_.append(start, available);
      begin_ = end_;
      continue;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
    begin_ += length + 1;
    if (begin_ < end_) {
      if (block_[begin_] == kLineFeed) ++begin_;
    } else {
      skipLf_ = true;  // its line feed, if any, starts the next block
    }
    if (spill_.empty()) {
      line = std::string_view(start, length);
      return true;
    }
    spill_.append(start, length);
    return HandOutSpill(line);
  }
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find(kEndOfFile));
  std::vector<std::string> lines;
  std::size_t position = 0;
  while (position < bytes.size()) {
    const std::size_t cr = bytes.find(kCarriageReturn, position);
    if (cr == std::string_view::npos) {
      lines.emplace_back(bytes.substr(position));
      break;
    }
    lines.emplace_back(bytes.substr(position, cr - position));
    position = cr + 1;
    if (position < bytes.size() && bytes[position] == kLineFeed) ++position;
  }
  return lines;
}

}  // namespace validador
