// The main window's commands and the frame every command runs in.

#include "ui/TfrmCarga.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QShortcut>

#include "base/Cp1252.h"
#include "preview/ReportTarget.h"
#include "branding/Branding.h"
#include "resultado/DadosDaCarga.h"
#include "qttexts/QtTexts.h"
#include "ui/MessageBoxes.h"
#include "ui/RememberedInputs.h"
#include "ui/WorkerRun.h"
#include "validation/manifest/Manifesto.h"
#include "validation/check/StandardFiles.h"

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

TfrmCarga::TfrmCarga(QWidget* parent) : QWidget(parent), relay_(this), carga_(&relay_) {
  // The PDF is named after the case number the report prints: the checked delivery's.
  showReport_ = [this](const DadosResultado& dados, QWidget* parentWindow) {
    MostraRelatorio(dados, parentWindow,
                    ReportTarget{FromPath(carga_.PastaSelecionada), dados.numCaso});
  };
  FormCreate();
  ConnectTheEngine();
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
    if (!MayReplaceManifest()) return;
    const std::optional<std::string> digest = carga_.GeraManifestoDaVerificacao();
    if (digest) {
      ShowResultReport(*digest);
    } else if (carga_.AlgoritmoValido()) {
      ShowNotice(this, kNothingToWrite);
    }
  });
}

void TfrmCarga::btnConfereHashClick() {
  RunCommand(btnConfereHash, Kind::ConfereHash, [this] {
    const std::optional<ConfereHashChoice> choice = askConfereHash_(this, FromPath(carga_.dlb1));
    if (!choice) return;
    std::optional<std::string> manifestDigest;
    if (choice->manifestDigest) manifestDigest = choice->manifestDigest->toStdString();
    std::optional<std::string> algorithm;
    if (choice->algorithm) algorithm = choice->algorithm->toStdString();
    OfferTheStop();
    RunOnEngine([this, &manifestDigest, &algorithm] { return carga_.ConfereHash(manifestDigest, algorithm); });
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
// runs, the overall progress follows its files and bytes, and the stop is offered.
void TfrmCarga::RunCheck(QPushButton* startedBy, int fileCount,
                         const std::function<ComandoResultado()>& check) {
  RunCommand(startedBy, Kind::Check, [this, fileCount, &check] {
    if (!InputsFitTheCodePage()) return;
    expectedFiles_ = fileCount;
    expectedBytes_ = fileCount > 1 ? BytesOfTheDelivery() : 0;
    OfferTheStop();
    RunOnEngine(check);
  });
}

// The sizes of the standard files in the chosen folder, as the check will find them.
qint64 TfrmCarga::BytesOfTheDelivery() const {
  qint64 bytes = 0;
  for (const RecordTypeIndex type : kProcessingOrder) {
    const QFileInfo file(FromPath(StandardFilePath(carga_.dlb1, type)));
    if (file.isFile()) bytes += file.size();
  }
  return bytes;
}

void TfrmCarga::RunOnEngine(const std::function<ComandoResultado()>& command) {
  tookUpFiles_ = false;
  ComandoResultado result = ComandoResultado::Concluido;
  try {
    RunOnWorker([&] { result = command(); });
  } catch (...) {
    progress_.Finish(OverallProgress::End::EndedByError);
    ShowOverallProgress();
    ShowState();
    ShowHowItEnded(false);
    throw;
  }
  const bool completed = result == ComandoResultado::Concluido;
  progress_.Finish(completed ? OverallProgress::End::Completed : OverallProgress::End::Interrupted);
  ShowOverallProgress();
  ShowState();
  ShowHowItEnded(completed && tookUpFiles_);
}

// The gauge at the end of a check or "Confere Hash": full when it ran to its end, empty
// when it was interrupted, ended by an error or never got to its files.
void TfrmCarga::ShowHowItEnded(bool ranToItsEnd) {
  G->setRange(0, 100);
  G->setValue(ranToItsEnd ? 100 : 0);
}

void TfrmCarga::RunCommand(QPushButton* startedBy, Kind kind,
                           const std::function<void()>& command) {
  if (state_ != CommandState::Idle) return;
  BeginRun(kind);
  try {
    command();
    if (kind == Kind::Other) ShowState();
  } catch (const std::exception& error) {
    RestoreCursor();
    if (kind == Kind::Other) ShowState();
    ShowCommandError(this, FromCp1252(error.what()));
  }
  EndRun(startedBy);
}

// The focus leaves the button before the buttons are switched off (Qt would move it on
// to the folder list); once a check has files to read, it goes to "Interromper".
void TfrmCarga::BeginRun(Kind kind) {
  state_ = CommandState::Running;
  running_ = kind;
  focusSetByCommand_ = false;
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  SetCommandButtonsEnabled(false);
  DriveComboBox1->setEnabled(false);
  dlb1->setEnabled(false);
  InputsToEngine();
  carga_.WithdrawStop();
  if (rememberInputs_) SaveInputs();
}

void TfrmCarga::EndRun(QPushButton* startedBy) {
  SetCommandButtonsEnabled(true);
  DriveComboBox1->setEnabled(true);
  dlb1->setEnabled(true);
  btnInterromper->hide();
  stopShortcut_->setEnabled(false);
  if (!focusSetByCommand_ && startedBy != nullptr) startedBy->setFocus(Qt::OtherFocusReason);
  state_ = CommandState::Idle;
  running_ = Kind::Other;
  if (closeWhenDone_) {
    closeWhenDone_ = false;
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
  shownAlgorithmText_ = algorithm;
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

// A HASHV.txt of more lines than the new one is kept unless the user says otherwise:
// it may be the whole delivery's, and the new one a single file's.
bool TfrmCarga::MayReplaceManifest() {
  if (carga_.PastaVerificada.empty() || !carga_.AlgoritmoValido()) return true;
  const qsizetype oldLines =
      ManifestLineCount(FromPath(FindManifest(carga_.PastaVerificada).path));
  const auto newLines = static_cast<qsizetype>(carga_.Memo2.size());
  return oldLines <= newLines || askToReplace_(this, oldLines, newLines);
}

void TfrmCarga::ShowResultReport(const std::string& manifestDigest) {
  showReport_(DadosDaCarga(carga_, redtResultado->LinesAsShown(), manifestDigest), this);
}

void TfrmCarga::OfferTheStop() {
  btnInterromper->setEnabled(true);
  btnInterromper->show();
  btnInterromper->setFocus(Qt::OtherFocusReason);
  stopShortcut_->setEnabled(true);
}

// The question is asked once at a time: while it is open, or once a stop is asked for,
// the state is Stopping and another Escape or click asks nothing. The command is held
// meanwhile, so that it does not end behind the question.
bool TfrmCarga::OfferToStop() {
  if (!CheckRunning() || state_ != CommandState::Running) return false;
  state_ = CommandState::Stopping;
  // The command waits at its next block while the user answers.
  carga_.Pause();
  const bool stop = askToStop_(this);
  if (stop) carga_.RequestStop();
  carga_.Resume();
  if (!stop) {
    state_ = CommandState::Running;
    return false;
  }
  btnInterromper->setEnabled(false);
  return true;
}

void TfrmCarga::closeEvent(QCloseEvent* event) {
  // A running command must end first: the window closes then. A check or "Confere Hash"
  // is interrupted first when the user agrees; otherwise the window stays.
  if (state_ != CommandState::Idle) {
    event->ignore();
    if (!CheckRunning() || OfferToStop()) closeWhenDone_ = true;
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
