#include "report/ReportElement.h"

#include <utility>

namespace validador {

ReportElement::ReportElement(QString name, const QRectF& boxMm)
    : name_(std::move(name)), boxMm_(boxMm) {}

void ReportElement::SetSize(double widthMm, double heightMm) {
  boxMm_.setSize(QSizeF(widthMm, heightMm));
}

}  // namespace validador
