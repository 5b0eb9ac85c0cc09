#pragma once
// Painting a report on paged devices: a PDF writer, a printer, a print preview.

#include <QByteArray>
#include <QString>

#include "report/Report.h"

class QPagedPaintDevice;
class QPainter;

namespace validador {

// Prepares the report (its before-print hooks run) and paints every page on `device`,
// whose page layout becomes the report's. False, with `error` filled, when the device
// cannot be painted on.
bool RenderReport(Report& report, QPagedPaintDevice& device, QString* error);

// Paints one prepared page. The painter's origin is the top-left corner of the page's
// printable area; `dotsPerInchX` and `dotsPerInchY` are the device's resolution.
void PaintReportPage(QPainter& painter, const ReportPage& page, double dotsPerInchX,
                     double dotsPerInchY);

// The report as a whole A4 PDF document in memory. False, with `error` filled, when it
// cannot be painted.
bool RenderReportPdf(Report& report, QByteArray* pdf, QString* error);

// Writes the report as an A4 PDF file at `path`: painted whole in memory, then put in
// place of the old file at once (a temporary file beside it, flushed and renamed over
// it). False, with `error` filled, when it cannot be painted or written; the old file
// is then as it was and no temporary file stays behind.
bool SaveReportPdf(Report& report, const QString& path, QString* error);

}  // namespace validador
