#include "ui/ConfereHashDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "validation/Manifesto.h"

namespace validador::ui {
namespace {

constexpr int kDigestBoxLines = 3;

}  // namespace

ConfereHashDialog::ConfereHashDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Confere Hash"));
  auto* layout = new QVBoxLayout(this);
  auto* about = new QLabel(QStringLiteral("Confere os arquivos da pasta escolhida com o seu HASHV.txt."), this);
  about->setWordWrap(true);
  layout->addWidget(about);
  chkManifesto = new QCheckBox(QStringLiteral("Conferir também o HASHV.txt com o hash do relatório"), this);
  layout->addWidget(chkManifesto);
  memDigesto = new QPlainTextEdit(this);
  memDigesto->setTabChangesFocus(true);
  memDigesto->setPlaceholderText(QStringLiteral("Cole aqui o hash impresso no relatório"));
  memDigesto->setFixedHeight(memDigesto->fontMetrics().lineSpacing() * kDigestBoxLines +
                             2 * memDigesto->frameWidth() + 8);
  layout->addWidget(memDigesto);
  lblAviso = new QLabel(this);
  lblAviso->setWordWrap(true);
  layout->addWidget(lblAviso);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnConferir = buttons->button(QDialogButtonBox::Ok);
  btnConferir->setText(QStringLiteral("Conferir"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &ConfereHashDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ConfereHashDialog::reject);
  connect(chkManifesto, &QCheckBox::toggled, this, &ConfereHashDialog::ShowDigestBox);
  ShowDigestBox(false);
  setMinimumWidth(460);
}

void ConfereHashDialog::ShowDigestBox(bool shown) {
  memDigesto->setEnabled(shown);
  lblAviso->clear();
  if (shown) memDigesto->setFocus(Qt::OtherFocusReason);
}

ConfereHashChoice ConfereHashDialog::Choice() const {
  if (!chkManifesto->isChecked()) return {};
  return {memDigesto->toPlainText()};
}

// A digest to check the manifest with must be hexadecimal once blanks and line breaks are
// left out; otherwise the dialog stays and says so.
void ConfereHashDialog::accept() {
  if (chkManifesto->isChecked() && DigestoNormalizado(memDigesto->toPlainText().toStdString()).empty()) {
    lblAviso->setText(QStringLiteral("Cole o hash do relatório: só algarismos e letras de A a F."));
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
