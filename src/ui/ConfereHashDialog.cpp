#include "ui/ConfereHashDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "validation/Manifesto.h"

namespace validador::ui {
namespace {

constexpr int kDigestBoxLines = 3;
constexpr int kDialogWidth = 460;

QString Trimmed(const QString& typed) { return typed.simplified(); }

}  // namespace

ConfereHashDialog::ConfereHashDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Confere Hash"));
  auto* layout = new QVBoxLayout(this);
  auto* about = new QLabel(
      QStringLiteral("Confere os arquivos da pasta escolhida com o seu HASHV.txt.\n"
                     "Para conferir também o HASHV.txt, cole abaixo o hash impresso no "
                     "relatório (opcional)."),
      this);
  about->setWordWrap(true);
  layout->addWidget(about);
  memDigesto = new QPlainTextEdit(this);
  memDigesto->setTabChangesFocus(true);
  memDigesto->setPlaceholderText(QStringLiteral("Hash do relatório (opcional)"));
  memDigesto->setFixedHeight(memDigesto->fontMetrics().lineSpacing() * kDigestBoxLines +
                             2 * memDigesto->frameWidth() + 8);
  layout->addWidget(memDigesto);
  lblAviso = new QLabel(this);
  lblAviso->setWordWrap(true);
  lblAviso->hide();
  layout->addWidget(lblAviso);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnConferir = buttons->button(QDialogButtonBox::Ok);
  btnConferir->setText(QStringLiteral("Conferir"));
  btnCancelar = buttons->button(QDialogButtonBox::Cancel);
  btnCancelar->setText(QStringLiteral("Cancelar"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &ConfereHashDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ConfereHashDialog::reject);
  connect(memDigesto, &QPlainTextEdit::textChanged, this, [this] {
    lblAviso->clear();
    lblAviso->hide();
  });
  setMinimumWidth(kDialogWidth);
  btnConferir->setFocus(Qt::OtherFocusReason);
}

ConfereHashChoice ConfereHashDialog::Choice() const {
  const QString typed = Trimmed(memDigesto->toPlainText());
  if (typed.isEmpty()) return {};
  return {typed};
}

void ConfereHashDialog::accept() {
  const ConfereHashChoice choice = Choice();
  if (choice.manifestDigest && DigestoNormalizado(choice.manifestDigest->toStdString()).empty()) {
    lblAviso->setText(QStringLiteral("O hash do relatório tem só algarismos e letras de A a F."));
    lblAviso->show();
    memDigesto->setFocus(Qt::OtherFocusReason);
    return;
  }
  QDialog::accept();
}

std::optional<ConfereHashChoice> ConfereHashDialog::Ask(QWidget* parent) {
  ConfereHashDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

}  // namespace validador::ui
