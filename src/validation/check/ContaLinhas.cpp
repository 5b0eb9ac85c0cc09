// The pre-scan's step of a file's check: the line total shown, and the block of a file
// that its type letters, its bank numbers or its lack of lines stop before the record run.

#include <string>

#include "validation/check/Carga.h"
#include "base/Mensagens.h"

namespace validador {

bool Carga::ContaLinhas(const FileVerdict& verdict) {
  lblTotRegVisible = true;
  lblTotReg = std::to_string(verdict.preScan.lineCount);
  AnnounceState();
  return !StopsBeforeTheRun(verdict.preScan, verdict.type, verdict.digest);
}

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

}  // namespace validador
