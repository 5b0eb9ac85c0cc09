#pragma once
// Joins the findings of a file's blocks, judged apart, in file order: the line that
// crosses from one block into the next is gathered from its pieces and judged here.

#include "validation/BlockVerdict.h"
#include "validation/LineCondenser.h"
#include "validation/LineFacts.h"
#include "validation/LineJudge.h"

namespace validador {

class BlockJoiner {
 public:
  explicit BlockJoiner(const LineJudge& judge) : judge_(judge) {}

  // The verdict of the next block the checks look at.
  void Join(BlockVerdict&& verdict);
  // After the last block: the last line needs no line break. The facts of the file.
  LineFacts Finish();

 private:
  void Gather(std::string_view piece);
  void JudgePending();

  const LineJudge& judge_;
  LineFacts facts_;
  LineCondenser pending_;
  bool pendingLine_ = false;  // a line is begun and not yet judged
  TRetorno fields_;
};

}  // namespace validador
