#include "validation/scan/BlockJoiner.h"

#include <utility>

namespace validador {

BlockJoiner::BlockJoiner(const LineJudge& judge, const ListingWanted& listing,
                         std::function<void(ListingRow&&)> rowSink)
    : judge_(judge), listing_(listing) {
  rows_.cap = listing.cap;
  rows_.sink = std::move(rowSink);
}

void BlockJoiner::Join(BlockVerdict&& verdict) {
  if (!verdict.startsLine) {
    Gather(verdict.head);
    if (!verdict.hasLineEnd) return;
    JudgePending();
  }
  rows_.Append(std::move(verdict.rows), facts_.count);
  facts_.Append(std::move(verdict.facts));
  Gather(verdict.tail);
}

void BlockJoiner::Finish() {
  if (pendingLine_) JudgePending();
}

// A line begins with its first byte: a block that adds none to it (it holds nothing
// before a byte 26) begins no line.
void BlockJoiner::Gather(std::string_view piece) {
  if (piece.empty()) return;
  pending_.Append(piece);
  pendingLine_ = true;
}

// The line ends at a CR, also an empty one.
void BlockJoiner::JudgePending() {
  LineFacts line;
  if (listing_.wanted) {
    LineRows rows;
    judge_.JudgeAndList(pending_.Line(), line, fields_, rows);
    rows_.Append(std::move(rows), facts_.count);
  } else {
    judge_.Judge(pending_.Line(), line, fields_);
  }
  facts_.Append(std::move(line));
  pending_.Clear();
  pendingLine_ = false;
}

}  // namespace validador
