#pragma once
// A banded report: one column on A4 portrait paper with margins, and its bands. The
// title band prints once at the top of the first page, then each detail band once (the
// report has no data source), then the summary band.

#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <memory>
#include <vector>

#include "report/ReportBand.h"
#include "report/ReportPagination.h"

namespace validador {

struct ReportPageSetup {
  QMarginsF marginsMm{5, 10, 5, 10};  // left, top, right, bottom
  double bandWidthMm = 200;
};

class Report {
 public:
  explicit Report(QString title);
  Report(const Report&) = delete;
  Report& operator=(const Report&) = delete;

  const QString& Title() const { return title_; }
  const ReportPageSetup& PageSetup() const { return pageSetup_; }
  // A4 portrait, painted from the paper's corner: the report keeps its own margins, so
  // that a printer's larger minimum margins do not move anything.
  QPageLayout PageLayout() const;
  // Height of a page's printable area, mm.
  double PrintableHeight() const;

  ReportBand& AddBand(QString name, ReportBandKind kind, double heightMm);
  const std::vector<std::unique_ptr<ReportBand>>& Bands() const { return bands_; }

  // Runs every band's before-print hook, measures the bands and breaks them into pages.
  std::vector<ReportPage> Prepare();

 private:
  std::vector<ReportBand*> BandsInPrintOrder() const;

  QString title_;
  ReportPageSetup pageSetup_;
  std::vector<std::unique_ptr<ReportBand>> bands_;
};

}  // namespace validador
