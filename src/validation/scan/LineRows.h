#pragma once
// The error listing's rows of a run of consecutive lines, numbered from 1 within the run,
// with the count of every row and of the lines that have one. Rows past a cap are counted,
// not kept, so a block of bad lines costs no more memory than the cap allows.

#include <cstdint>
#include <functional>
#include <vector>

#include "validation/listing/ErrorListing.h"

namespace validador {

struct LineRows {
  std::vector<ListingRow> rows;  // a line's bank, letter and field-count rows carry no text yet
  std::int64_t rowCount = 0;
  std::int64_t linesWithError = 0;
  std::int64_t cap = -1;         // rows kept at most; -1: all
  std::int64_t kept = 0;         // rows kept so far
  // When set, kept rows are handed on here, as they come, instead of held in `rows`.
  std::function<void(ListingRow&&)> sink;

  void Add(ListingRow&& row) {
    ++rowCount;
    Keep(std::move(row));
  }

  // Appends the rows of the lines that follow these, `linesBefore` of them.
  void Append(LineRows&& later, std::int64_t linesBefore) {
    for (ListingRow& row : later.rows) {
      if (Full()) break;
      row.linha += linesBefore;
      Keep(std::move(row));
    }
    rowCount += later.rowCount;
    linesWithError += later.linesWithError;
  }

 private:
  bool Full() const { return cap >= 0 && kept >= cap; }
  void Keep(ListingRow&& row) {
    if (Full()) return;
    ++kept;
    if (sink) {
      sink(std::move(row));
    } else {
      rows.push_back(std::move(row));
    }
  }
};

}  // namespace validador
