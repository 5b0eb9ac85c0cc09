#pragma once
// Plain lines of text in a column of fixed width: long lines wrap at word boundaries,
// and the element grows downwards to hold them all. A page may break between any two
// printed lines, so a long text continues on the following pages.

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextLayout>
#include <memory>

#include "report/ReportElement.h"

namespace validador {

class ReportTextBlock : public ReportElement {
 public:
  ReportTextBlock(QString name, const QRectF& boxMm, const QFont& font, const QColor& colour);

  const QStringList& Lines() const { return lines_; }
  void SetLines(QStringList lines) { lines_ = std::move(lines); }
  const QFont& Font() const { return font_; }

  // Printed lines after Prepare(): one per text line, more where a line wraps.
  int PrintedLineCount() const { return static_cast<int>(printedLines_.size()); }
  double LineHeightMm() const { return lineHeightMm_; }

  void Prepare() override;
  double NeededHeight() const override;
  std::vector<double> BreakPoints() const override;
  void Paint(QPainter& painter, double fromMm, double toMm) const override;

 private:
  struct PrintedLine {
    int layout;  // index into layouts_
    int line;    // line of that layout
  };
  void LayOut(const QString& text, const QFont& font);

  QStringList lines_;
  QFont font_;
  QColor colour_;
  std::vector<std::unique_ptr<QTextLayout>> layouts_;
  std::vector<PrintedLine> printedLines_;
  double lineHeightMm_ = 0;
};

}  // namespace validador
