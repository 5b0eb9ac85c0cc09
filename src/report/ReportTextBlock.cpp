#include "report/ReportTextBlock.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "report/ReportFonts.h"
#include "report/ReportUnits.h"

namespace validador {

namespace {

constexpr int kTabStopInSpaces = 8;

QTextOption WrappingOption(const QFontMetricsF& metrics) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setTabStopDistance(metrics.horizontalAdvance(QLatin1Char(' ')) * kTabStopInSpaces);
  return option;
}

}  // namespace

ReportTextBlock::ReportTextBlock(QString name, const QRectF& boxMm, const QFont& font,
                                 const QColor& colour)
    : ReportElement(std::move(name), boxMm), font_(font), colour_(colour) {}

void ReportTextBlock::Prepare() {
  const QFont font = FontInDots(font_);
  lineHeightMm_ = DotsToMm(QFontMetricsF(font).lineSpacing());
  layouts_.clear();
  printedLines_.clear();
  for (const QString& text : lines_) LayOut(text, font);
}

void ReportTextBlock::LayOut(const QString& text, const QFont& font) {
  auto layout = std::make_unique<QTextLayout>(text, font);
  layout->setTextOption(WrappingOption(QFontMetricsF(font)));
  layout->beginLayout();
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
    line.setLineWidth(MmToDots(Box().width()));
    line.setPosition(QPointF(0, 0));
  }
  layout->endLayout();
  const int index = static_cast<int>(layouts_.size());
  // An empty text still takes one (blank) printed line.
  const int lineCount = std::max(1, layout->lineCount());
  for (int line = 0; line < lineCount; ++line) printedLines_.push_back({index, line});
  layouts_.push_back(std::move(layout));
}

double ReportTextBlock::NeededHeight() const {
  return std::max(Box().height(), PrintedLineCount() * lineHeightMm_);
}

std::vector<double> ReportTextBlock::BreakPoints() const {
  std::vector<double> points;
  for (int line = 1; line < PrintedLineCount(); ++line) points.push_back(line * lineHeightMm_);
  return points;
}

void ReportTextBlock::Paint(QPainter& painter, double fromMm, double toMm) const {
  if (printedLines_.empty() || lineHeightMm_ <= 0) return;
  // Only whole lines that lie inside the range are drawn.
  const double tolerance = lineHeightMm_ * 1e-6;
  const int first = std::max(0, static_cast<int>(std::ceil(fromMm / lineHeightMm_ - 1e-6)));
  painter.save();
  painter.setPen(colour_);
  for (int index = first; index < PrintedLineCount(); ++index) {
    const double topMm = index * lineHeightMm_;
    if (topMm + lineHeightMm_ > toMm + tolerance) break;
    const PrintedLine& printed = printedLines_[static_cast<std::size_t>(index)];
    const QTextLayout& layout = *layouts_[static_cast<std::size_t>(printed.layout)];
    if (printed.line < layout.lineCount())
      layout.lineAt(printed.line).draw(&painter, QPointF(0, MmToDots(topMm)));
  }
  painter.restore();
}

}  // namespace validador
