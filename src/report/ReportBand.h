#pragma once
// A horizontal band of a report: a kind (title, detail, summary), a height in
// millimetres, a background colour, an optional line along its bottom edge, the
// elements placed on it and a hook that runs just before it prints.
//
// One element of a band may need more height than its box (a growing text): the band
// then grows by the difference, and the elements that lie below that element's box
// move down with it.

#include <QColor>
#include <functional>
#include <memory>
#include <vector>

#include "report/ReportElement.h"

namespace validador {

enum class ReportBandKind { Title, Detail, Summary };

class ReportBand {
 public:
  ReportBand(QString name, ReportBandKind kind, double heightMm, double widthMm);
  ReportBand(const ReportBand&) = delete;
  ReportBand& operator=(const ReportBand&) = delete;

  const QString& Name() const { return name_; }
  ReportBandKind Kind() const { return kind_; }
  double DesignHeight() const { return designHeightMm_; }
  double Width() const { return widthMm_; }

  void SetColour(const QColor& colour) { colour_ = colour; }
  void SetBottomLine(bool drawn) { bottomLine_ = drawn; }

  // Runs just before the band prints, before its elements are measured.
  void SetBeforePrint(std::function<void()> hook) { beforePrint_ = std::move(hook); }

  // Places an element on the band; the band owns it.
  template <typename Element, typename... Args>
  Element* Add(Args&&... args) {
    auto element = std::make_unique<Element>(std::forward<Args>(args)...);
    Element* placed = element.get();
    elements_.push_back(std::move(element));
    return placed;
  }
  const std::vector<std::unique_ptr<ReportElement>>& Elements() const { return elements_; }

  // Runs the before-print hook, then measures every element and the band's growth.
  void Prepare();
  // Height once prepared, growth included.
  double Height() const { return designHeightMm_ + growthMm_; }
  // Where the element's top lies once prepared, growth included (mm from the band's top).
  double TopOf(const ReportElement& element) const;
  // Distances from the band's top, ascending, where a page may break through the band;
  // the last is the band's height.
  std::vector<double> BreakPoints() const;

  // Paints the part of the band from `fromMm` to `toMm`; the painter's origin is the
  // band's top-left corner and its unit is the report dot.
  void Paint(QPainter& painter, double fromMm, double toMm) const;

 private:
  void PaintElement(QPainter& painter, const ReportElement& element, double fromMm,
                    double toMm) const;
  void PaintBottomLine(QPainter& painter) const;

  QString name_;
  ReportBandKind kind_;
  double designHeightMm_;
  double widthMm_;
  QColor colour_ = Qt::white;
  bool bottomLine_ = false;
  std::function<void()> beforePrint_;
  std::vector<std::unique_ptr<ReportElement>> elements_;
  const ReportElement* grower_ = nullptr;
  double growthMm_ = 0;
};

}  // namespace validador
