#include "ui/ConfereHashDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "hash/Calchash.h"
#include "validation/manifest/Manifesto.h"

namespace validador::ui {
namespace {

constexpr int kDigestBoxLines = 3;
constexpr int kDialogWidth = 460;

QString Trimmed(const QString& typed) { return typed.simplified(); }

}  // namespace

ConfereHashDialog::ConfereHashDialog(const QString& folder, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Confere Hash"));
  auto* layout = new QVBoxLayout(this);
  auto* about = new QLabel(
      QStringLiteral("Confere os arquivos da pasta com o seu HASHV.txt.\n"
                     "Para conferir também o HASHV.txt, cole abaixo o hash impresso no "
                     "relatório (opcional)."),
      this);
  about->setWordWrap(true);
  layout->addWidget(about);
  auto* form = new QFormLayout;
  lblPasta = new QLabel(QDir::toNativeSeparators(folder), this);
  lblPasta->setWordWrap(true);
  lblPasta->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(QStringLiteral("Pasta:"), lblPasta);
  cbAlgoritmo = new QComboBox(this);
  cbAlgoritmo->addItem(QStringLiteral("automático (pelo HASHV.txt)"));
  for (const AlgorithmRow& row : kAlgorithms) {
    cbAlgoritmo->addItem(QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size())));
  }
  cbAlgoritmo->setCurrentIndex(0);
  form->addRow(QStringLiteral("Algoritmo:"), cbAlgoritmo);
  layout->addLayout(form);
  memDigesto = new QPlainTextEdit(this);
  memDigesto->setTabChangesFocus(true);
  memDigesto->setPlaceholderText(QStringLiteral("Hash do relatório (opcional)"));
  memDigesto->setFixedHeight(memDigesto->fontMetrics().lineSpacing() * kDigestBoxLines +
                             2 * memDigesto->frameWidth() + 8);
  memDigesto->installEventFilter(this);
  layout->addWidget(memDigesto);
  lblAviso = new QLabel(this);
  lblAviso->setWordWrap(true);
  lblAviso->hide();
  layout->addWidget(lblAviso);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  btnConferir = buttons->button(QDialogButtonBox::Ok);
  btnConferir->setText(QStringLiteral("Conferir"));
  btnConferir->setDefault(true);
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
  setTabOrder(memDigesto, cbAlgoritmo);
  memDigesto->setFocus(Qt::OtherFocusReason);
}

bool ConfereHashDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memDigesto && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

ConfereHashChoice ConfereHashDialog::Choice() const {
  ConfereHashChoice choice;
  const QString typed = Trimmed(memDigesto->toPlainText());
  if (!typed.isEmpty()) choice.manifestDigest = typed;
  if (cbAlgoritmo->currentIndex() > 0) choice.algorithm = cbAlgoritmo->currentText();
  return choice;
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

std::optional<ConfereHashChoice> ConfereHashDialog::Ask(QWidget* parent, const QString& folder) {
  ConfereHashDialog dialog(folder, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

}  // namespace validador::ui
