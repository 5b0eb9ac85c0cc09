// The record run's step of a file's check: the count check, then where the run stopped on
// the lines, as the file's verdict has them, and the digest that closes the file's blocks.

#include <string>

#include "validation/check/Carga.h"
#include "base/Mensagens.h"

namespace validador {

void Carga::insereDadosTabelas(const FileVerdict& verdict, const std::string& elapsed) {
  WriteRunBlocks(verdict.type, verdict.preScan.lineCount, verdict.count, verdict.run);
  WriteRunOutcome(verdict.run, verdict.type, elapsed, verdict.digest);
  if (verdict.type != rtI) AddToDigestList(verdict.digest);
}

// The run's own log lines: an undeclared count first (the run goes on), then where it stopped.
void Carga::WriteRunBlocks(RecordTypeIndex type, std::int64_t lineCount, CountCheck count,
                           const RunResult& run) {
  const std::string tabela(NomeTabela(type));
  GaugeMax = lineCount;
  GaugePos = 0;
  if (count == CountCheck::Unverified) WriteErrorBlock(texts::CountNotVerified(tabela));
  switch (run.stop) {
    case RunStop::CountDiffers:
      WriteErrorBlock(texts::CountDiffers(tabela));
      break;
    case RunStop::FieldCount:
      WriteErrorBlock(texts::FieldCountDiffers() + tabela + texts::LinePrefix() +
                      std::to_string(run.stopLine));
      break;
    case RunStop::Record:
      // The driver closes this block after the file's digest.
      EscreveLog(texts::ErrorBanner(), true);
      EscreveLog(tabela + ": " + run.MensagemErro + texts::LinePrefix() + std::to_string(run.stopLine),
                 true);
      break;
    case RunStop::None:
      break;
  }
  GaugePos = run.validRecords;
  AnnounceState();
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

}  // namespace validador
