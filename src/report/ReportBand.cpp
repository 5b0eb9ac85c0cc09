#include "report/ReportBand.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

#include "report/ReportUnits.h"

namespace validador {

namespace {

constexpr double kBottomLineWidthMm = 0.26;

}  // namespace

ReportBand::ReportBand(QString name, ReportBandKind kind, double heightMm, double widthMm)
    : name_(std::move(name)), kind_(kind), designHeightMm_(heightMm), widthMm_(widthMm) {}

void ReportBand::Prepare() {
  if (beforePrint_) beforePrint_();
  grower_ = nullptr;
  growthMm_ = 0;
  for (const auto& element : elements_) {
    element->Prepare();
    if (!element->Enabled()) continue;
    const double growth = element->NeededHeight() - element->Box().height();
    if (growth > growthMm_) {
      growthMm_ = growth;
      grower_ = element.get();
    }
  }
}

double ReportBand::TopOf(const ReportElement& element) const {
  const bool below = grower_ != nullptr && &element != grower_ &&
                     element.Box().top() >= grower_->Box().bottom();
  return element.Box().top() + (below ? growthMm_ : 0);
}

std::vector<double> ReportBand::BreakPoints() const {
  std::vector<double> points;
  if (grower_ != nullptr) {
    for (double point : grower_->BreakPoints()) points.push_back(TopOf(*grower_) + point);
  }
  points.push_back(Height());
  return points;
}

void ReportBand::Paint(QPainter& painter, double fromMm, double toMm) const {
  painter.fillRect(QRectF(0, MmToDots(fromMm), MmToDots(widthMm_), MmToDots(toMm - fromMm)),
                   colour_);
  for (const auto& element : elements_) {
    if (element->Enabled()) PaintElement(painter, *element, fromMm, toMm);
  }
  if (bottomLine_ && Height() > fromMm && Height() <= toMm) PaintBottomLine(painter);
}

void ReportBand::PaintElement(QPainter& painter, const ReportElement& element, double fromMm,
                              double toMm) const {
  const double top = TopOf(element);
  const double bottom = top + std::max(element.NeededHeight(), element.Box().height());
  if (bottom <= fromMm || top >= toMm) return;
  painter.save();
  painter.translate(MmToDots(element.Box().left()), MmToDots(top));
  element.Paint(painter, fromMm - top, toMm - top);
  painter.restore();
}

void ReportBand::PaintBottomLine(QPainter& painter) const {
  const double y = MmToDots(Height() - kBottomLineWidthMm / 2);
  painter.save();
  painter.setPen(QPen(Qt::black, MmToDots(kBottomLineWidthMm), Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(0, y), QPointF(MmToDots(widthMm_), y));
  painter.restore();
}

}  // namespace validador
