#include "ui/TLogBox.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/WindowLook.h"

namespace validador::ui {

TLogBox::TLogBox(QWidget* parent)
    : QTextEdit(parent), baseColour_(palette().color(QPalette::Text)) {
  setAcceptRichText(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFont(LogBaseFont());
  document()->setDefaultFont(LogBaseFont());
}

QTextCharFormat TLogBox::BaseFormat() const {
  QTextCharFormat format;
  format.setFont(LogBaseFont());
  format.setForeground(baseColour_);
  return format;
}

QTextCharFormat TLogBox::StyleFormat(LogStyle style) {
  QTextCharFormat format;
  if (style == LogStyle::Plain) return format;
  const bool error = style == LogStyle::Error;
  format.setFontPointSize(error ? kErrorPoints : kNormalPoints);
  format.setForeground(error ? kLogRed : kLogBlue);
  return format;
}

void TLogBox::AppendLine(const QString& text, LogStyle style) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  const QTextCharFormat base = BaseFormat();
  cursor.beginEditBlock();
  if (appendedSinceReset_ || !document()->isEmpty()) {
    cursor.insertBlock(QTextBlockFormat(), base);
  } else {
    cursor.setBlockCharFormat(base);
  }
  const int start = cursor.position();
  cursor.insertText(text, base);
  if (style != LogStyle::Plain) {
    const QTextCharFormat styled = StyleFormat(style);
    cursor.setPosition(start);
    cursor.setPosition(start + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(styled);
    cursor.mergeBlockCharFormat(styled);
  }
  cursor.endEditBlock();
  appendedSinceReset_ = true;
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TLogBox::Reset() {
  clear();
  baseColour_ = kLogBlue;
  setTextColor(kLogBlue);
  appendedSinceReset_ = false;
}

QStringList TLogBox::LinesAsShown() const {
  QStringList lines;
  if (document()->isEmpty()) return lines;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    lines << block.text();
  }
  return lines;
}

}  // namespace validador::ui
