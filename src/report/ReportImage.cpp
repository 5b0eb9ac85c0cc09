#include "report/ReportImage.h"

#include <QPainter>

#include "report/ReportUnits.h"

namespace validador {

ReportImage::ReportImage(QString name, const QRectF& boxMm, QImage picture)
    : ReportElement(std::move(name), boxMm), picture_(std::move(picture)) {}

void ReportImage::Paint(QPainter& painter, double, double) const {
  if (picture_.isNull()) return;
  const QSizeF box(MmToDots(Box().width()), MmToDots(Box().height()));
  const QSizeF fitted = QSizeF(picture_.size()).scaled(box, Qt::KeepAspectRatio);
  const QPointF corner((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(corner, fitted), picture_);
  painter.restore();
}

}  // namespace validador
