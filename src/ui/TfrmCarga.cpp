// The main window's commands and the frame every command runs in.

#include "ui/TfrmCarga.h"

#include <QCloseEvent>
#include <QFileDialog>

#include "resultado/DadosDaCarga.h"
#include "resultado/QtTexts.h"
#include "ui/MessageBoxes.h"

namespace validador::ui {

TfrmCarga::TfrmCarga(QWidget* parent) : QWidget(parent), carga_(this) { FormCreate(); }

TfrmCarga::~TfrmCarga() = default;

void TfrmCarga::btnLimpaTelaClick() {
  RunCommand([this] { carga_.LimpaTela(); });
}

void TfrmCarga::btnAbreTodosClick() {
  RunCommand([this] { carga_.AbreArquivos(); });
}

void TfrmCarga::btnAbreUmClick() {
  RunCommand([this] { carga_.AbreArquivo(); });
}

void TfrmCarga::btnGeraResultClick() {
  RunCommand([this] {
    const std::optional<std::string> digest = carga_.GeraManifesto();
    if (digest) ShowResultReport(*digest);
  });
}

std::optional<QString> TfrmCarga::ChooseWithDialog(QWidget* parent, const QString& initialFolder) {
  const QString chosen = QFileDialog::getOpenFileName(parent, QString(), initialFolder,
                                                      QStringLiteral("Arquivos Texto (*.txt)"));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

void TfrmCarga::RunCommand(const std::function<void()>& command) {
  if (commandRunning_) return;
  commandRunning_ = true;
  SetCommandButtonsEnabled(false);
  InputsToEngine();
  try {
    command();
    ShowState();
  } catch (const std::exception& error) {
    RestoreCursor();
    ShowState();
    ShowCommandError(this, FromCp1252(error.what()));
  }
  SetCommandButtonsEnabled(true);
  commandRunning_ = false;
  if (closeAsked_) {
    closeAsked_ = false;
    close();
  }
}

void TfrmCarga::SetCommandButtonsEnabled(bool enabled) {
  for (QPushButton* button : {btnAbreTodos, btnAbreUm, btnGeraResult, btnLimpaTela}) {
    button->setEnabled(enabled);
  }
}

void TfrmCarga::InputsToEngine() {
  carga_.edtNrCaso = ToCp1252(edtNrCaso->text());
  carga_.edtNrBanco = ToCp1252(edtNrBanco->text());
  // A typed name of the list counts as choosing its entry.
  const QString algorithm = cbHash->currentText();
  const int listed = cbHash->findText(algorithm, Qt::MatchExactly | Qt::MatchCaseSensitive);
  carga_.cbHashIndex = listed >= 0 ? listed : cbHash->currentIndex();
  carga_.cbHashText = ToCp1252(algorithm);
  shownAlgorithmIndex_ = cbHash->currentIndex();
  shownAlgorithmText_ = carga_.cbHashText;
  carga_.dlb1 = ToPath(dlb1->Directory());
}

void TfrmCarga::ShowResultReport(const std::string& manifestDigest) {
  showReport_(DadosDaCarga(carga_, redtResultado->LinesAsShown(), manifestDigest), this);
}

void TfrmCarga::closeEvent(QCloseEvent* event) {
  // A command that lets the window handle events must end first: the window closes then.
  if (commandRunning_) {
    closeAsked_ = true;
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace validador::ui
