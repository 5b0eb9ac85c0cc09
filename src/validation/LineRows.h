#pragma once
// The error listing's rows of a run of consecutive lines, numbered from 1 within the run,
// with the count of every row and of the lines that have one. Rows past a cap are counted,
// not kept, so a block of bad lines costs no more memory than the cap allows.

#include <cstdint>
#include <vector>

#include "validation/ErrorListing.h"

namespace validador {

struct LineRows {
  std::vector<ListingRow> rows;  // a line's bank, letter and field-count rows carry no text yet
  std::int64_t rowCount = 0;
  std::int64_t linesWithError = 0;
  std::int64_t cap = -1;         // rows kept at most; -1: all

  void Add(ListingRow&& row) {
    ++rowCount;
    if (cap < 0 || static_cast<std::int64_t>(rows.size()) < cap) rows.push_back(std::move(row));
  }

  // Appends the rows of the lines that follow these, `linesBefore` of them.
  void Append(LineRows&& later, std::int64_t linesBefore) {
    for (ListingRow& row : later.rows) {
      if (cap >= 0 && static_cast<std::int64_t>(rows.size()) >= cap) break;
      row.linha += linesBefore;
      rows.push_back(std::move(row));
    }
    rowCount += later.rowCount;
    linesWithError += later.linesWithError;
  }
};

}  // namespace validador
