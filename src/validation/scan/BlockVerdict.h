#pragma once
// One block of a file read, judged on its own: the lines that lie whole inside it, and
// the pieces of the lines it shares with the blocks before and after it.

#include <string>
#include <string_view>

#include "validation/scan/LineFacts.h"
#include "validation/scan/LineJudge.h"
#include "validation/scan/LineRows.h"

namespace validador {

struct BlockVerdict {
  // The block begins a line: it is the first, or the one before ended at a CR.
  bool startsLine = false;
  // The block holds the end of at least one line (a CR).
  bool hasLineEnd = false;
  // When the block does not begin a line: the end of a line begun before it, up to its
  // first CR (the whole block when it holds none). Gathered as LineCondenser keeps it.
  std::string head;
  // The start of a line that goes on past the block, after its last line end.
  std::string tail;
  // The lines that begin and end inside the block, in order.
  LineFacts facts;
  // Their rows of the error listing, when one is asked for.
  LineRows rows;
};

// Whether the error listing is wanted, and how many rows a block keeps at most (-1: all).
struct ListingWanted {
  bool wanted = false;
  std::int64_t cap = -1;
};

// Judges the bytes of one block. `startsLine` as above; `skipLineFeed` when the block
// before ended at a CR, whose line feed may open this one.
BlockVerdict JudgeBlock(std::string_view bytes, bool startsLine, bool skipLineFeed,
                        const LineJudge& judge, ListingWanted listing = {});

}  // namespace validador
