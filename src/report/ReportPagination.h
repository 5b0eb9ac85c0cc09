#pragma once
// Breaking prepared bands into pages. Bands follow one another down the page; a band
// that does not fit in what is left of a page starts on the next one, and a band taller
// than what is left is cut at its break points (between printed lines of a growing
// text), continuing at the top of the following pages.

#include <vector>

namespace validador {

class ReportBand;

// One piece of a band on a page: the band's part from `bandFromMm` to `bandToMm`,
// printed with its top at `pageTopMm` below the top of the page's printable area.
struct ReportSlice {
  const ReportBand* band = nullptr;
  double pageTopMm = 0;
  double bandFromMm = 0;
  double bandToMm = 0;
};

struct ReportPage {
  std::vector<ReportSlice> slices;
};

// Lays out `bands`, already prepared, in their order on pages whose printable area is
// `pageHeightMm` high. There is always at least one page.
std::vector<ReportPage> PaginateBands(const std::vector<const ReportBand*>& bands,
                                      double pageHeightMm);

}  // namespace validador
