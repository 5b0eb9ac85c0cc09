// The pre-scan of a data file on its own: line count, wrong type letters, wrong bank
// numbers. A file's check asks the same questions in its one read.

#include "validation/Carga.h"

namespace validador {

PreScanResult Carga::ContaLinhas(RecordTypeIndex type) {
  hooks_->PreScanStarted();
  ScanRequest request;
  request.type = type;
  request.bank = edtNrBanco;
  request.mode = JudgeMode::PreScan;
  const LineFacts facts = Varre(FEdit, request).facts;
  hooks_->PreScanFinished();
  return {facts.PreScanLines(), facts.lastWrongLetter, facts.firstWrongBank};
}

}  // namespace validador
