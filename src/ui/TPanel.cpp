#include "ui/TPanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace validador::ui {

TPanel::TPanel(Bevel outer, Bevel inner, int bevelWidth, QWidget* parent)
    : QWidget(parent), outer_(outer), inner_(inner), bevelWidth_(bevelWidth) {
  setAutoFillBackground(true);
}

void TPanel::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

QRect TPanel::DrawBevel(QPainter& painter, const QRect& rect, Bevel bevel) const {
  if (bevel == Bevel::None) return rect;
  qDrawShadePanel(&painter, rect, palette(), bevel == Bevel::Lowered, bevelWidth_);
  return rect.adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect client = DrawBevel(painter, rect(), outer_);
  client = DrawBevel(painter, client, inner_);
  if (caption_.isEmpty()) return;
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(client, Qt::AlignCenter, caption_);
}

}  // namespace validador::ui
