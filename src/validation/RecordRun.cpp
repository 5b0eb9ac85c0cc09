// The record run: the count check, then the verdict on the lines, stopping at the first
// line that fails. A file's check judges the lines in its one read; the run on its own
// reads the file for them.

#include <string>

#include "layout/StrToInt.h"
#include "validation/Carga.h"
#include "validation/LogTexts.h"

namespace validador {
namespace {

// The declared-count box of each record type (A,B,C,E,I,O,T,Y -> Edit1..Edit8).
constexpr int DeclaredCountBox(RecordTypeIndex type) { return static_cast<int>(type); }

}  // namespace

bool Carga::ConfereQtdeLinhas(RecordTypeIndex type, std::int64_t lineCount) {
  const std::string& box = Edit[DeclaredCountBox(type)];
  if (box.empty()) {
    WriteErrorBlock(texts::CountNotVerifiedBefore() + std::string(NomeTabela(type)) +
                    texts::CountNotVerifiedAfter());
    return false;
  }
  return StrToInt64(box) != lineCount;
}

// Writes what the run found on the file's lines and leaves the gauge where the run would:
// at the valid records, out of the file's lines.
RunResult Carga::RelataCorrida(RecordTypeIndex type, std::int64_t lineCount,
                               const LineFacts& facts) {
  const std::string tabela(NomeTabela(type));
  GaugeMax = lineCount;
  GaugePos = 0;
  RunResult run;
  if (type != rtI && ConfereQtdeLinhas(type, lineCount)) {
    WriteErrorBlock("Arquivo: " + tabela + texts::CountDiffersMiddle() + texts::CountDiffersEnd());
  } else if (facts.fault == RunFault::FieldCount) {
    run.validRecords = facts.firstFault - 1;
    WriteErrorBlock(texts::FieldCountDiffers() + tabela + texts::LinePrefix() +
                    std::to_string(facts.firstFault));
  } else if (facts.fault == RunFault::Record) {
    run.validRecords = facts.firstFault - 1;
    run.MensagemErro = facts.MensagemErro;
    // The driver closes this block after the file's digest.
    EscreveLog(texts::ErrorBanner(), true);
    EscreveLog(tabela + ": " + facts.MensagemErro + texts::LinePrefix() +
                   std::to_string(facts.firstFault),
               true);
  } else {
    run.status = RunStatus::Passed;
    run.validRecords = facts.count;
  }
  GaugePos = run.validRecords;
  hooks_->StateChanged();
  return run;
}

RunResult Carga::insereDadosTabelas(const std::string& path, RecordTypeIndex type) {
  const std::int64_t lineCount = StrToInt64(lblTotReg);
  ScanRequest request;
  request.type = type;
  request.mode = JudgeMode::Run;
  return RelataCorrida(type, lineCount, Varre(path, request).facts);
}

}  // namespace validador
