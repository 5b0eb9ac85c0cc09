#include "validation/LineJudge.h"

namespace validador {
namespace {

// Characters 3 to 5 of the line (fewer, or none, when it is shorter).
std::string_view BankNumberOf(std::string_view line) {
  return line.size() > 2 ? line.substr(2, kBankNumberLength) : std::string_view();
}

}  // namespace

LineJudge::LineJudge(RecordTypeIndex type, std::string bank, JudgeMode mode)
    : type_(type),
      letter_(LayoutCatalogue::Instance().LetraTipo(type)),
      checksBank_(type != rtI),
      bank_(std::move(bank)),
      preScan_(mode != JudgeMode::Run),
      run_(mode != JudgeMode::PreScan),
      fieldCount_(LayoutCatalogue::Instance().QtdeCampos(type)),
      layout_(MontaListasLayout(type)) {}

// Past a wrong bank number the pre-scan reads no further, so nothing found there counts;
// past a wrong letter or the first bad record the run will not look, so records are no
// longer judged.
void LineJudge::Judge(std::string_view line, LineFacts& facts, TRetorno& fields) const {
  ++facts.count;
  if (preScan_) {
    if (facts.firstWrongBank != 0) return;
    if (checksBank_ && BankNumberOf(line) != bank_) {
      facts.firstWrongBank = facts.count;
      return;
    }
    if (line.empty() || line.front() != letter_) facts.lastWrongLetter = facts.count;
  }
  if (!run_ || facts.firstFault != 0 || facts.lastWrongLetter != 0) return;
  if (SeparaCampos(line, type_, fields) != fieldCount_) {
    facts.firstFault = facts.count;
    facts.fault = RunFault::FieldCount;
    return;
  }
  if (!ValidaRegistro(fields, layout_, facts.MensagemErro)) {
    facts.firstFault = facts.count;
    facts.fault = RunFault::Record;
  }
}

}  // namespace validador
