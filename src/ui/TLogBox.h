#pragma once
// The verification log box: a rich-text box that the user may also type into. Each
// line the check writes is appended as a paragraph of its own and exactly its
// characters take the line's style (error: 12 points red; normal: 8 points blue),
// however the box wraps it. A line without a style takes the box's base format.

#include <QStringList>
#include <QTextCharFormat>
#include <QTextEdit>

#include "validation/VerificationLog.h"

namespace validador::ui {

class TLogBox : public QTextEdit {
  Q_OBJECT

 public:
  static constexpr int kErrorPoints = 12;
  static constexpr int kNormalPoints = 8;

  explicit TLogBox(QWidget* parent = nullptr);

  // Appends `text` (UTF-8 already) as the new last line in `style`.
  void AppendLine(const QString& text, LogStyle style);
  // Empties the box and makes blue its base colour.
  void Reset();

  // The lines as the box shows them now, typing included; none when the box is empty.
  QStringList LinesAsShown() const;

  QColor BaseColour() const { return baseColour_; }
  QTextCharFormat BaseFormat() const;
  static QTextCharFormat StyleFormat(LogStyle style);

 private:
  bool appendedSinceReset_ = false;
  QColor baseColour_;
};

}  // namespace validador::ui
