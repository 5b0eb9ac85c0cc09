// The file driver: existence, identification header, pre-scan, record run and
// digest of one file; and the eight standard files of a folder in their order.

#include <string>

#include "validation/check/Carga.h"
#include "base/Cp1252.h"
#include "validation/check/ElapsedTime.h"
#include "base/Mensagens.h"
#include "validation/check/StandardFiles.h"

namespace validador {
namespace {

// Tells the shell, on every way out of the driver, that it is done with the file.
class FileFinishedNotice {
 public:
  explicit FileFinishedNotice(CargaHooks& hooks) : hooks_(hooks) {}
  ~FileFinishedNotice() { hooks_.FileFinished(); }
  FileFinishedNotice(const FileFinishedNotice&) = delete;
  FileFinishedNotice& operator=(const FileFinishedNotice&) = delete;

 private:
  CargaHooks& hooks_;
};

}  // namespace

// One read of the file answers every question and one verdict weighs the answers; the log
// then writes them in the order the checks come in: header, pre-scan (ContaLinhas), count
// and records (insereDadosTabelas).
bool Carga::ProcessaArquivo(const std::string& path, RecordTypeIndex type) {
  FEdit = path;
  AnnounceState();
  hooks_->FileStarted(path, type);
  const FileFinishedNotice fileFinished(*hooks_);
  if (FEdit.empty()) return false;
  if (!FileExists(path)) {
    EscreveLog(texts::FileMissing(NomeTabela(type)), true);
    EscreveLog("", false);
    Julgado(JudgeMissingFile(JudgeInputsFor(path, type)));
    return false;
  }

  const ElapsedTime elapsed;
  const ScanOutcome scan = ReadForItsCheck(path, type);
  AvisaTextoAposFim(path, type, scan);
  FileVerdict verdict = JudgeFile(JudgeInputsFor(path, type), scan);
  if (type == rtI) ValidaIdentificacao(scan.firstLine, scan.digest);
  if (!verdict.header.Passed()) {
    Julgado(std::move(verdict));
    return false;
  }

  if (!ContaLinhas(verdict)) {
    Julgado(std::move(verdict));
    return false;
  }
  insereDadosTabelas(verdict, elapsed.Text());
  Julgado(std::move(verdict));
  return true;
}

FileJudgeInputs Carga::JudgeInputsFor(const std::string& path, RecordTypeIndex type) const {
  FileJudgeInputs inputs;
  inputs.type = type;
  inputs.path = path;
  inputs.typedCase = edtNrCaso;
  inputs.typedBank = edtNrBanco;
  if (type != rtI) inputs.declaredCount = Edit[static_cast<std::size_t>(type)];
  inputs.listing = ListagemPedida.has_value();
  return inputs;
}

// The verdict goes to the listing, the shell and the command's list of verdicts.
void Carga::Julgado(FileVerdict verdict) {
  ListaArquivo(verdict);
  hooks_->FileJudged(verdict);
  Veredictos.push_back(std::move(verdict));
}

// Text after a byte 26 passes no check: the shell is told how much, apart from the log.
void Carga::AvisaTextoAposFim(const std::string& path, RecordTypeIndex type, const ScanOutcome& scan) {
  if (scan.bytesAfterEndOfText.value_or(0) == 0) return;
  hooks_->TextAfterEndOfText(path, TextoAposFim(NomeTabela(type), *scan.bytesAfterEndOfText));
}

// A file that changed while it was read is reported in the log by its table name; the
// error then ends the command, so that no digest of it is listed.
ScanOutcome Carga::ReadForItsCheck(const std::string& path, RecordTypeIndex type) {
  ScanRequest request;
  request.type = type;
  request.bank = edtNrBanco;
  request.algorithm = cbHashText;
  request.keepFirstLine = type == rtI;
  ListaDuranteVarredura(path, type, request);
  hooks_->PreScanStarted();
  try {
    ScanOutcome scan = Varre(path, request);
    hooks_->PreScanFinished();
    return scan;
  } catch (const EFileChanged&) {
    WriteErrorBlock(texts::FileChangedIn(NomeTabela(type)));
    throw;
  }
}

// When the identification file stops the check, the error listing still takes in the
// files the log does not reach.
void Carga::ProcessaArquivos() {
  PastaSelecionada = dlb1;
  AnnounceState();
  bool stopped = false;
  for (const RecordTypeIndex type : kProcessingOrder) {
    const StandardFileChoice file = FindStandardFile(PastaSelecionada, type);
    if (stopped) {
      ListaSemLog(file.path, type);
      continue;
    }
    if (!file.ignored.empty()) hooks_->NameClash(file.path, file.ignored);
    const bool reachedRun = ProcessaArquivo(file.path, type);
    stopped = type == rtI && !reachedRun;
  }
}

}  // namespace validador
