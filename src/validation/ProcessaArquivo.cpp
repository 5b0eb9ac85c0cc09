// The file driver: existence, identification header, pre-scan, record run and
// digest of one file; and the eight standard files of a folder in their order.

#include <string>

#include "validation/Carga.h"
#include "validation/ElapsedTime.h"
#include "validation/FileDigest.h"
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
                              FileDigest& digest) {
  const std::string tabela(NomeTabela(type));
  switch (scan.Verdict()) {
    case PreScanVerdict::WrongLetter:
      WriteFileFaultBlock(texts::WrongLetter() + std::to_string(scan.lastWrongLetterLine) + "\t" +
                              tabela,
                          digest.Text(this), false);
      if (type != rtI) AddToDigestList(digest.Text(this));
      return true;
    case PreScanVerdict::NoLines:
      WriteFileFaultBlock(texts::EmptyFile() + tabela, digest.Text(this), true);
      AddToDigestList(digest.Text(this));
      return true;
    case PreScanVerdict::WrongBank:
      WriteFileFaultBlock(texts::WrongBank() + std::to_string(scan.firstWrongBankLine) +
                              "     " + tabela,
                          digest.Text(this), false);
      AddToDigestList(digest.Text(this));
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

bool Carga::ProcessaArquivo(const std::string& path, RecordTypeIndex type) {
  FEdit = path;
  hooks_->StateChanged();
  hooks_->FileStarted(path, type);
  const FileFinishedNotice fileFinished(*hooks_);
  if (FEdit.empty()) return false;
  if (!FileExists(path)) {
    EscreveLog("Arquivo: " + std::string(NomeTabela(type)) + texts::FileMissingAfter(), true);
    EscreveLog("", false);
    return false;
  }

  FileDigest digest(path, cbHashText, this);
  if (type == rtI && !ValidaIdentificacao(path, digest)) return false;

  lblTotRegVisible = true;
  const PreScanResult scan = ContaLinhas(type);
  lblTotReg = std::to_string(scan.lineCount);
  hooks_->StateChanged();
  if (StopsBeforeTheRun(scan, type, digest)) return false;

  const ElapsedTime elapsed;
  const RunResult run = insereDadosTabelas(path, type);
  const std::string elapsedText = elapsed.Text();
  WriteRunOutcome(run, type, elapsedText, digest.Text(this));
  if (type != rtI) AddToDigestList(digest.Text(this));
  return true;
}

void Carga::ProcessaArquivos() {
  PastaSelecionada = dlb1;
  hooks_->StateChanged();
  for (const RecordTypeIndex type : kProcessingOrder) {
    const bool reachedRun = ProcessaArquivo(StandardFilePath(PastaSelecionada, type), type);
    if (type == rtI && !reachedRun) return;
  }
}

}  // namespace validador
