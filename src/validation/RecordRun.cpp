// The record run: the count check, then the verdict on the lines, stopping at the first
// line that fails. A file's check judges the lines in its one read; the run on its own
// reads the file for them.

#include <string>

#include "layout/StrToInt.h"
#include "validation/Carga.h"
#include "validation/LogTexts.h"

namespace validador {

bool Carga::ConfereQtdeLinhas(RecordTypeIndex type, std::int64_t lineCount) {
  const CountCheck count = CompareDeclaredCount(Edit[static_cast<std::size_t>(type)], lineCount);
  if (count == CountCheck::Unverified) WriteErrorBlock(texts::CountNotVerified(NomeTabela(type)));
  return count == CountCheck::Differs;
}

// Writes what the run found on the file's lines and leaves the gauge where the run would:
// at the valid records, out of the file's lines.
RunResult Carga::RelataCorrida(RecordTypeIndex type, std::int64_t lineCount,
                               const LineFacts& facts) {
  const CountCheck count = type == rtI ? CountCheck::NotCompared
                                       : CompareDeclaredCount(Edit[static_cast<std::size_t>(type)], lineCount);
  const RunResult run = JudgeRun(count, facts);
  WriteRunBlocks(type, lineCount, count, run);
  return run;
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

RunResult Carga::insereDadosTabelas(const std::string& path, RecordTypeIndex type) {
  const std::int64_t lineCount = StrToInt64(lblTotReg);
  ScanRequest request;
  request.type = type;
  request.mode = JudgeMode::Run;
  return RelataCorrida(type, lineCount, Varre(path, request).facts);
}

}  // namespace validador
