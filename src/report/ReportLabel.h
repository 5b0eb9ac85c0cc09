#pragma once
// A line of text on a band: font, colour, and sized to its text unless told otherwise.

#include <QColor>
#include <QFont>
#include <QPointF>

#include "report/ReportElement.h"

namespace validador {

class ReportLabel : public ReportElement {
 public:
  ReportLabel(QString name, const QPointF& positionMm, QString text, const QFont& font,
              const QColor& colour);

  const QString& Text() const { return text_; }
  void SetText(QString text) { text_ = std::move(text); }
  const QFont& Font() const { return font_; }
  const QColor& Colour() const { return colour_; }

  // Sized to the text (the default) or kept at the size given with SetFixedSize().
  bool AutoSize() const { return autoSize_; }
  void SetFixedSize(double widthMm, double heightMm);

  void Prepare() override;
  void Paint(QPainter& painter, double fromMm, double toMm) const override;

 private:
  QString text_;
  QFont font_;
  QColor colour_;
  bool autoSize_ = true;
};

}  // namespace validador
