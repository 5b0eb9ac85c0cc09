#include "ui/MessageBoxes.h"

#include <QMessageBox>

#include "base/Errors.h"
#include "branding/Branding.h"
#include "qttexts/QtTexts.h"
#include "base/Mensagens.h"

namespace validador::ui {
namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

void ShowNotice(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::NoIcon, ProgramTitle(), text);
}

void ShowCommandError(QWidget* parent, const QString& message) {
  const QString text = QString::fromStdString(MessageWithFullStop(message.toStdString()));
  ShowBox(parent, QMessageBox::Critical, ProgramTitle(), text);
}

void ShowCannotReadFile(QWidget* parent) {
  ShowBox(parent, QMessageBox::Critical, QStringLiteral("Error"),
          FromCp1252(texts::CannotReadFile()));
}

}  // namespace validador::ui
