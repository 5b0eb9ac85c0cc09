#include "validation/BlockJoiner.h"

#include <utility>

namespace validador {

void BlockJoiner::Join(BlockVerdict&& verdict) {
  if (!verdict.startsLine) {
    Gather(verdict.head);
    if (!verdict.hasLineEnd) return;
    JudgePending();
  }
  facts_.Append(std::move(verdict.facts));
  Gather(verdict.tail);
}

LineFacts BlockJoiner::Finish() {
  if (pendingLine_) JudgePending();
  return std::move(facts_);
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
  judge_.Judge(pending_.Line(), line, fields_);
  facts_.Append(std::move(line));
  pending_.Clear();
  pendingLine_ = false;
}

}  // namespace validador
