#pragma once
// An element placed on a report band: its name, its box in millimetres from the band's
// top-left corner, and whether it prints. Kinds of element measure and paint themselves.

#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace validador {

class ReportElement {
 public:
  ReportElement(QString name, const QRectF& boxMm);
  virtual ~ReportElement() = default;
  ReportElement(const ReportElement&) = delete;
  ReportElement& operator=(const ReportElement&) = delete;

  const QString& Name() const { return name_; }
  // Position and size in the band, mm; the size is the measured one after Prepare().
  const QRectF& Box() const { return boxMm_; }

  // An element that is off is not printed.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // Measures the content just before the pages are laid out.
  virtual void Prepare() {}
  // The height the prepared content needs; more than the box's makes the band grow.
  virtual double NeededHeight() const { return boxMm_.height(); }
  // Distances from the element's top, ascending, where a page may break through it.
  virtual std::vector<double> BreakPoints() const { return {}; }

  // Paints the part of the element that lies from `fromMm` to `toMm` (measured from
  // the element's top). The painter's origin is the element's top-left corner and its
  // unit is the report dot.
  virtual void Paint(QPainter& painter, double fromMm, double toMm) const = 0;

 protected:
  void SetSize(double widthMm, double heightMm);

 private:
  QString name_;
  QRectF boxMm_;
  bool enabled_ = true;
};

}  // namespace validador
