// The main window's commands and the frame every command runs in.

#include "ui/TfrmCarga.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QShortcut>

#include "layout/Cp1252.h"
#include "preview/ReportTarget.h"
#include "report/Branding.h"
#include "resultado/DadosDaCarga.h"
#include "resultado/QtTexts.h"
#include "ui/MessageBoxes.h"
#include "ui/RememberedInputs.h"

namespace validador::ui {
namespace {

const QString kNothingToWrite = QStringLiteral(
    "Nenhuma verificação concluída: não há manifesto a gravar.\n"
    "Use \"Abre Arquivos\" ou \"Abre Arquivo\" e deixe a verificação chegar ao fim.");

QString NoticeOfTextOutsideTheCodePage(const QString& input) {
  return QStringLiteral("O %1 tem caracteres que o programa não aceita. "
                        "Use só letras, algarismos e sinais comuns.")
      .arg(input);
}

}  // namespace

TfrmCarga::TfrmCarga(QWidget* parent) : QWidget(parent), carga_(this) {
  // The PDF is named after the case number the report prints; after a single data file
  // no header was read, and the typed one names it.
  showReport_ = [this](const DadosResultado& dados, QWidget* parentWindow) {
    const QString caseNumber = dados.numCaso.isEmpty() ? edtNrCaso->text() : dados.numCaso;
    MostraRelatorio(dados, parentWindow,
                    ReportTarget{FromPath(carga_.PastaSelecionada), caseNumber});
  };
  FormCreate();
}

TfrmCarga::~TfrmCarga() = default;

void TfrmCarga::btnLimpaTelaClick() {
  RunCommand(btnLimpaTela, Kind::Other, [this] {
    carga_.LimpaTela();
  });
}

void TfrmCarga::btnAbreTodosClick() {
  RunCheck(btnAbreTodos, static_cast<int>(kProcessingOrder.size()),
           [this] { return carga_.AbreArquivos(); });
}

void TfrmCarga::btnAbreUmClick() {
  RunCheck(btnAbreUm, 1, [this] { return carga_.AbreArquivo(); });
}

void TfrmCarga::btnGeraResultClick() {
  RunCommand(btnGeraResult, Kind::Other, [this] {
    const std::optional<std::string> digest = carga_.GeraManifestoDaVerificacao();
    if (digest) {
      ShowResultReport(*digest);
    } else if (carga_.AlgoritmoValido()) {
      ShowNotice(this, kNothingToWrite);
    }
  });
}

void TfrmCarga::btnConfereHashClick() {
  RunCommand(btnConfereHash, Kind::Other, [this] {
    const std::optional<ConfereHashChoice> choice = askConfereHash_(this, FromPath(carga_.dlb1));
    if (!choice) return;
    std::optional<std::string> manifestDigest;
    if (choice->manifestDigest) manifestDigest = choice->manifestDigest->toStdString();
    std::optional<std::string> algorithm;
    if (choice->algorithm) algorithm = choice->algorithm->toStdString();
    carga_.ConfereHash(manifestDigest, algorithm);
  });
}

std::optional<QString> TfrmCarga::ChooseWithDialog(QWidget* parent, const QString& initialFolder) {
  const QString chosen = QFileDialog::getOpenFileName(parent, QString(), initialFolder,
                                                      QStringLiteral("Arquivos Texto (*.txt)"));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

bool TfrmCarga::AskWithMessageBox(QWidget* parent) {
  QMessageBox box(QMessageBox::Question, ProgramTitle(),
                  QStringLiteral("Interromper a verificação em andamento?\n"
                                 "Nada será gravado na pasta."),
                  QMessageBox::NoButton, parent);
  QPushButton* stop = box.addButton(QStringLiteral("Interromper"), QMessageBox::AcceptRole);
  QPushButton* goOn = box.addButton(QStringLiteral("Continuar"), QMessageBox::RejectRole);
  box.setDefaultButton(goOn);
  box.setEscapeButton(goOn);
  box.exec();
  return box.clickedButton() == stop;
}

// An open command: the inputs must fit the code page of the check's texts; while it
// runs, the overall progress follows its files and the stop is offered.
void TfrmCarga::RunCheck(QPushButton* startedBy, int fileCount,
                         const std::function<ComandoResultado()>& check) {
  RunCommand(startedBy, Kind::Check, [this, fileCount, &check] {
    if (!InputsFitTheCodePage()) return;
    expectedFiles_ = fileCount;
    try {
      const ComandoResultado result = check();
      progress_.Finish(result == ComandoResultado::Interrompido
                           ? OverallProgress::End::Interrupted
                           : OverallProgress::End::Completed);
    } catch (...) {
      progress_.Finish(OverallProgress::End::EndedByError);
      ShowOverallProgress();
      throw;
    }
    ShowOverallProgress();
  });
}

void TfrmCarga::RunCommand(QPushButton* startedBy, Kind kind,
                           const std::function<void()>& command) {
  if (commandRunning_) return;
  BeginRun(kind);
  try {
    command();
    ShowState();
  } catch (const std::exception& error) {
    RestoreCursor();
    ShowState();
    ShowCommandError(this, FromCp1252(error.what()));
  }
  EndRun(startedBy);
}

// The focus leaves the button before the buttons are switched off (Qt would move it on
// to the folder list); once a check has files to read, it goes to "Interromper".
void TfrmCarga::BeginRun(Kind kind) {
  commandRunning_ = true;
  checkRunning_ = kind == Kind::Check;
  focusSetByCommand_ = false;
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  SetCommandButtonsEnabled(false);
  DriveComboBox1->setEnabled(false);
  dlb1->setEnabled(false);
  InputsToEngine();
  if (rememberInputs_) SaveInputs();
}

void TfrmCarga::EndRun(QPushButton* startedBy) {
  SetCommandButtonsEnabled(true);
  DriveComboBox1->setEnabled(true);
  dlb1->setEnabled(true);
  btnInterromper->hide();
  stopShortcut_->setEnabled(false);
  if (!focusSetByCommand_ && startedBy != nullptr) startedBy->setFocus(Qt::OtherFocusReason);
  checkRunning_ = false;
  commandRunning_ = false;
  if (closeAsked_) {
    closeAsked_ = false;
    close();
  }
}

void TfrmCarga::SetCommandButtonsEnabled(bool enabled) {
  for (QPushButton* button : {btnAbreTodos, btnAbreUm, btnGeraResult, btnLimpaTela, btnConfereHash}) {
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

// The case and bank numbers are compared byte for byte with the delivery's
// Windows-1252 texts: a character that page cannot hold would be compared as '?'.
bool TfrmCarga::InputsFitTheCodePage() {
  const std::pair<QLineEdit*, QString> inputs[] = {
      {edtNrCaso, QStringLiteral("n.º do caso")}, {edtNrBanco, QStringLiteral("n.º do banco")}};
  for (const auto& [box, name] : inputs) {
    if (FitsCp1252(box->text().toStdString())) continue;
    ShowNotice(this, NoticeOfTextOutsideTheCodePage(name));
    box->setFocus(Qt::OtherFocusReason);
    focusSetByCommand_ = true;
    return false;
  }
  return true;
}

void TfrmCarga::ShowResultReport(const std::string& manifestDigest) {
  showReport_(DadosDaCarga(carga_, redtResultado->LinesAsShown(), manifestDigest), this);
}

void TfrmCarga::OfferTheStop() {
  btnInterromper->show();
  btnInterromper->setFocus(Qt::OtherFocusReason);
  stopShortcut_->setEnabled(true);
}

bool TfrmCarga::OfferToStop() {
  if (!checkRunning_ || askingToStop_) return false;
  askingToStop_ = true;
  const bool stop = askToStop_(this);
  askingToStop_ = false;
  if (stop && checkRunning_) carga_.RequestStop();
  return stop;
}

void TfrmCarga::closeEvent(QCloseEvent* event) {
  // A command that lets the window handle events must end first: the window closes then.
  // A check is interrupted first when the user agrees; otherwise the window stays.
  if (commandRunning_) {
    event->ignore();
    if (!checkRunning_ || OfferToStop()) closeAsked_ = true;
    return;
  }
  if (rememberInputs_) SaveInputs();
  event->accept();
}

void TfrmCarga::RememberInputs() {
  rememberInputs_ = true;
  RestoreInputs(*this);
}

void TfrmCarga::SaveInputs() const { ui::SaveInputs(*this); }

}  // namespace validador::ui
