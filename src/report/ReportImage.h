#pragma once
// A picture on a band, scaled to fit its box with its proportions kept, and centred.

#include <QImage>

#include "report/ReportElement.h"

namespace validador {

class ReportImage : public ReportElement {
 public:
  ReportImage(QString name, const QRectF& boxMm, QImage picture);

  const QImage& Picture() const { return picture_; }
  void SetPicture(QImage picture) { picture_ = std::move(picture); }

  void Paint(QPainter& painter, double fromMm, double toMm) const override;

 private:
  QImage picture_;
};

}  // namespace validador
