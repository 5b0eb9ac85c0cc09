#pragma once
// A horizontal line drawn across its box, halfway down.

#include <QColor>

#include "report/ReportElement.h"

namespace validador {

class ReportShape : public ReportElement {
 public:
  ReportShape(QString name, const QRectF& boxMm, double penWidthMm = 0.2,
              const QColor& colour = Qt::black);

  void Paint(QPainter& painter, double fromMm, double toMm) const override;

 private:
  double penWidthMm_;
  QColor colour_;
};

}  // namespace validador
