#include "report/Report.h"

#include <QPageSize>
#include <array>

namespace validador {

Report::Report(QString title) : title_(std::move(title)) {}

QPageLayout Report::PageLayout() const {
  QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                     QPageLayout::Millimeter);
  layout.setMode(QPageLayout::FullPageMode);
  return layout;
}

double Report::PrintableHeight() const {
  return PageLayout().fullRect(QPageLayout::Millimeter).height() - pageSetup_.marginsMm.top() -
         pageSetup_.marginsMm.bottom();
}

ReportBand& Report::AddBand(QString name, ReportBandKind kind, double heightMm) {
  bands_.push_back(
      std::make_unique<ReportBand>(std::move(name), kind, heightMm, pageSetup_.bandWidthMm));
  return *bands_.back();
}

std::vector<ReportBand*> Report::BandsInPrintOrder() const {
  std::vector<ReportBand*> ordered;
  for (ReportBandKind kind :
       std::array{ReportBandKind::Title, ReportBandKind::Detail, ReportBandKind::Summary}) {
    for (const auto& band : bands_) {
      if (band->Kind() == kind) ordered.push_back(band.get());
    }
  }
  return ordered;
}

std::vector<ReportPage> Report::Prepare() {
  const std::vector<ReportBand*> ordered = BandsInPrintOrder();
  for (ReportBand* band : ordered) band->Prepare();
  return PaginateBands({ordered.begin(), ordered.end()}, PrintableHeight());
}

}  // namespace validador
