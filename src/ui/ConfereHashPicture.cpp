#include "ui/ConfereHashPicture.h"

#include <QPainter>
#include <QPixmap>

namespace validador::ui {
namespace {

constexpr int kSide = 20;
const QColor kPaper(Qt::white);
const QColor kFrame(0, 0, 128);
const QColor kDigits(128, 128, 128);
const QColor kCheck(0, 128, 0);

void DrawSheet(QPainter& painter) {
  painter.setPen(kFrame);
  painter.setBrush(kPaper);
  painter.drawRect(2, 1, 12, 16);
  painter.setPen(kDigits);
  for (const int y : {4, 7, 10, 13}) painter.drawLine(5, y, 11, y);
}

void DrawCheck(QPainter& painter) {
  QPen pen(kCheck, 2.4);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const QPointF check[] = {{9.5, 13.5}, {12.5, 16.5}, {17.5, 9.5}};
  painter.drawPolyline(check, 3);
}

}  // namespace

QImage ConfereHashPicture() {
  QImage picture(kSide, kSide, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  DrawSheet(painter);
  DrawCheck(painter);
  return picture;
}

QIcon ConfereHashIcon() { return QIcon(QPixmap::fromImage(ConfereHashPicture())); }

}  // namespace validador::ui
