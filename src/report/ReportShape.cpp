#include "report/ReportShape.h"

#include <QPainter>
#include <QPen>

#include "report/ReportUnits.h"

namespace validador {

ReportShape::ReportShape(QString name, const QRectF& boxMm, double penWidthMm,
                         const QColor& colour)
    : ReportElement(std::move(name), boxMm), penWidthMm_(penWidthMm), colour_(colour) {}

void ReportShape::Paint(QPainter& painter, double, double) const {
  const double middle = MmToDots(Box().height() / 2);
  painter.save();
  painter.setPen(QPen(colour_, MmToDots(penWidthMm_), Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(QPointF(0, middle), QPointF(MmToDots(Box().width()), middle));
  painter.restore();
}

}  // namespace validador
