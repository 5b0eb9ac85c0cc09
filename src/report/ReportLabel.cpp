#include "report/ReportLabel.h"

#include <QFontMetricsF>
#include <QPainter>

#include "report/ReportFonts.h"
#include "report/ReportUnits.h"

namespace validador {

ReportLabel::ReportLabel(QString name, const QPointF& positionMm, QString text,
                         const QFont& font, const QColor& colour)
    : ReportElement(std::move(name), QRectF(positionMm, QSizeF())),
      text_(std::move(text)),
      font_(font),
      colour_(colour) {}

void ReportLabel::SetFixedSize(double widthMm, double heightMm) {
  autoSize_ = false;
  SetSize(widthMm, heightMm);
}

void ReportLabel::Prepare() {
  if (!autoSize_) return;
  const QFontMetricsF metrics(FontInDots(font_));
  SetSize(DotsToMm(metrics.horizontalAdvance(text_)), DotsToMm(metrics.height()));
}

void ReportLabel::Paint(QPainter& painter, double, double) const {
  const QFont font = FontInDots(font_);
  const QRectF box(0, 0, MmToDots(Box().width()), MmToDots(Box().height()));
  painter.save();
  if (!autoSize_) painter.setClipRect(box, Qt::IntersectClip);
  painter.setFont(font);
  painter.setPen(colour_);
  painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), text_);
  painter.restore();
}

}  // namespace validador
