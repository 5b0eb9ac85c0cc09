#include "validation/scan/BlockVerdict.h"

#include <cstring>

#include "validation/scan/LineCondenser.h"

namespace validador {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

std::string Condensed(std::string_view piece) {
  LineCondenser condenser;
  condenser.Append(piece);
  return std::string(condenser.Line());
}

// The position of the next CR in `bytes`, or npos.
std::size_t NextLineEnd(std::string_view bytes) {
  const void* found = std::memchr(bytes.data(), kCarriageReturn, bytes.size());
  return found == nullptr ? std::string_view::npos
                          : static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
}

// Drops the line end at the front: the CR, and the line feed right after it.
void DropLineEnd(std::string_view& bytes, std::size_t lineEnd) {
  bytes.remove_prefix(lineEnd + 1);
  if (!bytes.empty() && bytes.front() == kLineFeed) bytes.remove_prefix(1);
}

}  // namespace

BlockVerdict JudgeBlock(std::string_view bytes, bool startsLine, bool skipLineFeed,
                        const LineJudge& judge, ListingWanted listing) {
  BlockVerdict verdict;
  verdict.rows.cap = listing.cap;
  verdict.startsLine = startsLine;
  if (skipLineFeed && !bytes.empty() && bytes.front() == kLineFeed) bytes.remove_prefix(1);
  if (!startsLine) {
    const std::size_t lineEnd = NextLineEnd(bytes);
    verdict.head = Condensed(bytes.substr(0, lineEnd));
    if (lineEnd == std::string_view::npos) return verdict;
    verdict.hasLineEnd = true;
    DropLineEnd(bytes, lineEnd);
  }
  TRetorno fields;
  for (std::size_t lineEnd; (lineEnd = NextLineEnd(bytes)) != std::string_view::npos;) {
    verdict.hasLineEnd = true;
    if (listing.wanted) {
      judge.JudgeAndList(bytes.substr(0, lineEnd), verdict.facts, fields, verdict.rows);
    } else {
      judge.Judge(bytes.substr(0, lineEnd), verdict.facts, fields);
    }
    DropLineEnd(bytes, lineEnd);
  }
  verdict.tail = Condensed(bytes);
  return verdict;
}

}  // namespace validador
