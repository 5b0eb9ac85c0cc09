#include "ui/TLogBox.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
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

QMenu* TLogBox::CreateLogContextMenu(const QPoint& at) {
  QMenu* menu = createStandardContextMenu(at);
  AddLogActions(menu);
  return menu;
}

// The log's own actions, after the box's editing ones.
void TLogBox::AddLogActions(QMenu* menu) {
  menu->addSeparator();
  QAction* save = menu->addAction(QStringLiteral("Salvar log…"), this, [this] { SaveLogAs(); });
  save->setObjectName(QStringLiteral("salvarLog"));
  for (QAction* added : addedActions_) {
    if (added != nullptr) menu->addAction(added);
  }
}

void TLogBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateLogContextMenu(event->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

std::optional<QString> TLogBox::SaveLines(const QString& path) const {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  for (const QString& line : LinesAsShown()) {
    file.write(line.toUtf8());
    file.write("\r\n");
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

void TLogBox::SaveLogAs() {
  const QString suggested = suggestedPath_ ? suggestedPath_() : QString();
  const std::optional<QString> path = chooseSave_(this, suggested);
  if (!path || path->isEmpty()) return;
  if (const std::optional<QString> error = SaveLines(*path)) {
    QMessageBox::warning(this, QStringLiteral("Salvar log"),
                         QStringLiteral("Não foi possível gravar %1:\n%2")
                             .arg(QDir::toNativeSeparators(*path), *error));
  }
}

std::optional<QString> TLogBox::ChooseWithDialog(QWidget* parent, const QString& suggested) {
  const QString chosen = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Salvar log"), suggested, QStringLiteral("Arquivos Texto (*.txt)"));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

}  // namespace validador::ui
