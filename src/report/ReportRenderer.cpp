#include "report/ReportRenderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <string_view>

#include "base/Errors.h"
#include "platform/ReplaceFile.h"
#include "report/ReportBand.h"
#include "report/ReportUnits.h"
#include "qttexts/QtTexts.h"

namespace validador {

namespace {

void SetError(QString* error, const QString& text) {
  if (error != nullptr) *error = text;
}

// Elements may reach into the side margins (the log column does), so a slice is cut
// only at its top and bottom.
constexpr double kSideReachMm = 210;

void PaintSlice(QPainter& painter, const ReportSlice& slice) {
  painter.save();
  painter.translate(0, MmToDots(slice.pageTopMm - slice.bandFromMm));
  painter.setClipRect(QRectF(MmToDots(-kSideReachMm), MmToDots(slice.bandFromMm),
                             MmToDots(3 * kSideReachMm),
                             MmToDots(slice.bandToMm - slice.bandFromMm)));
  slice.band->Paint(painter, slice.bandFromMm, slice.bandToMm);
  painter.restore();
}

}  // namespace

void PaintReportPage(QPainter& painter, const ReportPage& page, double dotsPerInchX,
                     double dotsPerInchY) {
  painter.save();
  painter.scale(dotsPerInchX / kReportDotsPerInch, dotsPerInchY / kReportDotsPerInch);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const ReportSlice& slice : page.slices) PaintSlice(painter, slice);
  painter.restore();
}

bool RenderReport(Report& report, QPagedPaintDevice& device, QString* error) {
  device.setPageLayout(report.PageLayout());
  const std::vector<ReportPage> pages = report.Prepare();
  QPainter painter;
  if (!painter.begin(&device)) {
    SetError(error, QStringLiteral("Não foi possível iniciar a impressão do relatório."));
    return false;
  }
  for (std::size_t index = 0; index < pages.size(); ++index) {
    if (index > 0 && !device.newPage()) {
      SetError(error, QStringLiteral("Não foi possível começar uma nova página."));
      return false;
    }
    const QMarginsF& margins = report.PageSetup().marginsMm;
    painter.save();
    painter.translate(margins.left() / kMillimetresPerInch * device.logicalDpiX(),
                      margins.top() / kMillimetresPerInch * device.logicalDpiY());
    PaintReportPage(painter, pages[index], device.logicalDpiX(), device.logicalDpiY());
    painter.restore();
  }
  return painter.end();
}

bool RenderReportPdf(Report& report, QByteArray* pdf, QString* error) {
  pdf->clear();
  QBuffer buffer(pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(static_cast<int>(kReportDotsPerInch));
  writer.setTitle(report.Title());
  writer.setCreator(QStringLiteral("Validador"));
  QString renderError;
  if (!RenderReport(report, writer, &renderError) || pdf->isEmpty()) {
    SetError(error, renderError.isEmpty()
                        ? QStringLiteral("Não foi possível gerar o PDF do relatório.")
                        : renderError);
    return false;
  }
  return true;
}

bool SaveReportPdf(Report& report, const QString& path, QString* error) {
  const QString shownPath = QFileInfo(path).absoluteFilePath();
  QByteArray pdf;
  if (!RenderReportPdf(report, &pdf, nullptr)) {
    SetError(error, QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(shownPath));
    return false;
  }
  try {
    platform::ReplaceFileContents(
        ToPath(path),
        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
  } catch (const EInOutError& failure) {
    SetError(error, QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2.")
                        .arg(shownPath, QString::fromLatin1(failure.what())));
    return false;
  }
  return true;
}

}  // namespace validador
