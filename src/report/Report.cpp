#include "report/Report.h"

#include <QPageSize>
#include <array>

namespace validador {

Report::Report(QString title) : title_(std::move(title)) {}

QPageLayout Report::PageLayout() const {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, pageSetup_.marginsMm,
                     QPageLayout::Millimeter);
}

double Report::PrintableHeight() const {
  return PageLayout().paintRect(QPageLayout::Millimeter).height();
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
