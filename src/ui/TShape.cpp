#include "ui/TShape.h"

#include <QPainter>

namespace validador::ui {

TShape::TShape(const QColor& fill, const QColor& frame, int frameWidth, QWidget* parent)
    : QWidget(parent), fill_(fill), frame_(frame), frameWidth_(frameWidth) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), frame_);
  const int inset = frameWidth_;
  painter.fillRect(rect().adjusted(inset, inset, -inset, -inset), fill_);
}

}  // namespace validador::ui
