#include "report/ReportPagination.h"

#include <optional>

#include "report/ReportBand.h"

namespace validador {

namespace {

constexpr double kEpsilonMm = 1e-6;

// Fills pages one slice at a time.
class PageFiller {
 public:
  explicit PageFiller(double pageHeightMm) : pageHeightMm_(pageHeightMm) { pages_.emplace_back(); }

  void Place(const ReportBand& band) {
    const std::vector<double> points = band.BreakPoints();
    double from = 0;
    while (from < band.Height() - kEpsilonMm) {
      std::optional<double> to = FurthestFitting(points, from);
      if (!to && !PageIsEmpty()) {
        NewPage();
        continue;
      }
      // Nothing fits even on an empty page: take the next piece and let it overflow.
      if (!to) to = NextAfter(points, from);
      pages_.back().slices.push_back({&band, usedMm_, from, *to});
      usedMm_ += *to - from;
      from = *to;
      if (from < band.Height() - kEpsilonMm) NewPage();
    }
  }

  std::vector<ReportPage> TakePages() { return std::move(pages_); }

 private:
  bool PageIsEmpty() const { return pages_.back().slices.empty(); }

  void NewPage() {
    pages_.emplace_back();
    usedMm_ = 0;
  }

  std::optional<double> FurthestFitting(const std::vector<double>& points, double from) const {
    std::optional<double> furthest;
    for (double point : points) {
      if (point > from + kEpsilonMm && point - from <= pageHeightMm_ - usedMm_ + kEpsilonMm)
        furthest = point;
    }
    return furthest;
  }

  static double NextAfter(const std::vector<double>& points, double from) {
    for (double point : points) {
      if (point > from + kEpsilonMm) return point;
    }
    return points.back();
  }

  double pageHeightMm_;
  double usedMm_ = 0;
  std::vector<ReportPage> pages_;
};

}  // namespace

std::vector<ReportPage> PaginateBands(const std::vector<const ReportBand*>& bands,
                                      double pageHeightMm) {
  PageFiller filler(pageHeightMm);
  for (const ReportBand* band : bands) filler.Place(*band);
  return filler.TakePages();
}

}  // namespace validador
