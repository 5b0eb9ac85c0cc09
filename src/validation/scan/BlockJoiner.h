#pragma once
// Joins the findings of a file's blocks, judged apart, in file order: the line that
// crosses from one block into the next is gathered from its pieces and judged here.

#include <functional>

#include "validation/scan/BlockVerdict.h"
#include "validation/scan/LineCondenser.h"
#include "validation/scan/LineFacts.h"
#include "validation/scan/LineJudge.h"
#include "validation/scan/LineRows.h"

namespace validador {

class BlockJoiner {
 public:
  // `rowSink`, when set, takes the listing's rows as they are joined, in file order.
  BlockJoiner(const LineJudge& judge, const ListingWanted& listing,
              std::function<void(ListingRow&&)> rowSink = {});

  // The verdict of the next block the checks look at.
  void Join(BlockVerdict&& verdict);
  // After the last block: the last line needs no line break.
  void Finish();

  LineFacts TakeFacts() { return std::move(facts_); }
  // The listing's rows, numbered by line of the file (empty without the listing, and
  // with a row sink, which took them).
  LineRows TakeRows() { return std::move(rows_); }

 private:
  void Gather(std::string_view piece);
  void JudgePending();

  const LineJudge& judge_;
  const ListingWanted listing_;
  LineFacts facts_;
  LineRows rows_;
  LineCondenser pending_;
  bool pendingLine_ = false;  // a line is begun and not yet judged
  TRetorno fields_;
};

}  // namespace validador
