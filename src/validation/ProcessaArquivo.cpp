// The file driver: existence, identification header, pre-scan, record run and
// digest of one file; and the eight standard files of a folder in their order.

#include <string>

#include "validation/Carga.h"
#include "layout/Cp1252.h"
#include "validation/ElapsedTime.h"
#include "validation/LogTexts.h"
#include "validation/StandardFiles.h"

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

// The blocks of a file stopped before its record run all have this shape. Their last,
// empty line is in the normal style, except after an empty file: that block is in the
// error style to its end, as logs compared with earlier ones show it.
void Carga::WriteFileFaultBlock(const std::string& message, const std::string& digest,
                                bool emptyLineInErrorStyle) {
  EscreveLog(texts::ErrorBanner(), true);
  EscreveLog(message, true);
  EscreveLog(digest, true);
  EscreveLog(texts::AsteriskLine(), true);
  EscreveLog("", emptyLineInErrorStyle);
}

// Writes the pre-scan's finding and lists the digest when the file must stop here. The
// identification file's digest was listed by its header check, so a wrong letter in it
// does not list it again; an I file never has a bank fault and has a header line.
bool Carga::StopsBeforeTheRun(const PreScanResult& scan, RecordTypeIndex type,
                              const std::string& digest) {
  const std::string tabela(NomeTabela(type));
  switch (scan.Verdict()) {
    case PreScanVerdict::WrongLetter:
      WriteFileFaultBlock(texts::WrongLetter() + std::to_string(scan.lastWrongLetterLine) + "\t" +
                              tabela,
                          digest, false);
      if (type != rtI) AddToDigestList(digest);
      return true;
    case PreScanVerdict::NoLines:
      WriteFileFaultBlock(texts::EmptyFile() + tabela, digest, true);
      AddToDigestList(digest);
      return true;
    case PreScanVerdict::WrongBank:
      WriteFileFaultBlock(texts::WrongBank() + std::to_string(scan.firstWrongBankLine) +
                              "     " + tabela,
                          digest, false);
      AddToDigestList(digest);
      return true;
    case PreScanVerdict::Ready:
      break;
  }
  return false;
}

// After a passed run: the success line and the digest. After a failed one the run has
// written its banner and message; the digest and the asterisk line close that block.
void Carga::WriteRunOutcome(const RunResult& run, RecordTypeIndex type,
                            const std::string& elapsed, const std::string& digest) {
  if (run.status == RunStatus::Passed) {
    EscreveLog(texts::SuccessBefore() + std::string(NomeTabela(type)) + ".\tOk - " + elapsed +
                   texts::SuccessRecords() + std::to_string(run.validRecords),
               false);
    EscreveLog(digest, false);
  } else {
    EscreveLog(digest, true);
    EscreveLog(texts::AsteriskLine(), true);
  }
  EscreveLog("", false);
}

// One read of the file answers every question and one verdict weighs the answers; the log
// then writes them in the order the checks come in: header, pre-scan, count, records.
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

  lblTotRegVisible = true;
  lblTotReg = std::to_string(verdict.preScan.lineCount);
  AnnounceState();
  if (StopsBeforeTheRun(verdict.preScan, type, scan.digest)) {
    Julgado(std::move(verdict));
    return false;
  }

  WriteRunBlocks(type, verdict.preScan.lineCount, verdict.count, verdict.run);
  WriteRunOutcome(verdict.run, type, elapsed.Text(), scan.digest);
  if (type != rtI) AddToDigestList(scan.digest);
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
    WriteErrorBlock(Utf8ToCp1252("Arquivo alterado durante a verificação: ") +
                    std::string(NomeTabela(type)));
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
