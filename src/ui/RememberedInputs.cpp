#include "ui/RememberedInputs.h"

#include <QDir>
#include <QSettings>
#include <memory>

#include "ui/TfrmCarga.h"

namespace validador::ui {
namespace {

const QString kFolder = QStringLiteral("entradas/pasta");
const QString kAlgorithm = QStringLiteral("entradas/algoritmo");
const QString kCase = QStringLiteral("entradas/caso");
const QString kBank = QStringLiteral("entradas/banco");

std::unique_ptr<QSettings> Settings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("Validador"), QStringLiteral("validador"));
}

}  // namespace

void SaveInputs(const TfrmCarga& window) {
  const std::unique_ptr<QSettings> stored = Settings();
  QSettings& settings = *stored;
  settings.setValue(kFolder, QDir::toNativeSeparators(window.dlb1->Directory()));
  const QString algorithm = window.cbHash->currentText();
  if (window.cbHash->findText(algorithm, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
    settings.setValue(kAlgorithm, algorithm);
  }
  settings.setValue(kCase, window.edtNrCaso->text());
  settings.setValue(kBank, window.edtNrBanco->text());
  settings.sync();
}

void RestoreInputs(TfrmCarga& window) {
  const std::unique_ptr<QSettings> stored = Settings();
  const QSettings& settings = *stored;
  const QString folder = settings.value(kFolder).toString();
  if (!folder.isEmpty() && QDir(folder).exists()) window.dlb1->SetDirectory(folder);
  const int algorithm = window.cbHash->findText(settings.value(kAlgorithm).toString(),
                                                Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (algorithm >= 0) window.cbHash->setCurrentIndex(algorithm);
  window.edtNrCaso->setText(settings.value(kCase).toString());
  window.edtNrBanco->setText(settings.value(kBank).toString());
}

}  // namespace validador::ui
